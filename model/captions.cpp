#include "model/captions.h"
