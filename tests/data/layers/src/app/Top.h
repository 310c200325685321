#include "check/Dlg.h"
#include "ui/DialogBM.h"
