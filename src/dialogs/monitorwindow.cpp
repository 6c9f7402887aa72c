// (being written)
#include "monitorwindow.h"
