// Cost of the amplitude scan that every slider movement pays, against the
// same fixed-step RK4 loop written with Boost.Odeint's runge_kutta4.
//
// The binary prints, after the usual table, the ratio of each scan to its
// Odeint peer measured in the same run.

#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <benchmark/benchmark.h>
#include <boost/numeric/odeint.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include <unistd.h>

namespace kestrova {
namespace {

struct ScanSetup {
    Parameters parameters;
    double DureeTrace;
};

// The sliders at start (45°, 0 rad/s, ω₀ = 4.0, λ = 0.22): a 10 s span.
ScanSetup DefaultSetup()
{
    const Parameters p = ParametersFromSliders({45, 0, 40, 22});
    return {p, Derive(p).plotTimeSpan};
}

// The longest span the sliders allow (ω₀ = 0.1, λ = 0.09): 144 s.
ScanSetup WorstSetup()
{
    const Parameters p = ParametersFromSliders({45, 0, 1, 9});
    return {p, Derive(p).plotTimeSpan};
}

void BM_RungeKuttaStep(benchmark::State& state)
{
    const Parameters p = DefaultSetup().parameters;
    Motion m{p.Teta0, p.Omega0};
    int step = 0;
    for (auto _ : state) {
        m = RungeKuttaStep(m.angle, m.speed, p.Pulsation2, p.Lambda, 0.01);
        benchmark::DoNotOptimize(m);
        // Stay on the span the scan covers rather than decaying towards 0,
        // where sin is cheaper.
        if (++step == 1001) {
            step = 0;
            m = {p.Teta0, p.Omega0};
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RungeKuttaStep);

void RunScan(benchmark::State& state, const ScanSetup& setup)
{
    const Parameters& p = setup.parameters;
    int passes = 0;
    for (auto _ : state) {
        const AmplitudeScan scan =
            ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, setup.DureeTrace);
        benchmark::DoNotOptimize(scan);
        passes = scan.passes;
    }
    state.counters["steps"] = passes;
    state.SetItemsProcessed(state.iterations() * passes);
}

// The same loop with Odeint: the same equation, step, time counter, number
// of steps and running maxima; only the RK4 step comes from the library.
using OdeState = std::array<double, 2>; // angle, speed

struct DampedPendulum {
    double Pulsation2;
    double Lambda;
    void operator()(const OdeState& x, OdeState& dxdt, double /*t*/) const
    {
        dxdt[0] = x[1];                                             // θ' = ω
        dxdt[1] = -2 * Lambda * x[1] - Pulsation2 * std::sin(x[0]); // ω' = −2λω − ω₀² sin θ
    }
};

void RunOdeintPeer(benchmark::State& state, const ScanSetup& setup)
{
    const Parameters& p = setup.parameters;
    const DampedPendulum system{p.Pulsation2, p.Lambda};
    boost::numeric::odeint::runge_kutta4<OdeState> stepper;
    constexpr double h = 0.01;
    int passes = 0;
    for (auto _ : state) {
        OdeState x{p.Teta0, p.Omega0};
        double maxAngle = 0;
        double maxSpeed = 0;
        passes = 0;
        const double bound = setup.DureeTrace;
        for (double t = 0; t <= bound; t += h) {
            stepper.do_step(system, x, t, h);
            maxAngle = std::max(maxAngle, std::abs(x[0]));
            maxSpeed = std::max(maxSpeed, std::abs(x[1]));
            ++passes;
        }
        benchmark::DoNotOptimize(maxAngle);
        benchmark::DoNotOptimize(maxSpeed);
    }
    state.counters["steps"] = passes;
    state.SetItemsProcessed(state.iterations() * passes);
}

void BM_ScanAmplitudes_Default(benchmark::State& state)
{
    RunScan(state, DefaultSetup());
}
void BM_OdeintPeer_Default(benchmark::State& state)
{
    RunOdeintPeer(state, DefaultSetup());
}
void BM_ScanAmplitudes_Worst(benchmark::State& state)
{
    RunScan(state, WorstSetup());
}
void BM_OdeintPeer_Worst(benchmark::State& state)
{
    RunOdeintPeer(state, WorstSetup());
}

BENCHMARK(BM_ScanAmplitudes_Default)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OdeintPeer_Default)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanAmplitudes_Worst)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OdeintPeer_Worst)->Unit(benchmark::kMicrosecond);

// Console output plus, at the end, each scan's time over its peer's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(bool color)
        : ConsoleReporter(color ? OO_ColorTabular : OO_Tabular)
    { }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            Mean& mean = means_[run.run_name.function_name];
            mean.real += run.GetAdjustedRealTime();
            mean.cpu += run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* which : {"Default", "Worst"}) {
            const std::string scan = std::string("BM_ScanAmplitudes_") + which;
            const std::string peer = std::string("BM_OdeintPeer_") + which;
            if (!means_.count(scan) || !means_.count(peer))
                continue;
            const Mean& s = means_[scan];
            const Mean& o = means_[peer];
            char line[128];
            std::snprintf(line, sizeof line,
                          "ratio ScanAmplitudes/Odeint (%s): %.3f real time, %.3f CPU time\n",
                          which, s.real / o.real, s.cpu / o.cpu);
            GetOutputStream() << line;
        }
    }

private:
    struct Mean { // sums over repetitions; only ratios are taken
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Mean> means_;
};

} // namespace
} // namespace kestrova

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    kestrova::RatioReporter reporter(isatty(fileno(stdout)) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
