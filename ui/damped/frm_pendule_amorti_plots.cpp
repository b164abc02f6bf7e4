// The damped window's plots as they leave the program: drawn again from the
// plot frames and the recorded motion, the same frames and traces as on
// screen, without keeping every segment the animation drew.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/energy_curves.h"
#include "plot/painter_surface.h"
#include "plot/plot_frames.h"
#include "plot/qt_picture_box.h"
#include "ui/common/translatable.h"
#include "ui/damped/damped_controls.h"

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
    const std::size_t member = chkApproxi_->isChecked() ? 1 : 0;
    auto describe = [&](PictureBox* box, Plot which, const QString& name, const QString& title) {
        PlotPicture plot = PictureOfBox(*box, name, title);
        plot.draw = [this, which, member](PictureSurface& surface) {
            // The frames are drawn on pairs; the other member of each goes nowhere.
            PainterSurface none(nullptr, QSizeF(100, 100));
            PainterSurface other(nullptr, QSizeF(100, 100));
            PictureSurface& osc = which == Plot::Oscillation ? surface : none;
            PictureSurface& phase = which == Plot::Phase ? surface : none;
            // The coordinate system the reset leaves before the frames fit theirs.
            osc.Scale(-0.85, state_.TetaMax, 10.3, -state_.TetaMax);
            if (energyCurvesDrawn_)
                DrawEnergyCurves(state_, {&phase, &other});
            DrawPlotFrames(state_, {&osc, &other}, {&phase, &other});
            DrawTrace(surface, recorder_, which, false, state_.DureeTrace);
            if (member == 1)
                DrawTrace(surface, recorder_, which, true, state_.DureeTrace);
        };
        return plot;
    };
    return {
        describe(picOscillation_[member], Plot::Oscillation, QStringLiteral("oscillation"),
                 tr("Angle (en degrés) en fonction du temps (en s)")),
        describe(picPhase_[member], Plot::Phase, QStringLiteral("phase"),
                 tr("Portrait de phase : vitesse (en rad/s) en fonction de l'angle (en degrés)"))};
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
    add(relax.titleText, lblRelax_);
    add(pseudo.titleText, lblPseudo_);
    add(quality.titleText, lblQualite_);
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
