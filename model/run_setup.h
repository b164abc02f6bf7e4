#pragma once

/// \file
/// A run's setup, whichever pendulum it belongs to: the damped window's
/// sliders or the driven window's six numbers. Kept runs, the graphs and
/// lesson files hold runs of both kinds, and name each among the others by
/// what sets it apart.

#include "model/driven_parameters.h"
#include "model/parameters.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kestrova {

using RunSetup = std::variant<SliderValues, DrivenSetup>;

[[nodiscard]] inline bool IsDriven(const RunSetup& setup)
{
    return std::holds_alternative<DrivenSetup>(setup);
}

/// What a run's name is written with, in the interface language.
struct RunLabelWords {
    std::string_view decimalSeparator;
    /// Put before the name when runs of both kinds are shown, e.g. "Forcé : ".
    std::string_view dampedKind;
    std::string_view drivenKind;
};

/// What sets a run apart from the others of `all` (which holds it): the
/// parameters whose values are not the same in every run, as
/// "λ = 0,50 s⁻¹; θ₀ = 90°"; every parameter when nothing differs.
[[nodiscard]] std::string RunLabel(const SliderValues& run, const std::vector<SliderValues>& all,
                                   std::string_view decimalSeparator);
/// The same for driven runs: "γ = 1,2; Ω = 0,6667 rad/s".
[[nodiscard]] std::string RunLabel(const DrivenSetup& run, const std::vector<DrivenSetup>& all,
                                   std::string_view decimalSeparator);
/// A run among runs of either kind: compared with the runs of its own kind,
/// after its kind's name when both kinds are there.
[[nodiscard]] std::string RunLabel(const RunSetup& run, const std::vector<RunSetup>& all,
                                   const RunLabelWords& words);

/// Every parameter of the run, after its kind's name: what an exported
/// table says of each run it holds.
[[nodiscard]] std::string FullRunLabel(const RunSetup& run, const RunLabelWords& words);

} // namespace kestrova
