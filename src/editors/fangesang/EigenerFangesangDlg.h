#pragma once
// The own-chant editor ("Eigene Fangesänge"): chants recorded as sound files
// of the fan-chant folder, with the same fields as the fan chants.
#include "editors/fangesang/GesangDlg.h"

namespace v3 {

class CEigenerFangesangDlg : public CGesangDlg {
    Q_OBJECT
public:
    // Edits copies of the data set's own chants; OK replaces them.
    explicit CEigenerFangesangDlg(QWidget* parent);
};

}  // namespace v3
