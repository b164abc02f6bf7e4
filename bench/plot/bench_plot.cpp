// What a slider drag costs in drawing: the four plot frames redrawn on real
// picture boxes, with and without the reset's clearing, and the pendulum
// figure.

#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"
#include "plot/pendulum_figure.h"
#include "plot/plot_frames.h"
#include "plot/qt_picture_box.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <array>
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

    std::array<PictureSurface*, 2> Oscillation() { return {oscillation[0], oscillation[1]}; }
    std::array<PictureSurface*, 2> Phase() { return {phase[0], phase[1]}; }
};

/// The drawing part of a reset: clear and rescale the plot boxes, then frame them.
void BM_ResetPlotFrames(benchmark::State& bench)
{
    PlotWindow w;
    const PenduleState initial = DefaultState();
    PenduleState state = initial;
    for (auto _ : bench) {
        state = initial;
        for (PictureBox* box : w.oscillation) {
            box->Cls();
            box->Scale(-0.85, state.TetaMax, 10.3, -state.TetaMax);
        }
        for (PictureBox* box : w.phase)
            box->Cls();
        DrawPlotFrames(state, w.Oscillation(), w.Phase());
    }
    bench.SetLabel(Describe(state));
    QApplication::processEvents();
}
BENCHMARK(BM_ResetPlotFrames)->Unit(benchmark::kMicrosecond);

/// The start of the animation: the frames drawn again over what the boxes show.
void BM_RedrawPlotFrames(benchmark::State& bench)
{
    PlotWindow w;
    PenduleState state = DefaultState();
    for (auto _ : bench)
        DrawPlotFrames(state, w.Oscillation(), w.Phase());
    bench.SetLabel(Describe(state));
    QApplication::processEvents();
}
BENCHMARK(BM_RedrawPlotFrames)->Unit(benchmark::kMicrosecond);

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
