// The damped window's animation: the toggle starts and pauses the run, each
// timer tick advances it to the simulated time the clock gives and draws
// what the step brought, and the Mesures panel is told when to read again.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/damped_plots.h"
#include "plot/frame_pacer.h"
#include "plot/pendulum_figure.h"
#include "ui/damped/phase_picker.h"

#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace kestrova {

namespace {

// Between two new measured values, the energy and the like are passed on
// this often (displayed time): enough for labels that a person reads.
constexpr double kMeasurementsIntervalSeconds = 0.25;

} // namespace

void frmPenduleAmorti::OnChkGoToggled(bool checked)
{
    if (checked) {
        run_.Start();
        simulatedTime_.Start();
        ShowRunning();
        // Once a screen frame: more often would draw what nobody sees; the
        // samples keep the traces as fine as a millisecond tick would.
        tmrPendule_->start(FramePacer::FrameIntervalMs(screen()));
    } else {
        run_.Pause();
        ShowPaused();
    }
}

void frmPenduleAmorti::ShowPaused()
{
    ShowRunning();
    emit MeasurementsChanged();
    FinishTraces();
}

void frmPenduleAmorti::ShowRunning()
{
    const bool running = run_.Running();
    QPushButton* toggle = commands_.chkGo;
    if (toggle->isChecked() != running) {
        // The run has already started or paused: the toggle only follows.
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(running);
    }
    toggle->setText(tr(running ? kPauseCaption : kStartCaption));
    if (!running)
        tmrPendule_->stop();
    picker_->UpdatePointer();
}

void frmPenduleAmorti::SetSlowMotion(double speed)
{
    simulatedTime_.SetSpeed(speed, run_.Running());
}

void frmPenduleAmorti::AnimationTick()
{
    ShowChosenView();

    const AnimationStep step = run_.AdvanceTo(simulatedTime_.Now());
    if (!step.finite) {
        // Nothing of this tick is drawn or kept: the figure and the traces
        // stay as the last sound tick left them, and so does the run, which
        // paused itself. The piece that tick left waiting is not drawn either.
        shown_.tracing = false;
        ShowPaused();
        ReportFault();
        return;
    }
    NotifyMeasurementsOf(step);
    DrawStep(step, false);
    if (step.atRest) {
        // Shown hanging straight down; Teta keeps its residual value.
        DrawPendulum(*surfaces_.picPendule, 0);
        ShowPaused();
    }
    ShowFrameNow();
    emit RunMoved();
}

void frmPenduleAmorti::NextStep()
{
    if (run_.Running())
        return;
    ShowChosenView();
    // A step of its own from where the traces stopped, and the run paused
    // again: the next start goes on from there.
    const AnimationStep step = run_.NextStep(kNextStepSeconds);
    if (!step.finite) {
        shown_.tracing = false;
        ReportFault();
        return;
    }
    NotifyMeasurementsOf(step);
    DrawStep(step, true);
    shown_.tracing = false;
    ShowFrameNow();
    emit RunMoved();
}

void frmPenduleAmorti::DrawStep(const AnimationStep& step, bool toTheEnd)
{
    DrawPendulum(*surfaces_.picPendule, step.next.angle);
    if (!shown_.tracing) {
        shown_.traceDrawnTo = step.samples.front();
        shown_.tracing = true;
    }
    // From whole millisecond to whole millisecond, whatever the pace of the
    // frames: the traces come out as millisecond ticks would draw them. The
    // piece to where a tick happened to end waits for the next tick.
    const std::size_t last = step.samples.size() - 1;
    for (std::size_t k = 1; k <= last; ++k) {
        if (k == last && !step.endsOnGrid && !toTheEnd)
            break;
        DrawSegment(shown_.traceDrawnTo, step.samples[k]);
        shown_.traceDrawnTo = step.samples[k];
    }
    shown_.traceEnd = step.samples.back();
}

void frmPenduleAmorti::FinishTraces()
{
    if (shown_.tracing && shown_.traceDrawnTo.time < shown_.traceEnd.time)
        DrawSegment(shown_.traceDrawnTo, shown_.traceEnd);
    shown_.tracing = false;
}

void frmPenduleAmorti::DrawWholePlots()
{
    const DampedSurfaces& s = surfaces_;
    for (PictureSurface* box : s.picOscillation)
        box->Cls();
    for (PictureSurface* box : s.picPhase)
        box->Cls();
    DrawDampedPlots({s.picOscillation, s.picPhase}, run_.State(), run_.Recording(),
                    energyCurvesShown_, QLocale().decimalPoint().toStdString());
}

void frmPenduleAmorti::DrawSegment(const TraceSample& from, const TraceSample& to)
{
    DrawDampedSegment({surfaces_.picOscillation, surfaces_.picPhase}, from, to);
}

void frmPenduleAmorti::ShowFrameNow()
{
    FramePacer* pacer = FramePacer::Instance();
    if (pacer != nullptr)
        pacer->ShowFrame();
    if (run_.Running())
        tmrPendule_->start(pacer != nullptr ? pacer->MillisecondsToNextFrame()
                                            : FramePacer::FrameIntervalMs(screen()));
}

void frmPenduleAmorti::NotifyMeasurementsOf(const AnimationStep& step)
{
    if (step.measured || step.time >= shown_.measurementsDue)
        NotifyMeasurements(step.time);
}

void frmPenduleAmorti::NotifyMeasurements(double time)
{
    shown_.measurementsDue = time + kMeasurementsIntervalSeconds;
    emit MeasurementsChanged();
}

void frmPenduleAmorti::ReportFault()
{
    if (reportFault_)
        reportFault_(
            tr("Le calcul du mouvement a donné une valeur non finie : l'animation est arrêtée.\n"
               "Cliquez sur « Position initiale » ou changez un paramètre pour repartir."));
}

} // namespace kestrova
