#include "model/driven_csv.h"

#include "model/fixed_decimal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

struct Symbol {
    std::string_view id;
    std::string_view symbol;
};
constexpr std::array<Symbol, kDrivenParameterCount> kSymbols{{
    {"teta0", "θ₀"},
    {"omega0", "θ'₀"},
    {"pulsation", "ω₀"},
    {"lambda", "λ"},
    {"gamma", "γ"},
    {"drive", "Ω"},
}};

std::string_view SymbolOf(std::string_view id)
{
    const auto* found = std::find_if(kSymbols.begin(), kSymbols.end(),
                                     [id](const Symbol& s) { return s.id == id; });
    return found == kSymbols.end() ? id : found->symbol;
}

} // namespace

std::vector<std::string> DrivenSetupNotes(const DrivenSetup& setup, char decimalMark,
                                          std::string_view program)
{
    std::vector<std::string> notes{std::string(program)};
    for (const DrivenParameterEntry& entry : kDrivenParameters) {
        std::string note = std::string(SymbolOf(entry.id)) + " = ";
        AppendFixed(note, setup.*entry.member * entry.displayScale, entry.decimals,
                    std::string_view(&decimalMark, 1));
        // Degrees follow the number, as in the damped run's notes.
        note += entry.unit == " °" ? std::string_view("°") : entry.unit;
        notes.push_back(std::move(note));
    }
    return notes;
}

bool WriteDrivenCsv(const DrivenRecording& recording, const DrivenSetup& setup, CsvStyle style,
                    std::span<const std::string> notes,
                    const std::array<std::string_view, kDrivenColumns>& titles, const CsvSink& sink)
{
    constexpr int kDecimals = 8;
    // A step is no round number of seconds.
    constexpr int kTimeDecimals = 6;
    const std::string_view decimalMark(&style.decimalMark, 1);
    const double force = setup.gamma * setup.pulsation * setup.pulsation;
    const std::size_t steps = static_cast<std::size_t>(recording.StepsInPeriod());
    std::string out = CsvTableTop(notes, titles, style.separator);
    const std::span<const Motion> rows = recording.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // Ωt from the step's place in its period, as the integration has it.
        const double phase =
            2 * std::numbers::pi * static_cast<double>(i % steps) / static_cast<double>(steps);
        AppendFixed(out, recording.TimeOf(i), kTimeDecimals, decimalMark);
        for (const double value : {rows[i].angle * 180 / std::numbers::pi, rows[i].angle,
                                   rows[i].speed, force * std::cos(phase)}) {
            out += style.separator;
            AppendFixed(out, value, kDecimals, decimalMark);
        }
        out += "\r\n";
        if (!FlushCsvPiece(out, sink))
            return false;
    }
    return sink(out);
}

} // namespace kestrova
