#include "model/runs_csv.h"

#include "model/energy.h"
#include "model/fixed_decimal.h"

#include <cmath>

namespace kestrova {

namespace {

// Enough for 1e-9 rad to show: a kept run compared with its setup run again.
constexpr int kDecimals = 10;
// A sensor may sample a thousand times a second, at times of its own.
constexpr int kSeriesTimeDecimals = 6;

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
    std::string out = CsvTableTop(notes, titles, style.separator);
    for (const CsvRun& run : runs) {
        if (run.series != nullptr) {
            const MeasuredSeries& series = *run.series;
            for (std::size_t i = 0; i < series.time.size(); ++i) {
                AppendField(out, run.name, style.separator);
                AppendFixed(out, series.time[i], kSeriesTimeDecimals, decimalMark);
                // The angle's cell or the speed's; the energies are not known.
                out += style.separator;
                if (series.speed)
                    out += style.separator;
                if (std::isfinite(series.value[i]))
                    AppendFixed(out, series.value[i], kDecimals, decimalMark);
                out.append(series.speed ? 3 : 4, style.separator);
                out += "\r\n";
                if (!FlushCsvPiece(out, sink))
                    return false;
            }
            continue;
        }
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
            if (!FlushCsvPiece(out, sink))
                return false;
        }
    }
    return sink(out);
}

} // namespace kestrova
