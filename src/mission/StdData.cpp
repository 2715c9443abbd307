#include "mission/StdData.h"
