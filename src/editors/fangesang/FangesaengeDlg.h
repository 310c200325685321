#pragma once
// The fan-chant editor ("Fangesänge"): the chants' texts with their country,
// club, opponent, frequency, kind and player.
#include "editors/fangesang/GesangDlg.h"

namespace v3 {

class CFangesaengeDlg : public CGesangDlg {
    Q_OBJECT
public:
    // Edits copies of the data set's fan chants; OK replaces them.
    explicit CFangesaengeDlg(QWidget* parent);
};

}  // namespace v3
