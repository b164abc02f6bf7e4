// The driven window's drawings: the pendulum, the two live plots through
// the plot scene, the readout, and the same drawings for the exports.

#include "ui/driven/frm_pendule_force.h"

#include "model/driven_sweeps.h"
#include "model/motion_recorder.h"
#include "model/pendulum_state.h"
#include "plot/damped_plots.h"
#include "plot/plot_scene.h"
#include "plot/qt_picture_box.h"
#include "ui/common/display_locale.h"
#include "ui/driven/driven_analysis.h"
#include "ui/driven/driven_views.h"

#include <QLabel>
#include <QLocale>

namespace kestrova {

namespace {

const PlotScene& SceneOf(PlotAxes axes)
{
    static const PlotScene oscillation(PlotAxes::Oscillation,
                                       {{SeriesMotion::Exact, kExactTraceColour}});
    static const PlotScene phase(PlotAxes::Phase, {{SeriesMotion::Exact, kExactTraceColour}});
    return axes == PlotAxes::Oscillation ? oscillation : phase;
}

/// The plot whole: its frame for the run's scales, then the span's trace.
void DrawPlot(PictureSurface& box, PlotAxes axes, const DrivenRun& run)
{
    const std::vector<TraceSample>& trace = run.Trace();
    MotionRecorder start;
    start.Reset(trace.front(), run.PlotState().Pulsation2, run.PlotState().Lambda);
    const PlotScene& scene = SceneOf(axes);
    scene.DrawWhole(box, run.PlotState(), start, QLocale().decimalPoint().toStdString());
    for (std::size_t k = 1; k < trace.size(); ++k)
        scene.DrawSegment(box, trace[k - 1], trace[k]);
}

/// The torque over its largest value, for the figure.
double DriveFraction(const DrivenRun& run)
{
    const DrivenSetup& s = run.Setup();
    const double largest = s.gamma * s.pulsation * s.pulsation;
    return largest > 0 ? run.Motion().Drive() / largest : 0;
}

} // namespace

void frmPenduleForce::DrawWholePlots()
{
    DrawDrivenPendulum(*picPendule_, run_.Motion().State().angle, DriveFraction(run_));
    picOscillation_->Cls();
    DrawPlot(*picOscillation_, PlotAxes::Oscillation, run_);
    picPhase_->Cls();
    DrawPlot(*picPhase_, PlotAxes::Phase, run_);
}

void frmPenduleForce::DrawStep(const DrivenStep& step)
{
    if (step.samples.empty())
        return;
    DrawDrivenPendulum(*picPendule_, run_.Motion().State().angle, DriveFraction(run_));
    if (step.redraw) {
        DrawWholePlots();
        return;
    }
    for (std::size_t k = 1; k < step.samples.size(); ++k) {
        SceneOf(PlotAxes::Oscillation)
            .DrawSegment(*picOscillation_, step.samples[k - 1], step.samples[k]);
        SceneOf(PlotAxes::Phase).DrawSegment(*picPhase_, step.samples[k - 1], step.samples[k]);
    }
}

QStringList frmPenduleForce::ReadoutLines() const
{
    const DrivenSetup& s = run_.Setup();
    constexpr double kDegrees = 180 / 3.14159265358979323846;
    QStringList lines{
        tr("Temps : %1 s").arg(DisplayNumber(run_.Time(), 2)),
        tr("Période de l'excitation : %1 s").arg(DisplayNumber(2 * PI / s.drivePulsation, 3)),
        tr("En régime permanent :"),
        tr("Amplitude : %1°").arg(DisplayNumber(run_.Steady().amplitude * kDegrees, 2)),
        tr("(petits angles : %1°)")
            .arg(DisplayNumber(TheoreticalAmplitude(s, s.drivePulsation) * kDegrees, 2)),
        tr("Retard de phase : %1°").arg(DisplayNumber(run_.Steady().phaseLag * kDegrees, 1)),
        tr("(petits angles : %1°)")
            .arg(DisplayNumber(TheoreticalPhaseLag(s, s.drivePulsation) * kDegrees, 1)),
    };
    if (!run_.Steady().settled)
        lines << tr("Pas de régime permanent périodique : mesure sur la dernière période.");
    return lines;
}

void frmPenduleForce::ShowReadout()
{
    lblReadout_->setText(ReadoutLines().join(QLatin1Char('\n')));
}

QList<PlotPicture> frmPenduleForce::Plots() const
{
    PlotPicture pendulum = PictureOfBox(*picPendule_, QStringLiteral("pendule"),
                                        tr("Le pendule et le couple de l'excitation"));
    pendulum.draw = [this](PictureSurface& surface) {
        DrawDrivenPendulum(surface, run_.Motion().State().angle, DriveFraction(run_));
    };
    PlotPicture oscillation = PictureOfBox(*picOscillation_, QStringLiteral("oscillation"),
                                           tr("Angle en fonction du temps"));
    // The boxes show no axis titles; a plot read away from the window needs them.
    oscillation.xTitle = tr("Temps (en s)");
    oscillation.yTitle = tr("Angle (en degrés)");
    oscillation.draw = [this](PictureSurface& surface) {
        DrawPlot(surface, PlotAxes::Oscillation, run_);
    };
    PlotPicture phase = PictureOfBox(*picPhase_, QStringLiteral("phase"), tr("Portrait de phase"));
    phase.xTitle = tr("Angle (en degrés)");
    phase.yTitle = tr("Vitesse (en rad/s)");
    phase.draw = [this](PictureSurface& surface) { DrawPlot(surface, PlotAxes::Phase, run_); };
    QList<PlotPicture> plots{pendulum, oscillation, phase};
    if (analysis_)
        plots += analysis_->Plots();
    return plots;
}

QStringList frmPenduleForce::Captions() const
{
    QStringList captions;
    for (std::size_t i = 0; i < kDrivenParameterCount; ++i) {
        const DrivenParameterEntry& entry = kDrivenParameters[i];
        captions << titles_[i]->text().remove(QLatin1Char('&')) + QLatin1Char(' ')
                + DisplayNumber(run_.Setup().*entry.member * entry.displayScale, entry.decimals)
                + QString::fromUtf8(entry.unit.data(), static_cast<int>(entry.unit.size()));
    }
    return captions + ReadoutLines();
}

QString frmPenduleForce::FileStem() const
{
    return QString::fromLatin1(kDrivenRunFileStem.data(),
                               static_cast<int>(kDrivenRunFileStem.size()));
}

QString frmPenduleForce::Heading() const
{
    return windowTitle();
}

} // namespace kestrova
