// (being written)
#include "trafficlog.h"
