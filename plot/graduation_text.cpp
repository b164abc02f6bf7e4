#include "plot/graduation_text.h"
