#include "model/parameters.h"
