#include "model/recording_csv.h"

#include "model/energy.h"
#include "model/pendulum_state.h"

#include <charconv>

namespace kestrova {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

/// `value` with `decimals` decimals in the given style; a value that rounds
/// to zero is written without a sign.
void AppendNumber(std::string& out, double value, int decimals, char decimalMark)
{
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        out += "NaN"; // only a value beyond 1e40: no row of the program comes near
        return;
    }
    const char* begin = buffer;
    if (*begin == '-'
        && std::string_view(begin + 1, end).find_first_not_of("0.") == std::string_view::npos)
        ++begin;
    for (const char* c = begin; c != end; ++c)
        out += *c == '.' ? decimalMark : *c;
}

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
        AppendNumber(out, row.time, 2, style.decimalMark);
        for (const double value :
             {row.exact.angle / DegToRad, row.exact.angle, row.exact.speed, row.approx.angle,
              row.approx.speed, energy.kinetic, energy.potential, energy.Total()}) {
            out += style.separator;
            AppendNumber(out, value, kDecimals, style.decimalMark);
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
