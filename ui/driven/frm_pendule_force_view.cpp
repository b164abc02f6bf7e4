// How large and how contrasted the driven-pendulum window shows.

#include "ui/driven/frm_pendule_force.h"

#include "plot/qt_picture_box.h"
#include "ui/common/window_zoom.h"

namespace kestrova {

void frmPenduleForce::SetZoom(double zoom)
{
    if (zoom == WindowZoom(*this))
        return;
    ZoomWindow(*this, zoom);
    DrawWholePlots();
}

void frmPenduleForce::SetHighContrast(bool high)
{
    if (high == picPendule_->HighContrast())
        return;
    ShowInHighContrast(*this, high);
    DrawWholePlots();
}

} // namespace kestrova
