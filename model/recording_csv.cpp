#include "model/recording_csv.h"

#include "model/energy.h"
#include "model/fixed_decimal.h"
#include "model/pendulum_state.h"

namespace kestrova {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

} // namespace

CsvStyle CsvStyleFor(char decimalMark)
{
    return decimalMark == ',' ? CsvStyle{';', ','} : CsvStyle{',', '.'};
}

bool WriteRecordingCsv(const MotionRecorder& recording, CsvStyle style,
                       const std::array<std::string_view, kRecordingColumns>& titles,
                       const CsvSink& sink)
{
    constexpr int kDecimals = 8;
    const std::string_view decimalMark(&style.decimalMark, 1);
    std::string out = "\xEF\xBB\xBF";
    out.reserve(kChunkBytes + 1024);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (i > 0)
            out += style.separator;
        out += titles[i];
    }
    out += "\r\n";
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
        if (out.size() >= kChunkBytes) {
            if (!sink(out))
                return false;
            out.clear();
        }
    }
    return sink(out);
}

} // namespace kestrova
