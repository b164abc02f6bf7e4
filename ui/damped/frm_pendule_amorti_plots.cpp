// The damped window's plots as they leave the program: drawn again from the
// plot frames and the recorded motion, the same frames and traces as on
// screen, without keeping every segment the animation drew.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/energy_curves.h"
#include "plot/painter_surface.h"
#include "plot/plot_frames.h"
#include "plot/qt_picture_box.h"
#include "plot/qt_utf8.h"

#include <QCheckBox>
#include <QLabel>

namespace kestrova {

namespace {

enum class Plot { Oscillation, Phase };

/// One curve of the recording as joined segments: the rows in order, then
/// the latest sample (the traces end there, within one row interval). The
/// oscillation plot stops past its time span, which the screen never shows.
void DrawTrace(PictureSurface& surface, const MotionRecorder& recording, Plot plot, bool smallAngle,
               double timeSpan)
{
    const Colour colour = smallAngle ? kSmallAngleTraceColour : kExactTraceColour;
    auto point = [&](double time, const Motion& m) {
        return plot == Plot::Oscillation ? QPointF(time, m.angle) : QPointF(m.angle, m.speed);
    };
    auto motionOf = [smallAngle](const RecordedRow& row) {
        return smallAngle ? row.approx : row.exact;
    };
    QPointF from = point(0, motionOf(recording.Row(0)));
    auto to = [&](QPointF next) {
        surface.Line(from.x(), from.y(), next.x(), next.y(), colour);
        from = next;
    };
    for (std::size_t i = 1; i < recording.RowCount(); ++i) {
        const RecordedRow row = recording.Row(i);
        if (plot == Plot::Oscillation && row.time - 1 / MotionRecorder::kRowsPerSecond > timeSpan)
            return;
        to(point(row.time, motionOf(row)));
    }
    const TraceSample& last = recording.Last();
    if (last.time > recording.Row(recording.RowCount() - 1).time)
        to(point(last.time, smallAngle ? last.approx : last.exact));
}

} // namespace

QList<PlotPicture> frmPenduleAmorti::Plots() const
{
    const std::size_t member = commands_.chkApproxi->isChecked() ? 1 : 0;
    auto describe = [&](PictureBox* box, Plot which, const QString& name, const QString& title) {
        PlotPicture plot = PictureOfBox(*box, name, title);
        plot.draw = [this, which, member](PictureSurface& surface) {
            // The frames are drawn on pairs; the other member of each goes nowhere.
            PainterSurface none(nullptr, QSizeF(100, 100));
            PainterSurface other(nullptr, QSizeF(100, 100));
            PictureSurface& osc = which == Plot::Oscillation ? surface : none;
            PictureSurface& phase = which == Plot::Phase ? surface : none;
            // The coordinate system the reset leaves before the frames fit theirs.
            const PenduleState& state = run_.State();
            osc.Scale(-0.85, state.TetaMax, 10.3, -state.TetaMax);
            if (energyCurves_.drawn)
                DrawEnergyCurves(state, {&phase, &other});
            DrawPlotFrames(state, {&osc, &other}, {&phase, &other});
            DrawTrace(surface, run_.Recording(), which, false, state.DureeTrace);
            if (member == 1)
                DrawTrace(surface, run_.Recording(), which, true, state.DureeTrace);
        };
        return plot;
    };
    return {
        describe(boxes_.picOscillation[member], Plot::Oscillation, QStringLiteral("oscillation"),
                 tr("Angle (en degrés) en fonction du temps (en s)")),
        describe(boxes_.picPhase[member], Plot::Phase, QStringLiteral("phase"),
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
