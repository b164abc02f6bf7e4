#include "model/run_setup.h"

#include "model/damped_parameters.h"
#include "model/fixed_decimal.h"

#include <algorithm>

namespace kestrova {

namespace {

struct DampedLabelPart {
    DampedParameter parameter;
    std::string_view symbol;
    std::string_view unit; ///< after the value caption, which may carry its own
};

constexpr DampedLabelPart kDampedParts[] = {
    {DampedParameter::Teta0, "θ₀", ""},
    {DampedParameter::Omega0, "θ'₀", ""},
    {DampedParameter::Pulsation, "ω₀", ""},
    {DampedParameter::Lambda, "λ", " s⁻¹"},
};

struct DrivenLabelPart {
    std::string_view symbol;
    std::string_view unit;
};

/// In the order of kDrivenParameters.
constexpr DrivenLabelPart kDrivenParts[kDrivenParameterCount] = {
    {"θ₀", "°"}, {"θ'₀", " rad/s"}, {"ω₀", " rad/s"}, {"λ", " s⁻¹"}, {"γ", ""}, {"Ω", " rad/s"},
};

/// The value as its field shows it, without the zeros that end its decimals:
/// a preset's 2/3 reads 0,6667 and a γ of 1.2 reads 1,2.
std::string DrivenValue(const DrivenParameterEntry& entry, double value,
                        std::string_view decimalSeparator)
{
    std::string text = FormatFixed(value * entry.displayScale, entry.decimals, decimalSeparator);
    if (text.find(decimalSeparator) == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.ends_with(decimalSeparator))
        text.resize(text.size() - decimalSeparator.size());
    return text;
}

/// Runs of one kind, and the label of one of them among them.
template <typename Setup>
std::string LabelAmongKind(const RunSetup& run, const std::vector<RunSetup>& all,
                           std::string_view decimalSeparator)
{
    std::vector<Setup> same;
    for (const RunSetup& other : all) {
        if (const Setup* setup = std::get_if<Setup>(&other))
            same.push_back(*setup);
    }
    return RunLabel(std::get<Setup>(run), same, decimalSeparator);
}

} // namespace

std::string RunLabel(const SliderValues& run, const std::vector<SliderValues>& all,
                     std::string_view decimalSeparator)
{
    auto differs = [&](DampedParameter parameter) {
        return std::any_of(all.begin(), all.end(), [&](const SliderValues& other) {
            return other[parameter] != run[parameter];
        });
    };
    const bool anyDiffers =
        std::any_of(std::begin(kDampedParts), std::end(kDampedParts),
                    [&](const DampedLabelPart& part) { return differs(part.parameter); });
    std::string label;
    for (const DampedLabelPart& part : kDampedParts) {
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

std::string RunLabel(const DrivenSetup& run, const std::vector<DrivenSetup>& all,
                     std::string_view decimalSeparator)
{
    // Compared as the fields show them: values the user cannot tell apart
    // are the same value.
    auto differs = [&](std::size_t i) {
        const DrivenParameterEntry& entry = kDrivenParameters[i];
        const std::string shown = DrivenValue(entry, run.*entry.member, decimalSeparator);
        return std::any_of(all.begin(), all.end(), [&](const DrivenSetup& other) {
            return DrivenValue(entry, other.*entry.member, decimalSeparator) != shown;
        });
    };
    bool anyDiffers = false;
    for (std::size_t i = 0; i < kDrivenParameterCount; ++i)
        anyDiffers = anyDiffers || differs(i);
    std::string label;
    for (std::size_t i = 0; i < kDrivenParameterCount; ++i) {
        if (anyDiffers && !differs(i))
            continue;
        const DrivenParameterEntry& entry = kDrivenParameters[i];
        if (!label.empty())
            label += "; ";
        label += kDrivenParts[i].symbol;
        label += " = ";
        label += DrivenValue(entry, run.*entry.member, decimalSeparator);
        label += kDrivenParts[i].unit;
    }
    return label;
}

std::string RunLabel(const RunSetup& run, const std::vector<RunSetup>& all,
                     const RunLabelWords& words)
{
    const bool mixed = std::any_of(all.begin(), all.end(), [&](const RunSetup& other) {
        return other.index() != run.index();
    });
    std::string label;
    if (mixed)
        label = IsDriven(run) ? words.drivenKind : words.dampedKind;
    label += IsDriven(run) ? LabelAmongKind<DrivenSetup>(run, all, words.decimalSeparator)
                           : LabelAmongKind<SliderValues>(run, all, words.decimalSeparator);
    return label;
}

std::string FullRunLabel(const RunSetup& run, const RunLabelWords& words)
{
    std::string label(IsDriven(run) ? words.drivenKind : words.dampedKind);
    label += IsDriven(run) ? RunLabel(std::get<DrivenSetup>(run), {}, words.decimalSeparator)
                           : RunLabel(std::get<SliderValues>(run), {}, words.decimalSeparator);
    return label;
}

} // namespace kestrova
