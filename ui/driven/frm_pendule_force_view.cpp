// How large and how contrasted the driven-pendulum window shows.

#include "ui/driven/frm_pendule_force.h"

#include "plot/qt_colour.h"
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
    if (high) {
        QPalette blackOnWhite = palette();
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            blackOnWhite.setColor(role, Qt::white);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            blackOnWhite.setColor(role, Qt::black);
        setPalette(blackOnWhite);
    } else {
        setPalette(QPalette());
    }
    setAutoFillBackground(high);
    for (PictureBox* box : {picPendule_, picOscillation_, picPhase_})
        box->SetHighContrast(high);
    DrawWholePlots();
}

} // namespace kestrova
