#include "plot/qt_picture_box.h"
