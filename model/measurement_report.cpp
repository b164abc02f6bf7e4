#include "model/measurement_report.h"

#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

Reading Absent(Unmeasured why)
{
    return {std::nullopt, why};
}

std::optional<double> Deviation(const Reading& measured, const Reading& formula)
{
    if (!measured.value || !formula.value)
        return std::nullopt;
    return *measured.value / *formula.value - 1;
}

} // namespace

MeasurementReport ReportOf(const MotionMeasurement& measurement, const Parameters& parameters)
{
    const DerivedQuantities theory = Derive(parameters);
    const double startEnergy = measurement.StartEnergy().Total();
    MeasurementReport r;

    // What keeps the measured values away, most telling first.
    std::optional<Unmeasured> noSwing;
    if (theory.regime == Regime::Aperiodic)
        noSwing = Unmeasured::Aperiodic;
    else if (theory.regime == Regime::Critical)
        noSwing = Unmeasured::Critical;
    else if (!(startEnergy > 0))
        noSwing = Unmeasured::AtRest;

    const auto period = measurement.Period();
    if (noSwing) {
        r.period = Absent(*noSwing);
    } else if (period) {
        r.period.value = period->seconds;
        r.periods = period->periods;
        r.revolutions = period->revolutions;
    }
    // A turn over the top is no swing: it is compared with no swing's period.
    const Reading swingPeriod = r.revolutions ? Reading{} : r.period;

    r.smallAnglePeriod = theory.pseudoPeriod
        ? Reading{theory.pseudoPeriod}
        : Absent(theory.regime == Regime::Critical ? Unmeasured::Critical : Unmeasured::Aperiodic);
    r.smallAngleDeviation = Deviation(swingPeriod, r.smallAnglePeriod);
    if (parameters.Lambda != 0) {
        r.exactPeriod = Absent(Unmeasured::Damped);
    } else if (const auto exact = ExactPeriod(measurement.StartEnergy(), parameters.Pulsation2)) {
        r.exactPeriod.value = exact;
    } else {
        r.exactPeriod = Absent(Unmeasured::OverTheTop);
    }
    r.exactDeviation = Deviation(swingPeriod, r.exactPeriod);

    r.lambdaSetting = parameters.Lambda;
    r.qualitySetting = theory.qualityFactor;
    const auto decrement = measurement.Decrement();
    if (noSwing) {
        r.decrement = r.lambda = r.quality = Absent(*noSwing);
    } else if (parameters.Lambda == 0) {
        r.decrement = r.lambda = r.quality = Absent(Unmeasured::Undamped);
    } else if (decrement) {
        r.decrement.value = decrement->delta;
        r.lambda.value = decrement->lambda;
        if (decrement->lambda > 0)
            r.quality.value = theory.naturalPulsation / (2 * decrement->lambda);
    }

    r.energy = measurement.CurrentEnergy();
    if (startEnergy > 0)
        r.energyLost.value = 1 - r.energy.Total() / startEnergy;
    else
        r.energyLost = Absent(Unmeasured::AtRest);

    const auto swing = measurement.SteadySwing();
    if (swingPeriod.value && swing)
        r.point = PeriodPoint{swing->amplitude,
                              swing->seconds * theory.naturalPulsation / (2 * std::numbers::pi)};
    return r;
}

} // namespace kestrova
