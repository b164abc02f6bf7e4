// The bifurcation sweep the analysis window offers (400 values of γ, 300
// driving periods each), alone and while the driven window animates: the
// longest gap between two painted frames of the window says whether the
// interface went on.

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
