// The bifurcation sweep the analysis window offers (400 values of γ, 300
// driving periods each), alone and while the driven window animates: the
// longest gap between two painted frames of the window says whether the
// interface went on (run it with QT_QPA_PLATFORM=xcb on a display to time
// real paints). And the accuracy of the sweeps and sections.

#include "clock/high_resolution_clock.h"
#include "model/driven_sweeps.h"
#include "ui/driven/driven_analysis.h"
#include "ui/driven/frm_pendule_force.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace kestrova {
namespace {

constexpr BifurcationOptions kSweep{0.9, 1.5, 400, 100, 200, 0};

void BM_BifurcationSweep(benchmark::State& state)
{
    std::vector<BifurcationColumn> columns;
    for (auto _ : state)
        SweepBifurcation(kDrivenPresets[0].setup, kSweep, columns);
    state.counters["columns"] = static_cast<double>(columns.size());
}
BENCHMARK(BM_BifurcationSweep)->Unit(benchmark::kSecond)->Iterations(1);

/// The accuracy the window's analyses rest on, as counters: the worst gap
/// of a 20-point small-swing sweep to A(Ω) and of its peak to √(ω₀² − 2λ²);
/// for the periodic presets the spread of 2000 section points after 300
/// periods and how far halving the step moves them; the cells of a 100 × 100
/// grid the chaotic preset fills in 2000 periods.
void BM_DrivenAccuracy(benchmark::State& state)
{
    const DrivenSetup small{0, 0, 1, 0.25, 0.01, 1};
    for (auto _ : state) {
        const auto sweep = SweepResonance(small, 0.2, 2, 20);
        double worst = 0;
        for (const ResonancePoint& point : sweep)
            worst = std::max(worst, std::abs(point.measured.amplitude / point.theory - 1));
        const ResonanceSummary summary = SummariseResonance(small, sweep);
        state.counters["sweep_worst_gap"] = worst;
        state.counters["peak_gap"] = std::abs(summary.peakPulsation / summary.theoryPeak - 1);
        for (const int period : {1, 2}) {
            const DrivenSetup& setup = kDrivenPresets[static_cast<std::size_t>(period - 1)].setup;
            const auto points = PoincareSection(setup, 300, 2000);
            const auto fine = PoincareSection(setup, 300, 2000, 2 * StepsPerPeriod(setup));
            double spread = 0;
            double shift = 0;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const Motion& first = points[i % static_cast<std::size_t>(period)];
                spread = std::max({spread, std::abs(points[i].angle - first.angle),
                                   std::abs(points[i].speed - first.speed)});
                shift = std::max({shift, std::abs(fine[i].angle - points[i].angle),
                                  std::abs(fine[i].speed - points[i].speed)});
            }
            const std::string name = "period" + std::to_string(period);
            state.counters[name + "_points"] = DistinctPoints(points, setup.pulsation);
            state.counters[name + "_spread"] = spread;
            state.counters[name + "_half_step_shift"] = shift;
        }
        state.counters["chaotic_cells"] =
            OccupiedCells(PoincareSection(kDrivenPresets[2].setup, 0, 2000));
    }
}
BENCHMARK(BM_DrivenAccuracy)->Unit(benchmark::kSecond)->Iterations(1);

/// Times every paint of one widget.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& widget)
    {
        widget.installEventFilter(this);
        clock_.start();
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const qint64 now = clock_.nsecsElapsed();
            if (last_ >= 0)
                longest_ = std::max(longest_, now - last_);
            last_ = now;
            ++frames_;
        }
        return false;
    }
    [[nodiscard]] double LongestGapMs() const { return static_cast<double>(longest_) / 1e6; }
    [[nodiscard]] int Frames() const { return frames_; }

private:
    QElapsedTimer clock_;
    qint64 last_ = -1;
    qint64 longest_ = 0;
    int frames_ = 0;
};

void BM_BifurcationWhileAnimating(benchmark::State& state)
{
    MonotonicCounterSource source;
    HighResolutionClock clock(source);
    clock.ReadFrequency();
    frmPenduleForce window(clock);
    window.show();
    QApplication::processEvents();
    window.findChild<QPushButton*>(QStringLiteral("chkGo"))->click();
    DrivenAnalysis* analysis = window.ShowAnalysis();
    analysis->SetSetup(kDrivenPresets[0].setup);
    analysis->SetGammaRange(kSweep.gammaFrom, kSweep.gammaTo);
    auto* picture = window.findChild<QWidget*>(QStringLiteral("picPendule"));
    double gap = 0;
    int frames = 0;
    for (auto _ : state) {
        PaintWatch watch(*picture);
        QEventLoop loop;
        QObject::connect(analysis, &DrivenAnalysis::Finished, &loop, &QEventLoop::quit);
        analysis->Compute(DrivenAnalysis::Bifurcation);
        loop.exec();
        gap = watch.LongestGapMs();
        frames = watch.Frames();
    }
    state.counters["longest_frame_gap_ms"] = gap;
    state.counters["frames"] = frames;
}
BENCHMARK(BM_BifurcationWhileAnimating)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
} // namespace kestrova
