#include "plot/plot_frames.h"
