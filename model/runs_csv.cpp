#include "model/runs_csv.h"

#include "model/energy.h"
#include "model/fixed_decimal.h"

namespace kestrova {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
// Enough for 1e-9 rad to show: a kept run compared with its setup run again.
constexpr int kDecimals = 10;

void AppendField(std::string& out, std::string_view text, char separator)
{
    // A name may hold the separator ("λ = 0,50; θ₀ = 90°"): quoted.
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    out += separator;
}

} // namespace

bool WriteRunsCsv(const std::vector<CsvRun>& runs, CsvStyle style,
                  std::span<const std::string> notes,
                  const std::array<std::string_view, kRunsColumns>& titles, const CsvSink& sink)
{
    const std::string_view decimalMark(&style.decimalMark, 1);
    std::string out = "\xEF\xBB\xBF";
    for (const std::string& note : notes)
        out += "# " + note + "\r\n";
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (i > 0)
            out += style.separator;
        out += titles[i];
    }
    out += "\r\n";
    for (const CsvRun& run : runs) {
        const MotionRecorder& recording = *run.recording;
        for (std::size_t i = 0; i < recording.RowCount(); ++i) {
            const RecordedRow row = recording.Row(i);
            const Energy energy = EnergyOf(row.exact, recording.Pulsation2());
            AppendField(out, run.name, style.separator);
            AppendFixed(out, row.time, 2, decimalMark);
            for (const double value : {row.exact.angle, row.exact.speed, energy.kinetic,
                                       energy.potential, energy.Total()}) {
                out += style.separator;
                AppendFixed(out, value, kDecimals, decimalMark);
            }
            out += "\r\n";
            if (out.size() >= kChunkBytes) {
                if (!sink(out))
                    return false;
                out.clear();
            }
        }
    }
    return sink(out);
}

} // namespace kestrova
