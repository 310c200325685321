#include "app/MainFrame.h"
#include "ui/DialogBM.h"
