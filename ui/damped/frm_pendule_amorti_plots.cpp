// The damped window's plots as they leave the program: the scenes the screen
// shows, drawn whole from the frames and the recorded motion.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/damped_plots.h"
#include "plot/qt_picture_box.h"
#include "plot/qt_utf8.h"
#include "ui/common/translatable.h"
#include "ui/damped/damped_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>

namespace kestrova {

QList<PlotPicture> frmPenduleAmorti::Plots() const
{
    const std::size_t member = commands_.chkApproxi->isChecked() ? 1 : 0;
    const DampedPlotOptions options{member == 1, energyCurvesShown_};
    auto describe = [&](PictureBox* box, PlotAxes axes, const QString& name, const QString& title,
                        const QString& xTitle, const QString& yTitle) {
        PlotPicture plot = PictureOfBox(*box, name, title);
        plot.xTitle = xTitle;
        plot.yTitle = yTitle;
        plot.draw = [this, axes, options](PictureSurface& surface) {
            DampedPlotScene(axes, options)
                .DrawWhole(surface, run_.State(), run_.Recording(),
                           QLocale().decimalPoint().toStdString());
        };
        return plot;
    };
    return {
        describe(boxes_.picOscillation[member], PlotAxes::Oscillation,
                 QStringLiteral("oscillation"), tr("Angle (en degrés) en fonction du temps (en s)"),
                 tr("Temps (en s)"), tr("Angle (en degrés)")),
        describe(boxes_.picPhase[member], PlotAxes::Phase, QStringLiteral("phase"),
                 tr("Portrait de phase : vitesse (en rad/s) en fonction de l'angle (en degrés)"),
                 tr("Angle (en degrés)"), tr("Vitesse (en rad/s)"))};
}

QStringList frmPenduleAmorti::Captions() const
{
    QStringList lines;
    // Each value under its title as the window shows it; a caption that
    // shows nothing (no pseudo-period) prints no line.
    const auto add = [&](const char* title, const QLabel* shown) {
        if (!shown->text().isEmpty())
            lines << TranslateFor(*this, title).simplified() + QLatin1Char(' ') + shown->text();
    };
    for (const DampedParameterEntry& entry : kDampedParameters)
        add(entry.title, CaptionOf(entry.parameter));
    const auto& [relax, pseudo, quality] = kDerivedCaptions;
    add(relax.titleText, setupControls_.lblRelax);
    add(pseudo.titleText, setupControls_.lblPseudo);
    add(quality.titleText, setupControls_.lblQualite);
    lines << setupControls_.lblRegime->text();
    if (commands_.chkApproxi->isChecked())
        lines << tr("En vert : approximation des petits angles (sin θ ≈ θ)");
    return lines;
}

QString frmPenduleAmorti::FileStem() const
{
    return FromUtf8(kDampedRunFileStem);
}

QString frmPenduleAmorti::Heading() const
{
    return windowTitle();
}

} // namespace kestrova
