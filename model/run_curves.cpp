#include "model/run_curves.h"

#include "model/energy.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// A DampedRun samples a long advance more coarsely once it would exceed
// ten thousand samples: advancing at most this far at once keeps the
// millisecond grid of a live run.
constexpr double kLongestAdvanceSeconds = 5;

struct LabelPart {
    DampedParameter parameter;
    std::string_view symbol;
    std::string_view unit; ///< after the value caption, which may carry its own
};

constexpr LabelPart kLabelParts[] = {
    {DampedParameter::Teta0, "θ₀", ""},
    {DampedParameter::Omega0, "θ'₀", ""},
    {DampedParameter::Pulsation, "ω₀", ""},
    {DampedParameter::Lambda, "λ", " s⁻¹"},
};

} // namespace

RunCurves::RunCurves(const SliderValues& setup)
{
    run_.Reset(setup);
    run_.Start();
}

void RunCurves::ExtendTo(double seconds)
{
    while (run_.Running() && run_.Time() < seconds) {
        const double to = std::min(seconds, run_.Time() + kLongestAdvanceSeconds);
        // Never paused, so displayed time and time since the start are one.
        if (!run_.AdvanceTo(to).finite)
            break;
    }
}

double SmallAngleEnergy(const Parameters& parameters, double t)
{
    const double w2 = parameters.Pulsation2;
    const double lambda = parameters.Lambda;
    if (RegimeOf(w2, lambda) == Regime::PseudoPeriodic) {
        const double omega = std::sqrt(w2 - lambda * lambda);
        const double b = (parameters.Omega0 + lambda * parameters.Teta0) / omega;
        const double amplitude2 = parameters.Teta0 * parameters.Teta0 + b * b;
        return 0.5 * w2 * amplitude2 * std::exp(-2 * lambda * t);
    }
    const Motion motion = LinearSolution(parameters.Teta0, parameters.Omega0, w2, lambda, t).motion;
    return 0.5 * motion.speed * motion.speed + 0.5 * w2 * motion.angle * motion.angle;
}

std::string RunLabel(const SliderValues& run, const std::vector<SliderValues>& all,
                     std::string_view decimalSeparator)
{
    auto differs = [&](DampedParameter parameter) {
        return std::any_of(all.begin(), all.end(), [&](const SliderValues& other) {
            return other[parameter] != run[parameter];
        });
    };
    const bool anyDiffers =
        std::any_of(std::begin(kLabelParts), std::end(kLabelParts),
                    [&](const LabelPart& part) { return differs(part.parameter); });
    std::string label;
    for (const LabelPart& part : kLabelParts) {
        if (anyDiffers && !differs(part.parameter))
            continue;
        const DampedParameterEntry& entry = DampedParameterOf(part.parameter);
        if (!label.empty())
            label += "; ";
        label += part.symbol;
        label += " = ";
        label += ValueCaption(entry, ValueAt(entry, run[part.parameter]), decimalSeparator);
        label += part.unit;
    }
    return label;
}

} // namespace kestrova
