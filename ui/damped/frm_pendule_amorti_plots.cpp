// The damped window's plots as they leave the program: the scenes the screen
// shows, drawn whole from the frames and the recorded motion.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/damped_plots.h"
#include "plot/qt_picture_box.h"

#include <QCheckBox>
#include <QLabel>

namespace kestrova {

QList<PlotPicture> frmPenduleAmorti::Plots() const
{
    const std::size_t member = chkApproxi_->isChecked() ? 1 : 0;
    const DampedPlotOptions options{member == 1, energyCurvesDrawn_};
    auto describe = [&](PictureBox* box, PlotAxes axes, const QString& name, const QString& title) {
        PlotPicture plot = PictureOfBox(*box, name, title);
        plot.draw = [this, axes, options](PictureSurface& surface) {
            DampedPlotScene(axes, options).DrawWhole(surface, State(), Recording());
        };
        return plot;
    };
    return {
        describe(picOscillation_[member], PlotAxes::Oscillation, QStringLiteral("oscillation"),
                 tr("Angle (en degrés) en fonction du temps (en s)")),
        describe(picPhase_[member], PlotAxes::Phase, QStringLiteral("phase"),
                 tr("Portrait de phase : vitesse (en rad/s) en fonction de l'angle (en degrés)"))};
}

QStringList frmPenduleAmorti::Captions() const
{
    QStringList lines;
    for (const auto& [name, value] : {std::pair{"Label3", "lblteta0"},
                                      {"Label1", "lblOmega0"},
                                      {"Label2", "lblPulsation"},
                                      {"Label4", "lblLambda"},
                                      {"Label5", "lblRelax"},
                                      {"Label7", "lblPseudo"},
                                      {"Label6", "lblQualite"}}) {
        const auto* label = findChild<QLabel*>(QLatin1String(name));
        const auto* shown = findChild<QLabel*>(QLatin1String(value));
        if (label != nullptr && shown != nullptr && !shown->text().isEmpty())
            lines << label->text().simplified() + QLatin1Char(' ') + shown->text();
    }
    lines << lblRegime_->text();
    if (chkApproxi_->isChecked())
        lines << tr("En vert : approximation des petits angles (sin θ ≈ θ)");
    return lines;
}

QString frmPenduleAmorti::FileStem() const
{
    return QStringLiteral("pendule-amorti");
}

QString frmPenduleAmorti::Heading() const
{
    return windowTitle();
}

} // namespace kestrova
