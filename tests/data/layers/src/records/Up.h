#include "dataset/DataSet.h"
