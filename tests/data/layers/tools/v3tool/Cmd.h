#include "ui/DialogBM.h"
