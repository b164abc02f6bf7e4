#include "model/measurement_table.h"

#include "model/translatable_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace kestrova {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

/// The characters 0x80–0x9F stand for in Windows-1252 (0 where undefined).
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool ValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t more = c < 0x80 ? 0
            : c >= 0xC2 && c < 0xE0       ? 1
            : c >= 0xE0 && c < 0xF0       ? 2
            : c >= 0xF0 && c < 0xF5       ? 3
                                          : 4;
        if (more == 4 || i + more >= s.size() + (more == 0))
            return false;
        for (std::size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return false;
        i += more + 1;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

/// Binary data: a NUL byte, or many control characters that no text holds.
bool LooksBinary(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, 65536);
    std::size_t controls = 0;
    for (const char ch : head) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0)
            return true;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            ++controls;
    }
    return controls * 100 > head.size();
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

/// The fields of `line`: split at `delimiter` outside double quotes (a run
/// of spaces counts as one delimiter when it is a space), each trimmed and
/// unquoted.
std::vector<std::string> SplitFields(std::string_view line, char delimiter)
{
    std::vector<std::string> fields;
    if (delimiter == ' ')
        line = Trim(line);
    // Most lines quote nothing: their fields are cut out whole, not built
    // character by character (a long recording has millions of them).
    if (line.find('"') == std::string_view::npos) {
        for (std::size_t from = 0;;) {
            const std::size_t at = line.find(delimiter, from);
            fields.emplace_back(
                Trim(line.substr(from, at == std::string_view::npos ? at : at - from)));
            if (at == std::string_view::npos)
                return fields;
            from = at + 1;
            if (delimiter == ' ')
                while (from < line.size() && line[from] == ' ')
                    ++from;
        }
    }
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == delimiter && !quoted) {
            fields.emplace_back(Trim(field));
            field.clear();
            if (delimiter == ' ')
                while (i + 1 < line.size() && line[i + 1] == ' ')
                    ++i;
        } else {
            field += c;
        }
    }
    fields.emplace_back(Trim(field));
    return fields;
}

bool NumericRow(const std::vector<std::string>& fields, char mark)
{
    double v = 0;
    bool any = false;
    for (const std::string& f : fields) {
        if (!ParseCell(f, mark, v))
            return false;
        any = any || !std::isnan(v);
    }
    return any;
}

struct Dialect {
    char delimiter;
    char mark;
};

constexpr std::array<Dialect, 7> kDialects{
    {{'\t', '.'}, {'\t', ','}, {';', '.'}, {';', ','}, {',', '.'}, {' ', '.'}, {' ', ','}}};

/// Units as a units line writes them.
bool LooksLikeUnit(std::string_view s)
{
    static constexpr std::array<std::string_view, 22> kUnits{
        "",      "s",   "ms",    "m",   "cm",   "mm",    "rad", "°",   "deg",     "degré", "degrés",
        "rad/s", "°/s", "deg/s", "m/s", "m/s²", "m/s^2", "(s)", "[s]", "rad.s-1", "m.s-1", "Hz"};
    return std::find(kUnits.begin(), kUnits.end(), s) != kUnits.end();
}

bool UnitsLine(const std::vector<std::string>& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& f) { return LooksLikeUnit(f); })
        && std::any_of(fields.begin(), fields.end(),
                       [](const std::string& f) { return !f.empty(); });
}

/// "Time (s)" → name "Time", unit "s"; "t [s]" likewise.
void SplitNameAndUnit(std::string& name, std::string& unit)
{
    if (name.size() < 3)
        return;
    const char close = name.back();
    const char open = close == ')' ? '(' : close == ']' ? '[' : 0;
    const std::size_t at = open ? name.rfind(open) : std::string::npos;
    if (at == std::string::npos || at == 0)
        return;
    if (unit.empty())
        unit = name.substr(at + 1, name.size() - at - 2);
    name = std::string(Trim(std::string_view(name).substr(0, at)));
}

} // namespace

bool ParseCell(std::string_view cell, char decimalMark, double& value)
{
    cell = Trim(cell);
    if (cell.empty() || cell == "NaN" || cell == "nan" || cell == "NAN") {
        value = kNaN;
        return true;
    }
    if (cell.size() > 64)
        return false;
    char buffer[64];
    std::size_t n = 0;
    for (std::size_t i = cell.front() == '+' ? 1 : 0; i < cell.size(); ++i) {
        const char c = cell[i];
        if (c == decimalMark)
            buffer[n++] = '.';
        else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E')
            buffer[n++] = c;
        else
            return false;
    }
    const auto [end, error] = std::from_chars(buffer, buffer + n, value);
    if (error != std::errc() || end != buffer + n)
        return false;
    if (!std::isfinite(value))
        value = kNaN;
    return true;
}

std::string DecodeToUtf8(std::string_view bytes)
{
    if (ValidUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0)
            AppendUtf8(out, kWindows1252High[c - 0x80] ? kWindows1252High[c - 0x80] : 0xFFFD);
        else
            AppendUtf8(out, c);
    }
    return out;
}

