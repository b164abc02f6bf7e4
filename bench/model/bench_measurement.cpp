// What the measurements add to the animation's hot path: one sample of the
// motion into the accumulator, over a minute of the default swing sampled
// every millisecond (crossings and turning points included, in their share).

#include "model/damped_animation.h"
#include "model/motion_measurement.h"
#include "model/parameters.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace kestrova {
namespace {

void BM_MeasurementAdd(benchmark::State& state)
{
    const Parameters p = ParametersFromSliders({45, 0, 40, 22});
    constexpr int kSamples = 60'000;
    std::vector<Motion> motion(kSamples);
    Motion m{p.Teta0, p.Omega0};
    for (Motion& sample : motion)
        sample = m = Integrate(m, p.Pulsation2, p.Lambda, 0.001, 0.001);

    MotionMeasurement measurement;
    for (auto _ : state) {
        measurement.Reset({p.Teta0, p.Omega0}, p.Pulsation2);
        for (int k = 0; k < kSamples; ++k)
            benchmark::DoNotOptimize(measurement.Add((k + 1) / 1000.0, motion[k]));
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_MeasurementAdd)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrova

BENCHMARK_MAIN();
