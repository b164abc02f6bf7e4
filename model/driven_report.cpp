#include "model/driven_report.h"

#include "model/driven_sweeps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

DrivenReading Absent(DrivenUnmeasured why)
{
    return {std::nullopt, why};
}

std::optional<double> Gap(const DrivenReading& measured, const DrivenReading& theory)
{
    if (!measured.value || !theory.value || !(*theory.value > 0))
        return std::nullopt;
    return *measured.value / *theory.value - 1;
}

/// Whether the angle reaches a top, an odd multiple of π, within `period`:
/// a rotation, or a swing over the top and back, is no oscillation about
/// the bottom and has no amplitude.
bool PassesTheTop(std::span<const Motion> period)
{
    const auto [low, high] = std::minmax_element(
        period.begin(), period.end(), [](Motion a, Motion b) { return a.angle < b.angle; });
    const double highestTop =
        (2 * std::floor((high->angle - std::numbers::pi) / kTwoPi) + 1) * std::numbers::pi;
    return highestTop >= low->angle;
}

} // namespace

DrivenReport DrivenReportOf(const DrivenRecording& recording, const DrivenSetup& setup,
                            bool settles)
{
    DrivenReport r;
    r.periods = recording.Periods();

    const double amplitude = TheoreticalAmplitude(setup, setup.drivePulsation);
    if (setup.gamma == 0) {
        r.theoryAmplitude.value = 0;
        r.theoryPhaseLag = Absent(DrivenUnmeasured::NoDrive);
    } else if (std::isfinite(amplitude)) {
        r.theoryAmplitude.value = amplitude;
        r.theoryPhaseLag.value = TheoreticalPhaseLag(setup, setup.drivePulsation);
    } else {
        r.theoryAmplitude = Absent(DrivenUnmeasured::Unbounded);
        r.theoryPhaseLag.value = TheoreticalPhaseLag(setup, setup.drivePulsation);
    }

    if (const auto settledAt = recording.SettledAt()) {
        r.regime = DrivenRegime::Steady;
        r.settledAt = *settledAt;
    } else {
        r.regime = settles ? DrivenRegime::Transient : DrivenRegime::NotRepeating;
    }
    if (r.regime != DrivenRegime::Steady) {
        const DrivenUnmeasured why = r.regime == DrivenRegime::Transient
            ? DrivenUnmeasured::Transient
            : DrivenUnmeasured::NotRepeating;
        r.amplitude = r.phaseLag = Absent(why);
        return r;
    }

    const std::span<const Motion> period = recording.Period(r.periods - 1);
    if (PassesTheTop(period)) {
        r.amplitude = r.phaseLag = Absent(DrivenUnmeasured::Turning);
        return r;
    }
    const PeriodSwing swing = SwingOverPeriod(period);
    r.amplitude.value = swing.amplitude;
    r.amplitudeGap = Gap(r.amplitude, r.theoryAmplitude);
    if (setup.gamma == 0) {
        r.phaseLag = Absent(DrivenUnmeasured::NoDrive);
    } else {
        // The lag is an angle: the theory's [0, π] and the fundamental's
        // [0, 2π) are compared across the turn's seam.
        const double theory = r.theoryPhaseLag.value.value_or(0);
        r.phaseLag.value = theory + std::remainder(swing.phaseLag - theory, kTwoPi);
        r.phaseGap = Gap(r.phaseLag, r.theoryPhaseLag);
    }
    return r;
}

} // namespace kestrova
