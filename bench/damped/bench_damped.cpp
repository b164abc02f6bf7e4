// Costs of the damped-pendulum window's hot paths, on its real picture boxes
// (offscreen): one animation tick, and the reset that every slider event runs.

#include "ui/damped/frm_pendule_amorti.h"

#include "clock/high_resolution_clock.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using kestrova::FakeCounterSource;
using kestrova::frmPenduleAmorti;
using kestrova::HighResolutionClock;

struct Window {
    Window()
    {
        clock.ReadFrequency();
        window = std::make_unique<frmPenduleAmorti>(clock);
        // Shown, so that drawing also marks the screen areas to repaint.
        window->show();
        QApplication::processEvents();
    }
    template <typename T>
    T* Child(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    void SetSliders(int teta0, int omega0, int pulsation, int lambda)
    {
        Child<QSlider>("sldTeta0")->setValue(teta0);
        Child<QSlider>("sldOmega0")->setValue(omega0);
        Child<QSlider>("sldPulsation")->setValue(pulsation);
        Child<QSlider>("sldLambda")->setValue(lambda);
    }

    FakeCounterSource source;
    HighResolutionClock clock{source};
    std::unique_ptr<frmPenduleAmorti> window;
};

// One tick at the start sliders: integration, the figure, and four red and
// two green segments per millisecond sample with the small-angle solution,
// and the rest test. The argument is the interval between ticks in
// milliseconds: 17 is about a frame of a 60 Hz screen, the animation's pace.
void BM_AnimationTick(benchmark::State& state)
{
    const double interval = static_cast<double>(state.range(0)) / 1000; // s
    Window w;
    auto* go = w.Child<QPushButton>("chkGo");
    auto* timer = w.Child<QTimer>("tmrPendule");
    const int ticksPerRun = static_cast<int>(9 / interval); // inside the 10 s of the plots
    int ticks = 0;
    for (auto _ : state) {
        if (ticks == ticksPerRun || !timer->isActive()) {
            state.PauseTiming();
            w.window->ResetSimulation();
            go->setChecked(true);
            ticks = 0;
            state.ResumeTiming();
        }
        w.source.AdvanceSeconds(interval);
        w.window->AnimationTick();
        ++ticks;
    }
    // Leave the repaints the ticks asked for to the event loop, untimed.
    QApplication::processEvents();
}
BENCHMARK(BM_AnimationTick)
    ->Arg(1)
    ->Arg(17)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void ResetAt(benchmark::State& state, int pulsation, int lambda)
{
    Window w;
    w.SetSliders(45, 0, pulsation, lambda);
    for (auto _ : state)
        w.window->ResetSimulation();
    QApplication::processEvents();
}

void BM_ResetSimulationDefault(benchmark::State& state)
{
    ResetAt(state, 40, 22);
}
BENCHMARK(BM_ResetSimulationDefault)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The reset at the start sliders with the energy curves off (0) and on (1):
// the curves may add at most 2 ms.
void BM_ResetSimulationEnergyCurves(benchmark::State& state)
{
    Window w;
    w.window->SetEnergyCurvesShown(state.range(0) != 0);
    for (auto _ : state)
        w.window->ResetSimulation();
    QApplication::processEvents();
}
BENCHMARK(BM_ResetSimulationEnergyCurves)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The longest plot span and the longest amplitude scan: ω₀ = 0.1, λ = 0.09.
void BM_ResetSimulationSlowest(benchmark::State& state)
{
    ResetAt(state, 1, 9);
}
BENCHMARK(BM_ResetSimulationSlowest)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace
