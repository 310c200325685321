#include "editors/fangesang/FangesaengeDlg.h"

#include "dataset/DataSet.h"

namespace v3 {

CFangesaengeDlg::CFangesaengeDlg(QWidget* parent)
    : CGesangDlg(parent, std::make_unique<CGesangListe<CFangesang>>(Daten().FangesangListe),
                 "Fanges\xC3\xA4nge", false) {}

}  // namespace v3
