#pragma once

/// \file
/// The driven run as a CSV table, in the form of the damped run's (see
/// recording_csv.h): "#" lines with the program and the six settings, a
/// header, then one row per integration step.

#include "model/driven_recording.h"
#include "model/recording_csv.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

/// Time, angle (°, rad), angular speed and the drive γω₀²cos Ωt.
inline constexpr std::size_t kDrivenColumns = 5;

/// The program, then "θ₀ = 30,0°", "θ'₀ = 0,00 rad/s", "ω₀ = 1,000 rad/s",
/// "λ = 0,250 s⁻¹", "γ = 0,900", "Ω = 0,6667 rad/s": each with the decimals
/// of its field in the window.
[[nodiscard]] std::vector<std::string> DrivenSetupNotes(const DrivenSetup& setup, char decimalMark,
                                                        std::string_view program);

/// Writes the notes, the header and every row of `recording`, made with
/// `setup`, to the sink; false as soon as the sink says so. The angle is
/// the one the pendulum turned through, not brought back within a turn.
bool WriteDrivenCsv(const DrivenRecording& recording, const DrivenSetup& setup, CsvStyle style,
                    std::span<const std::string> notes,
                    const std::array<std::string_view, kDrivenColumns>& titles,
                    const CsvSink& sink);

} // namespace kestrova
