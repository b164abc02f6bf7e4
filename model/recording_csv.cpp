#include "model/recording_csv.h"

#include "model/damped_parameters.h"
#include "model/energy.h"
#include "model/fixed_decimal.h"
#include "model/pendulum_state.h"

namespace kestrova {

namespace {

// The pieces the sink receives: a few tens of kilobytes.
constexpr std::size_t kChunkBytes = 64 * 1024;

/// The symbol of each parameter and, where its caption has none, its unit.
struct Notation {
    std::string_view symbol;
    std::string_view unit;
};
constexpr std::array<Notation, kDampedParameterCount> kNotations{{
    {"θ₀", ""},
    {"θ'₀", ""},
    {"ω₀", ""},
    {"λ", " s⁻¹"},
}};

} // namespace

CsvStyle CsvStyleFor(char decimalMark)
{
    return decimalMark == ',' ? CsvStyle{';', ','} : CsvStyle{',', '.'};
}

std::vector<std::string> SetupNotes(const SliderValues& setup, char decimalMark,
                                    std::string_view program)
{
    std::vector<std::string> notes{std::string(program)};
    for (const DampedParameterEntry& entry : kDampedParameters) {
        const Notation& notation = kNotations[static_cast<std::size_t>(entry.parameter)];
        notes.push_back(std::string(notation.symbol) + " = "
                        + ValueCaption(entry, ValueAt(entry, setup[entry.parameter]),
                                       std::string_view(&decimalMark, 1))
                        + std::string(notation.unit));
    }
    return notes;
}

std::string CsvTableTop(std::span<const std::string> notes,
                        std::span<const std::string_view> titles, char separator)
{
    std::string out = "\xEF\xBB\xBF";
    out.reserve(kChunkBytes + 1024);
    for (const std::string& note : notes)
        out += "# " + note + "\r\n";
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (i > 0)
            out += separator;
        out += titles[i];
    }
    out += "\r\n";
    return out;
}

bool FlushCsvPiece(std::string& out, const CsvSink& sink)
{
    if (out.size() < kChunkBytes)
        return true;
    const bool written = sink(out);
    out.clear();
    return written;
}

bool WriteRecordingCsv(const MotionRecorder& recording, CsvStyle style,
                       std::span<const std::string> notes,
                       const std::array<std::string_view, kRecordingColumns>& titles,
                       const CsvSink& sink)
{
    constexpr int kDecimals = 8;
    const std::string_view decimalMark(&style.decimalMark, 1);
    std::string out = CsvTableTop(notes, titles, style.separator);
    for (std::size_t i = 0; i < recording.RowCount(); ++i) {
        const RecordedRow row = recording.Row(i);
        const Energy energy = EnergyOf(row.exact, recording.Pulsation2());
        AppendFixed(out, row.time, 2, decimalMark);
        for (const double value :
             {row.exact.angle / DegToRad, row.exact.angle, row.exact.speed, row.approx.angle,
              row.approx.speed, energy.kinetic, energy.potential, energy.Total()}) {
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
