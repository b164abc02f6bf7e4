#include "model/driven_sweeps.h"

#include "model/vector_state.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

namespace kestrova {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

SteadyResponse MeasureAt(const DrivenSetup& setup, double drivePulsation, Motion start)
{
    DrivenSetup at = setup;
    at.drivePulsation = drivePulsation;
    return MeasureSteady(at, start);
}

/// The sweep point whose Ω is nearest `drive`: where a run at `drive` starts.
const ResonancePoint& Nearest(const std::vector<ResonancePoint>& sweep, double drive)
{
    return *std::min_element(sweep.begin(), sweep.end(), [drive](const auto& a, const auto& b) {
        return std::abs(a.drivePulsation - drive) < std::abs(b.drivePulsation - drive);
    });
}

/// Steady amplitudes at any Ω, each run starting from the nearest sweep
/// point's end, until the caller says to stop: then NaN.
class Measurer {
public:
    Measurer(const DrivenSetup& setup, const std::vector<ResonancePoint>& sweep,
             const std::function<bool()>& keepGoing)
        : setup_(setup)
        , sweep_(sweep)
        , keepGoing_(keepGoing)
    { }

    double operator()(double drive)
    {
        stopped_ = stopped_ || (keepGoing_ && !keepGoing_());
        if (stopped_)
            return kNaN;
        return MeasureAt(setup_, drive, Nearest(sweep_, drive).measured.end).amplitude;
    }
    [[nodiscard]] bool Stopped() const { return stopped_; }

private:
    const DrivenSetup& setup_;
    const std::vector<ResonancePoint>& sweep_;
    const std::function<bool()>& keepGoing_;
    bool stopped_ = false;
};

/// Ω between two sweep points where the amplitude crosses `level`.
double Crossing(Measurer& amplitudeAt, const ResonancePoint& below, const ResonancePoint& above,
                double level)
{
    double a = below.drivePulsation;
    double b = above.drivePulsation;
    for (int i = 0; i < 40 && std::abs(b - a) > 1e-6 * std::abs(b); ++i) {
        const double mid = (a + b) / 2;
        (amplitudeAt(mid) < level ? a : b) = mid;
    }
    return amplitudeAt.Stopped() ? kNaN : (a + b) / 2;
}

} // namespace

double TheoreticalAmplitude(const DrivenSetup& setup, double drivePulsation)
{
    const double w02 = setup.pulsation * setup.pulsation;
    const double detuning = w02 - drivePulsation * drivePulsation;
    const double friction = 2 * setup.lambda * drivePulsation;
    const double denominator = std::hypot(detuning, friction);
    // Undamped and driven at its own pulsation: the swing grows without end.
    return denominator > 0 ? setup.gamma * w02 / denominator
                           : std::numeric_limits<double>::infinity();
}

double TheoreticalPhaseLag(const DrivenSetup& setup, double drivePulsation)
{
    return std::atan2(2 * setup.lambda * drivePulsation,
                      setup.pulsation * setup.pulsation - drivePulsation * drivePulsation);
}

std::vector<ResonancePoint> SweepResonance(const DrivenSetup& setup, double from, double to,
                                           int count, const std::function<bool(int done)>& progress)
{
    std::vector<ResonancePoint> sweep;
    Motion start{0, 0};
    for (int i = 0; i < count; ++i) {
        const double drive = count == 1 ? from : from + (to - from) * i / (count - 1);
        ResonancePoint point{drive, MeasureAt(setup, drive, start),
                             TheoreticalAmplitude(setup, drive)};
        start = point.measured.end;
        sweep.push_back(point);
        if (progress && !progress(i + 1))
            break;
    }
    return sweep;
}

