// What one tick of the Foucault window costs: both views cleared and redrawn
// in full on real picture boxes, with a full trail of 100 points.

#include "clock/high_resolution_clock.h"
#include "model/collection_points.h"
#include "ui/foucault/frm_foucault.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace kestrova {
namespace {

constexpr double kTickSeconds = 0.164; // the interval for the default 67 m

/// The window at its default length, started, with its trail full.
struct RunningWindow {
    FakeCounterSource source{1'000'000'000};
    HighResolutionClock clock{source};
    frmFoucault window{clock};

    RunningWindow()
    {
        clock.ReadFrequency();
        window.show();
        QApplication::processEvents();
        window.findChild<QPushButton*>(QStringLiteral("cmdGo"))->click();
        for (int k = 0; k < 100; ++k)
            Tick();
    }

    void Tick()
    {
        source.AdvanceSeconds(kTickSeconds);
        window.AnimationTick();
    }
};

void BM_FoucaultTick(benchmark::State& state)
{
    RunningWindow running;
    for (auto _ : state)
        running.Tick();
    state.counters["trail"] = running.window.Points().CountPoint();
}
BENCHMARK(BM_FoucaultTick)->Unit(benchmark::kMicrosecond);

// The same tick followed by the repaint of the window on the screen.
void BM_FoucaultTickAndRepaint(benchmark::State& state)
{
    RunningWindow running;
    for (auto _ : state) {
        running.Tick();
        QApplication::processEvents();
    }
    state.counters["trail"] = running.window.Points().CountPoint();
}
BENCHMARK(BM_FoucaultTickAndRepaint)->Unit(benchmark::kMicrosecond);

// The trail's share: add the newest point, drop the oldest of 101.
void BM_TrailAddAndDropOldest(benchmark::State& state)
{
    Collection_Points points;
    for (int k = 1; k <= 100; ++k)
        points.AddPoint(k);
    double x = 0;
    for (auto _ : state) {
        points.AddPoint(points.CountPoint() + 1);
        points.Point(points.CountPoint())->X0Line = x;
        points.Point(points.CountPoint())->Y0Line = -x;
        if (points.CountPoint() > 100)
            points.RemovePoint(1);
        x += 1e-3;
    }
    benchmark::DoNotOptimize(points.Point(1)->X0Line);
}
BENCHMARK(BM_TrailAddAndDropOldest);

} // namespace
} // namespace kestrova
