#include "plot/pendulum_figure.h"
