#include "model/integrator.h"