ResonanceSummary SummariseResonance(const DrivenSetup& setup,
                                    const std::vector<ResonancePoint>& sweep,
                                    const std::function<bool()>& keepGoing)
{
    ResonanceSummary summary;
    const double w02 = setup.pulsation * setup.pulsation;
    const double peakSquare = w02 - 2 * setup.lambda * setup.lambda;
    summary.theoryPeak = peakSquare > 0 ? std::sqrt(peakSquare) : kNaN;
    summary.theoryQuality = setup.lambda > 0 ? setup.pulsation / (2 * setup.lambda)
                                             : std::numeric_limits<double>::infinity();
    summary.bandwidth = summary.quality = kNaN;
    summary.peakPulsation = summary.peakAmplitude = kNaN;
    if (sweep.empty())
        return summary;

    // Sorted by Ω whichever way the sweep went.
    std::vector<ResonancePoint> points = sweep;
    std::sort(points.begin(), points.end(),
              [](const auto& a, const auto& b) { return a.drivePulsation < b.drivePulsation; });
    const auto highest =
        std::max_element(points.begin(), points.end(), [](const auto& a, const auto& b) {
            return a.measured.amplitude < b.measured.amplitude;
        });
    const std::size_t top = static_cast<std::size_t>(highest - points.begin());
    Measurer amplitudeAt(setup, points, keepGoing);

    // Golden-section search for the maximum between the top's neighbours.
    double a = points[top == 0 ? 0 : top - 1].drivePulsation;
    double b = points[std::min(top + 1, points.size() - 1)].drivePulsation;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double c = b - ratio * (b - a);
    double d = a + ratio * (b - a);
    double fc = amplitudeAt(c);
    double fd = amplitudeAt(d);
    for (int i = 0; i < 40 && (b - a) > 1e-6 * b && !amplitudeAt.Stopped(); ++i) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - ratio * (b - a);
            fc = amplitudeAt(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + ratio * (b - a);
            fd = amplitudeAt(d);
        }
    }
    if (amplitudeAt.Stopped())
        return summary;
    summary.peakPulsation = (a + b) / 2;
    summary.peakAmplitude =
        std::max(amplitudeAt(summary.peakPulsation), highest->measured.amplitude);

    const double level = summary.peakAmplitude / std::sqrt(2.0);
    std::size_t left = top;
    while (left > 0 && points[left].measured.amplitude >= level)
        --left;
    std::size_t right = top;
    while (right + 1 < points.size() && points[right].measured.amplitude >= level)
        ++right;
    if (points[left].measured.amplitude < level && points[right].measured.amplitude < level) {
        const double low = Crossing(amplitudeAt, points[left], points[left + 1], level);
        const double high = Crossing(amplitudeAt, points[right], points[right - 1], level);
        summary.bandwidth = high - low;
        summary.quality = summary.peakPulsation / summary.bandwidth;
    }
    return summary;
}

bool SweepBifurcation(const DrivenSetup& setup, const BifurcationOptions& options,
                      std::vector<BifurcationColumn>& columns,
                      const std::function<bool(int done)>& progress)
{
    const int count = std::max(options.count, 0);
    columns.assign(static_cast<std::size_t>(count), {});
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};

    auto work = [&](bool reports) {
        ClearUpperVectorHalves();
        for (int i = next++; i < count && !cancelled; i = next++) {
            DrivenSetup at = setup;
            at.gamma = count == 1
                ? options.gammaFrom
                : options.gammaFrom + (options.gammaTo - options.gammaFrom) * i / (count - 1);
            DrivenMotion motion(at);
            motion.AdvancePeriods(options.transientPeriods);
            BifurcationColumn& column = columns[static_cast<std::size_t>(i)];
            column.gamma = at.gamma;
            column.angles.reserve(static_cast<std::size_t>(std::max(options.keptPeriods, 0)));
            for (int p = 0; p < options.keptPeriods; ++p) {
                column.angles.push_back(WrapAngle(motion.State().angle));
                motion.FinishPeriod();
            }
            const int finished = ++done;
            if (reports && progress && !progress(finished))
                cancelled = true;
        }
    };

    const unsigned hardware = std::max(1u, std::thread::hardware_concurrency());
    const unsigned threads =
        options.threads > 0 ? static_cast<unsigned>(options.threads) : hardware;
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t)
            helpers.emplace_back(work, false);
        work(true);
    }
    // The calling thread may have run out of columns while helpers still
    // worked: the last word on progress is the total.
    if (!cancelled && progress && !progress(done))
        cancelled = true;
    return !cancelled && done == count;
}

} // namespace kestrova
