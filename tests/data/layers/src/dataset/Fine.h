#include "base/AppState.h"
#include "records/Up.h"
