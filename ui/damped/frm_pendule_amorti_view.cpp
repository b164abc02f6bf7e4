// How large and how contrasted the damped window shows: the zoom of the whole
// layout and the projector colours.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/pendulum_figure.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "resources/resource_paths.h"
#include "ui/common/window_zoom.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>

namespace kestrova {

void frmPenduleAmorti::SetZoom(double zoom)
{
    if (zoom == WindowZoom(*this))
        return;
    ZoomWindow(*this, zoom);
    FitToggleCaptions();
    ShowEquation();
    DrawPicturesAgain();
}

void frmPenduleAmorti::SetHighContrast(bool high)
{
    if (high == boxes_.picPendule->HighContrast())
        return;
    ShowInHighContrast(*this, high);
    ColourPictureBoxes();
    DrawPicturesAgain();
}

void frmPenduleAmorti::ColourPictureBoxes()
{
    const QPalette& colours = palette();
    const Colour windowText = ToColour(colours.color(QPalette::WindowText));
    boxes_.picPendule->SetBackColor(ToColour(colours.color(QPalette::ToolTipBase)));
    boxes_.picPendule->SetForeColor(windowText);
    for (PictureBox* box : {boxes_.picOrdoOsci, boxes_.picOrdoPhase}) {
        box->SetBackColor(ToColour(colours.color(QPalette::Window)));
        box->SetForeColor(windowText);
    }
    for (const auto& pair : {boxes_.picOscillation, boxes_.picPhase}) {
        for (PictureBox* box : pair) {
            box->SetBackColor(ToColour(colours.color(QPalette::Base)));
            box->SetForeColor(windowText);
        }
    }
}

void frmPenduleAmorti::ShowEquation()
{
    auto* equation = findChild<QLabel*>(QStringLiteral("imgEquation"));
    if (equation == nullptr)
        return;
    const double zoom = WindowZoom(*this);
    // At zoom 1 exactly the picture the window was built with; zoomed, drawn
    // afresh for the screen's pixels rather than stretched.
    const double ratio = zoom == 1.0 ? 1.0 : devicePixelRatioF();
    QPixmap pixmap(static_cast<int>(std::lround(kEquationPictureWidth * zoom * ratio)),
                   static_cast<int>(std::lround(kEquationPictureHeight * zoom * ratio)));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer{QString::fromLatin1(kEquationPicturePath)};
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    equation->setPixmap(pixmap);
}

void frmPenduleAmorti::DrawPicturesAgain()
{
    for (PictureBox* box : {boxes_.picOrdoOsci, boxes_.picOrdoPhase})
        box->Cls();
    WriteAxisTitles();
    DrawPendulum(*surfaces_.picPendule, run_.State().Teta);
    DrawWholePlots();
}

} // namespace kestrova
