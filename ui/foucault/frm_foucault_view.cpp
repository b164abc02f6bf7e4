// How large and how contrasted the Foucault window shows.

#include "ui/foucault/frm_foucault.h"

#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "ui/common/window_zoom.h"
#include "ui/foucault/foucault_views.h"
#include "ui/foucault/line_element.h"

namespace kestrova {

void frmFoucault::SetZoom(double zoom)
{
    if (zoom == WindowZoom(*this))
        return;
    ZoomWindow(*this, zoom);
    DrawViewsAgain();
}

void frmFoucault::SetHighContrast(bool high)
{
    if (high == picCourbe_->HighContrast())
        return;
    ShowInHighContrast(*this, high);
    for (PictureBox* box : {picCourbe_, picPendule_}) {
        box->SetBackColor(ToColour(palette().color(QPalette::Base)));
        box->SetForeColor(ToColour(palette().color(QPalette::Text)));
    }
    DrawViewsAgain();
}

void frmFoucault::DrawViewsAgain()
{
    const double length = run_.Longueur();
    linFil_->SetEnds(linFil_->X1(), linFil_->Y1(), linFil_->X2(), linFil_->Y2());
    picPendule_->Cls();
    picPendule_->EraseToBackdrop(
        [this, length] { foucault::DrawSideReference(*picPendule_, length); });
    foucault::DrawSideBob(*picPendule_, length, linFil_->X2(), linFil_->Y2());
    picCourbe_->Cls();
    picCourbe_->EraseToBackdrop(
        [this] { foucault::DrawGroundReference(*picCourbe_, run_.Amplitude()); });
    foucault::DrawTrail(*picCourbe_, run_.Points());
}

} // namespace kestrova
