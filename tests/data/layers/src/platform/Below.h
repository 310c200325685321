#include "base/AppState.h"
