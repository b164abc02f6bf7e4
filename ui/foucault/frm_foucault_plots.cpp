// The Foucault window's two views as they leave the program: drawn again
// from the window's state (length, trail, string) on any surface.

#include "ui/foucault/frm_foucault.h"

#include "model/pendulum_state.h"
#include "plot/qt_picture_box.h"
#include "ui/foucault/foucault_views.h"
#include "ui/foucault/line_element.h"
#include "ui/foucault/place_panel.h"
#include "ui/foucault/plane_readout.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace kestrova {

QList<PlotPicture> frmFoucault::Plots() const
{
    auto describe = [](PictureBox* box, const QString& name, const QString& title) {
        return PictureOfBox(*box, name, title);
    };
    PlotPicture ground =
        describe(picCourbe_, QStringLiteral("trace-au-sol"),
                 tr("Trace au sol : les dernières positions de la masse, vues de dessus"));
    ground.draw = [this](PictureSurface& surface) {
        foucault::ScaleGroundView(surface);
        foucault::DrawGroundReference(surface, run_.Amplitude());
        foucault::DrawTrail(surface, run_.Points());
    };
    PlotPicture side = describe(picPendule_, QStringLiteral("vue-de-cote"),
                                tr("Vue de côté : le fil et la masse sous le point de suspension"));
    side.draw = [this](PictureSurface& surface) {
        foucault::ScaleSideView(surface, run_.Longueur());
        foucault::DrawSideView(surface, run_.Longueur(), linFil_->X2(), linFil_->Y2());
        // The string lies over the picture on screen; here it is part of it.
        surface.Line(linFil_->X1(), linFil_->Y1(), linFil_->X2(), linFil_->Y2(),
                     surface.ForeColor());
    };
    return {ground, side};
}

QStringList frmFoucault::Captions() const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double latitude = placePanel_->Latitude() / DegToRad;
    const QString hemisphere = latitude > 0 ? QStringLiteral(" N")
        : latitude < 0                      ? QStringLiteral(" S")
                                            : QString();
    // Then the readout's own lines, as the window shows them.
    return QStringList{tr("Longueur du pendule : %1 m").arg(txtLong_->text()),
                       tr("Latitude : %1°").arg(locale.toString(std::abs(latitude), 'f', 2))
                           + hemisphere,
                       tr("Jour : %1").arg(placePanel_->DayText()),
                       tr("Temps écoulé : %1 s").arg(locale.toString(run_.TempsEcoule(), 'f', 1))}
    + readout_->Lines();
}

QString frmFoucault::FileStem() const
{
    return QStringLiteral("pendule-foucault");
}

QString frmFoucault::Heading() const
{
    return windowTitle();
}

} // namespace kestrova
