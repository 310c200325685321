#include "editors/fangesang/EigenerFangesangDlg.h"

#include "dataset/DataSet.h"

namespace v3 {

CEigenerFangesangDlg::CEigenerFangesangDlg(QWidget* parent)
    : CGesangDlg(parent, std::make_unique<CGesangListe<CEigenerFangesang>>(Daten().EigeneFangesangListe),
                 "Eigene Fanges\xC3\xA4nge", true) {}

}  // namespace v3
