// What drawing costs on real picture boxes: a slider drag (the four plots
// cleared and framed again), a screen frame of the animation (the traces'
// new segments, the pendulum figure).

#include "model/damped_animation.h"
#include "model/integrator.h"
#include "model/motion_recorder.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"
#include "plot/damped_plots.h"
#include "plot/pendulum_figure.h"
#include "plot/qt_picture_box.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace kestrova {
namespace {

/// The model state after a reset with the window's start sliders.
PenduleState DefaultState()
{
    const Parameters p = ParametersFromSliders(SliderValues{});
    PenduleState state;
    state.Teta0 = p.Teta0;
    state.Omega0 = p.Omega0;
    state.Pulsation2 = p.Pulsation2;
    state.Lambda = p.Lambda;
    state.DureeTrace = LinearSolution(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, 0).DureeTrace;
    const AmplitudeScan scan =
        ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, state.DureeTrace);
    state.TetaMax = scan.angleScale;
    state.OmegaMax = scan.maxSpeed;
    return state;
}

std::string Describe(const PenduleState& state)
{
    char text[96];
    std::snprintf(text, sizeof text, "TetaMax %g deg, OmegaMax %.4g rad/s, DureeTrace %g s",
                  state.TetaMax / DegToRad, state.OmegaMax, state.DureeTrace);
    return text;
}

/// The plot boxes at the window's sizes (twips, border included); member 0
/// shown, member 1 hidden, as after the load.
struct PlotWindow {
    QWidget window;
    std::array<PictureBox*, 2> oscillation{};
    std::array<PictureBox*, 2> phase{};

    DampedPlotBoxes Boxes() const
    {
        return {{oscillation[0], oscillation[1]}, {phase[0], phase[1]}};
    }

    PlotWindow()
    {
        window.resize(1016, 734);
        for (int i = 0; i < 2; ++i) {
            oscillation[i] = new PictureBox(&window);
            oscillation[i]->SetLeft(9360);
            oscillation[i]->SetTop(60);
            oscillation[i]->SetWidth(5160);
            oscillation[i]->SetHeight(4800);
            phase[i] = new PictureBox(&window);
            phase[i]->SetLeft(7560);
            phase[i]->SetTop(5340);
            phase[i]->SetWidth(6960);
            phase[i]->SetHeight(4800);
        }
        oscillation[1]->hide();
        phase[1]->hide();
        window.show();
        QApplication::processEvents();
    }
};

/// The drawing part of a reset: clear the plot boxes, then draw their scenes
/// whole, with nothing recorded yet.
void BM_ResetPlotFrames(benchmark::State& bench)
{
    PlotWindow w;
    const PenduleState state = DefaultState();
    MotionRecorder recording;
    recording.Reset({0, {state.Teta0, state.Omega0}, {state.Teta0, state.Omega0}}, state.Pulsation2,
                    state.Lambda);
    for (auto _ : bench) {
        for (std::size_t i = 0; i < 2; ++i) {
            w.oscillation[i]->Cls();
            w.phase[i]->Cls();
        }
        DrawDampedPlots(w.Boxes(), state, recording, false);
    }
    bench.SetLabel(Describe(state));
    QApplication::processEvents();
}
BENCHMARK(BM_ResetPlotFrames)->Unit(benchmark::kMicrosecond);

/// A screen frame of the animation: 16 millisecond segments of the traces
/// on the four plot boxes, red on all, green on member 1 as well.
void BM_TraceSegments(benchmark::State& bench)
{
    PlotWindow w;
    const PenduleState state = DefaultState();
    for (PictureBox* box : w.oscillation)
        box->Scale(0, state.TetaMax, state.DureeTrace, -state.TetaMax);
    for (PictureBox* box : w.phase)
        box->Scale(-state.TetaMax, state.OmegaMax, state.TetaMax, -state.OmegaMax);
    constexpr int kSegmentsPerFrame = 16;
    TraceSample from{0, {state.Teta0, state.Omega0}, {state.Teta0, state.Omega0}};
    const double w0 = std::sqrt(state.Pulsation2);
    for (auto _ : bench) {
        for (int k = 0; k < kSegmentsPerFrame; ++k) {
            // A circle in the phase plane, so the pixels keep changing.
            TraceSample to = from;
            to.time = std::fmod(from.time + 0.001, state.DureeTrace);
            to.exact = {state.TetaMax * std::cos(w0 * to.time),
                        -state.TetaMax * w0 * std::sin(w0 * to.time)};
            to.approx = {to.exact.angle * 0.9, to.exact.speed * 0.9};
            DrawDampedSegment(w.Boxes(), from, to);
            from = to;
        }
    }
    QApplication::processEvents();
}
BENCHMARK(BM_TraceSegments)->Unit(benchmark::kMicrosecond);

void BM_DrawPendulum(benchmark::State& bench)
{
    QWidget window;
    window.resize(500, 500);
    auto* picPendule = new PictureBox(&window);
    picPendule->SetWidth(6500);
    picPendule->SetHeight(6500);
    picPendule->Scale(-10, 10, 10, -10);
    window.show();
    QApplication::processEvents();
    double angle = 45 * DegToRad;
    for (auto _ : bench) {
        DrawPendulum(*picPendule, angle);
        angle = -angle; // a moving pendulum, not the same pixels every time
    }
    QApplication::processEvents();
}
BENCHMARK(BM_DrawPendulum)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrova
