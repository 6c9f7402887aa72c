// (being written)
#include "verifydetails.h"