TableReading ReadMeasurementTable(std::string_view bytes)
{
    TableReading reading;
    const auto refuse = [&reading](const char* why, std::size_t line = 0) {
        reading.refusal = why;
        reading.line = line;
        reading.table = {};
        return reading;
    };
    if (bytes.size() > kMeasurementMaxBytes)
        return refuse(KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                            "Le fichier est trop volumineux (plus de 64 Mo)."));
    if (LooksBinary(bytes))
        return refuse(KESTROVA_TRANSLATABLE(
            "kestrova::MeasurementImport",
            "Ce fichier ne contient pas de texte : ce n'est pas un tableau de mesures."));
    const std::string text = DecodeToUtf8(bytes);

    // Lines, their numbers kept for the messages; blank and comment lines
    // ("#multi:" from a video tracker) out.
    std::vector<std::string_view> lines;
    std::vector<std::size_t> numbers;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        ++number;
        const std::string_view line = std::string_view(text).substr(start, end - start);
        if (!Trim(line).empty() && Trim(line).front() != '#') {
            lines.push_back(line);
            numbers.push_back(number);
        }
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (lines.size() > kMeasurementMaxRows)
        return refuse(KESTROVA_TRANSLATABLE(
            "kestrova::MeasurementImport", "Le fichier a trop de lignes (plus de deux millions)."));

    // The dialect: the one under which most of the last lines are rows of
    // at least two numbers, all with the same count.
    const std::size_t sample = std::min<std::size_t>(lines.size(), 50);
    Dialect best{0, 0};
    std::size_t bestScore = 0, bestColumns = 0;
    for (const Dialect d : kDialects) {
        std::size_t score = 0, columns = 0;
        for (std::size_t i = lines.size() - sample; i < lines.size(); ++i) {
            const auto fields = SplitFields(lines[i], d.delimiter);
            if (fields.size() < 2 || !NumericRow(fields, d.mark))
                continue;
            if (columns == 0)
                columns = fields.size();
            score += fields.size() == columns ? 1 : 0;
        }
        if (score > bestScore) {
            best = d;
            bestScore = score;
            bestColumns = columns;
        }
    }
    if (bestScore == 0)
        return refuse(KESTROVA_TRANSLATABLE(
            "kestrova::MeasurementImport",
            "Disposition inconnue : aucune ligne de nombres séparés par "
            "des tabulations, des points-virgules, des virgules ou des espaces."));

    // The header ends at the first row of numbers.
    std::size_t first = 0;
    while (first < lines.size()
           && !(SplitFields(lines[first], best.delimiter).size() >= 2
                && NumericRow(SplitFields(lines[first], best.delimiter), best.mark)))
        ++first;
    MeasurementTable& table = reading.table;
    table.delimiter = best.delimiter;
    table.decimalMark = best.mark;
    table.names.assign(bestColumns, {});
    table.units.assign(bestColumns, {});
    std::vector<std::vector<std::string>> header;
    for (std::size_t i = 0; i < first; ++i) {
        auto fields = SplitFields(lines[i], best.delimiter);
        if (fields.size() == bestColumns || (fields.size() > bestColumns && UnitsLine(fields)))
            header.push_back(std::move(fields));
    }
    if (!header.empty() && UnitsLine(header.back()) && header.size() >= 2) {
        for (std::size_t c = 0; c < bestColumns; ++c)
            table.units[c] = header.back()[c];
        header.pop_back();
    }
    if (!header.empty())
        for (std::size_t c = 0; c < bestColumns; ++c)
            table.names[c] = header.back()[c];
    for (std::size_t c = 0; c < bestColumns; ++c)
        SplitNameAndUnit(table.names[c], table.units[c]);

    table.columns.assign(bestColumns, {});
    for (auto& column : table.columns)
        column.reserve(lines.size() - first);
    for (std::size_t i = first; i < lines.size(); ++i) {
        const auto fields = SplitFields(lines[i], best.delimiter);
        if (fields.size() < bestColumns
            || (fields.size() > bestColumns
                && std::any_of(fields.begin() + static_cast<long>(bestColumns), fields.end(),
                               [](const std::string& f) { return !f.empty(); })))
            return refuse(
                KESTROVA_TRANSLATABLE(
                    "kestrova::MeasurementImport",
                    "Ligne %1 : le nombre de colonnes n'est pas celui des autres lignes."),
                numbers[i]);
        for (std::size_t c = 0; c < bestColumns; ++c) {
            double v = 0;
            if (!ParseCell(fields[c], best.mark, v))
                return refuse(KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                                    "Ligne %1 : une valeur n'est pas un nombre."),
                              numbers[i]);
            table.columns[c].push_back(v);
        }
    }
    if (table.RowCount() < 2)
        return refuse(
            KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                  "Le fichier ne contient qu'une seule ligne de mesures."));
    const bool someNumber =
        std::any_of(table.columns.begin(), table.columns.end(), [](const auto& column) {
            return std::count_if(column.begin(), column.end(),
                                 [](double v) { return !std::isnan(v); })
                >= 2;
        });
    if (!someNumber)
        return refuse(KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                            "Aucune colonne ne contient de nombres."));
    return reading;
}

} // namespace kestrova
