// "Annuler" in the damped window: each change of the setup made by the user
// (a pick on the phase portrait, a slider, "Position initiale") keeps the run
// it replaces, recording, measurements and all, so that a stray click never
// loses a run.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/pendulum_figure.h"

#include <QSlider>

#include <utility>

namespace kestrova {

namespace {

// Runs kept for "Annuler". A long run's recording weighs some megabytes; a
// lesson seldom goes back further than this.
constexpr std::size_t kUndoDepth = 10;

bool SameSetup(const SliderValues& a, const SliderValues& b)
{
    for (const DampedParameterEntry& entry : kDampedParameters)
        if (a[entry.parameter] != b[entry.parameter])
            return false;
    return true;
}

} // namespace

void frmPenduleAmorti::BeginUndoStep()
{
    undoStepKept_ = false;
}

void frmPenduleAmorti::ResetKeepingUndo()
{
    DampedRun before = run_;
    ResetSimulation();
    // A drag is one step: what came before its first change is kept once.
    // A reset that replaced nothing (same setup, not run) is no step.
    if (undoStepKept_ || (SameSetup(before.Setup(), run_.Setup()) && before.Time() == 0))
        return;
    before.Pause();
    if (undoRuns_.size() == kUndoDepth)
        undoRuns_.erase(undoRuns_.begin());
    undoRuns_.push_back(std::move(before));
    undoStepKept_ = true;
    emit UndoChanged();
}

void frmPenduleAmorti::Undo()
{
    if (undoRuns_.empty())
        return;
    run_ = std::move(undoRuns_.back());
    undoRuns_.pop_back();
    BeginUndoStep();
    // Set from code, the sliders run no handler.
    for (const DampedParameterEntry& entry : kDampedParameters)
        SliderOf(entry.parameter)->setValue(run_.Setup()[entry.parameter]);
    shown_.tracing = false; // the plots are drawn whole below
    ShowRunning();
    ShowCaptions();
    NotifyMeasurements(run_.Time());
    surfaces_.picPendule->Scale(-10, 10, 10, -10);
    DrawPendulum(*surfaces_.picPendule, run_.AtRest() ? 0 : run_.State().Teta);
    DrawWholePlots();
    emit SetupChanged();
    emit UndoChanged();
}

} // namespace kestrova
