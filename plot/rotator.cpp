#include "plot/rotator.h"
