// A ten-minute gyroscope recording at 500 Hz (300 001 rows of a phone's
// CSV export): read, turned into a series, and fitted with linear damping.
// The whole must take well under two seconds; each stage is timed too, to
// tell where the time goes.

#include "model/measured_series.h"
#include "model/measurement_archive.h"
#include "model/pendulum_fit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace kestrova {
namespace {

std::string TenMinutesAt500Hz()
{
    const double w0 = 4.2, lambda = 0.002, h = 0.002;
    double a = 0.6, v = 0;
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0, 0.025);
    std::string csv =
        "\"Time (s)\",\"Gyroscope x (rad/s)\",\"Gyroscope y (rad/s)\",\"Gyroscope z (rad/s)\"\n";
    char line[160];
    const auto accel = [&](double x, double u) { return -2 * lambda * u - w0 * w0 * std::sin(x); };
    for (int i = 0; i <= 300'000; ++i) {
        std::snprintf(line, sizeof line, "%.9E,%.9E,%.9E,%.9E\n", i * h, v + 0.03 + noise(random),
                      noise(random), noise(random));
        csv += line;
        const double k1a = v, k1v = accel(a, v);
        const double k2a = v + h / 2 * k1v, k2v = accel(a + h / 2 * k1a, v + h / 2 * k1v);
        const double k3a = v + h / 2 * k2v, k3v = accel(a + h / 2 * k2a, v + h / 2 * k2v);
        const double k4a = v + h * k3v, k4v = accel(a + h * k3a, v + h * k3v);
        a += h / 6 * (k1a + 2 * k2a + 2 * k3a + k4a);
        v += h / 6 * (k1v + 2 * k2v + 2 * k3v + k4v);
    }
    return csv;
}

void BM_ImportAndFitTenMinutes(benchmark::State& state)
{
    const std::string csv = TenMinutesAt500Hz();
    for (auto _ : state) {
        const ArchiveReading file = ReadMeasurementFile(csv);
        const SeriesReading series =
            MakeSeries(file.reading.table, ProposedPick(file.reading.table));
        const PendulumFit fit = FitPendulum(series.series, {});
        if (!fit.Converged() || std::abs(fit.omega0.value - 4.2) > 1e-3)
            state.SkipWithError("the fit missed the recording's pulsation");
        benchmark::DoNotOptimize(fit.rms);
    }
}
BENCHMARK(BM_ImportAndFitTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadTenMinutes(benchmark::State& state)
{
    const std::string csv = TenMinutesAt500Hz();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadMeasurementFile(csv).reading.table.RowCount());
}
BENCHMARK(BM_ReadTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SeriesOfTenMinutes(benchmark::State& state)
{
    const ArchiveReading file = ReadMeasurementFile(TenMinutesAt500Hz());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            MakeSeries(file.reading.table, ProposedPick(file.reading.table)).series.time.size());
}
BENCHMARK(BM_SeriesOfTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FitTenMinutes(benchmark::State& state)
{
    const ArchiveReading file = ReadMeasurementFile(TenMinutesAt500Hz());
    const MeasuredSeries series =
        MakeSeries(file.reading.table, ProposedPick(file.reading.table)).series;
    for (auto _ : state) {
        const PendulumFit fit = FitPendulum(series, {});
        state.counters["iterations"] = fit.iterations;
        benchmark::DoNotOptimize(fit.rms);
    }
}
BENCHMARK(BM_FitTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace kestrova

BENCHMARK_MAIN();
