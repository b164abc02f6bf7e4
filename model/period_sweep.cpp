#include "model/period_sweep.h"

#include "model/damped_animation.h"
#include "model/motion_measurement.h"
#include "model/pendulum_state.h"

#include <numbers>

namespace kestrova {

namespace {

// The ratio does not depend on ω₀: take T₀ = 1 s and the sample spacing of
// the live animation (kSampleSeconds), so that the sweep measures exactly as
// a run does.
constexpr double kPulsation = 2 * std::numbers::pi;
constexpr double kSmallAnglePeriod = 2 * std::numbers::pi / kPulsation;
constexpr int kPeriodsPerPoint = 2;
// A swing from 179.99° takes under 8 T₀; past this the release was at the top.
constexpr double kLongestSeconds = 30;

constexpr int kFirstDegrees = 5;
constexpr int kLastDegrees = 175;
constexpr int kStepDegrees = 5;

} // namespace

std::optional<PeriodPoint> MeasurePeriodRatio(double amplitude)
{
    constexpr double Pulsation2 = kPulsation * kPulsation;
    const double subStep = MaxSubStep(kPulsation);
    Motion motion{amplitude, 0};
    MotionMeasurement measurement;
    measurement.Reset(motion, Pulsation2);
    for (int k = 1; k * kSampleSeconds <= kLongestSeconds; ++k) {
        motion = Integrate(motion, Pulsation2, 0, kSampleSeconds, subStep);
        if (measurement.Add(k * kSampleSeconds, motion)) {
            const auto period = measurement.Period();
            if (period && period->periods >= kPeriodsPerPoint)
                return PeriodPoint{amplitude, period->seconds / kSmallAnglePeriod};
        }
    }
    return std::nullopt;
}

std::vector<PeriodPoint> SweepPeriodRatios(const SweepProgress& progress)
{
    constexpr int total = (kLastDegrees - kFirstDegrees) / kStepDegrees + 1;
    std::vector<PeriodPoint> points;
    points.reserve(total);
    for (int i = 0; i < total; ++i) {
        if (const auto point = MeasurePeriodRatio((kFirstDegrees + i * kStepDegrees) * DegToRad))
            points.push_back(*point);
        if (progress && !progress(i + 1, total))
            break;
    }
    return points;
}

} // namespace kestrova
