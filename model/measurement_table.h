#pragma once

/// \file
/// A table of measurements read from the text a data-logging tool exports:
/// a smartphone's sensor recorder, a video tracker, a lab interface's
/// spreadsheet, or any CSV or TSV file. The reader finds the field
/// delimiter, the decimal mark, the column names with a units line if there
/// is one, and the encoding, and refuses what it cannot read with a French
/// reason the window translates.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

/// Context of the import's French texts.
inline constexpr char kMeasurementContext[] = "kestrova::MeasurementImport";

/// Largest file the importer reads (bytes): a ten-minute recording of every
/// sensor at 500 Hz fits well within it.
inline constexpr std::size_t kMeasurementMaxBytes = 64u << 20;
/// Most rows a table may hold.
inline constexpr std::size_t kMeasurementMaxRows = 2'000'000;

struct MeasurementTable {
    /// UTF-8, one per column; "" when the file names none.
    std::vector<std::string> names;
    /// UTF-8, one per column: from a units line, or from "(s)" or "[s]"
    /// after a name; "" when none is given.
    std::vector<std::string> units;
    /// One vector per column, every one as long; NaN for an empty cell.
    std::vector<std::vector<double>> columns;
    char delimiter = ',';
    char decimalMark = '.';

    [[nodiscard]] std::size_t RowCount() const { return columns.empty() ? 0 : columns[0].size(); }
};

/// A table, or the reason there is none: a French text in
/// kMeasurementContext, where "%1" stands for `line` (1-based) when set.
struct TableReading {
    MeasurementTable table;
    const char* refusal = nullptr;
    std::size_t line = 0;

    [[nodiscard]] bool Ok() const { return refusal == nullptr; }
};

/// Reads the text of a measurement file (its raw bytes).
[[nodiscard]] TableReading ReadMeasurementTable(std::string_view bytes);

/// `bytes` as UTF-8: kept when already valid UTF-8 (a byte-order mark
/// dropped), read as Windows-1252 otherwise.
[[nodiscard]] std::string DecodeToUtf8(std::string_view bytes);

/// Parses one number as the table's cells hold it ("1,5E-2" with a comma
/// mark); NaN for an empty cell or "NaN"; false when it is not a number.
[[nodiscard]] bool ParseCell(std::string_view cell, char decimalMark, double& value);

} // namespace kestrova
