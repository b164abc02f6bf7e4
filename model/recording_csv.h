#pragma once

/// \file
/// The recorded motion as a CSV table: a header naming each column with its
/// unit, then one line per row. Numbers are written the same on every
/// machine (ASCII digits, no group separator) with only the decimal mark and
/// the field separator chosen by the caller, so that a spreadsheet of the
/// user's language reads them as numbers. Lines starting with "#" above the
/// header tell the setup the run was made with: a spreadsheet shows them as
/// text, and a reader told of the mark (pandas' comment="#") skips them.

#include "model/motion_recorder.h"
#include "model/parameters.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

/// Time, angle (°, rad), angular speed, small-angle angle and speed, and the
/// kinetic, potential and total energy of the integrated motion per unit of m·L².
inline constexpr std::size_t kRecordingColumns = 9;

struct CsvStyle {
    char separator = ',';
    char decimalMark = '.';
};

/// ";" between fields where the decimal mark is a comma (a French
/// spreadsheet then opens the file as numbers), "," otherwise.
[[nodiscard]] CsvStyle CsvStyleFor(char decimalMark);

/// Receives the text in pieces; returns false to stop (a write that failed).
using CsvSink = std::function<bool(std::string_view)>;

/// The program (name and version, as `program` gives them) and the setup of
/// a run, one line each, to go above the table: "Kestrova 1.0", "θ₀ = 45°",
/// "θ'₀ = 0 rad/s", "ω₀ = 4,0 rad/s", "λ = 0,22 s⁻¹". Symbols and units
/// only, the same in every language; the numbers with `decimalMark`.
[[nodiscard]] std::vector<std::string> SetupNotes(const SliderValues& setup, char decimalMark,
                                                  std::string_view program);

/// The top of a table: a UTF-8 byte-order mark for spreadsheets, each note
/// as a line "# note", then the header (titles in UTF-8, one per column).
[[nodiscard]] std::string CsvTableTop(std::span<const std::string> notes,
                                      std::span<const std::string_view> titles, char separator);

/// Hands `out` to the sink and empties it once it holds a piece of some tens
/// of kilobytes, so that a long table never sits whole in memory. False
/// when the sink failed.
bool FlushCsvPiece(std::string& out, const CsvSink& sink);

/// Writes each note as a line "# note", then the header (titles in UTF-8,
/// one per column), all preceded by a UTF-8 byte-order mark for
/// spreadsheets, and every row of the recording to the sink, in pieces of
/// some tens of kilobytes. Angles and speeds carry eight decimals, the time
/// two. Returns false as soon as the sink does.
bool WriteRecordingCsv(const MotionRecorder& recording, CsvStyle style,
                       std::span<const std::string> notes,
                       const std::array<std::string_view, kRecordingColumns>& titles,
                       const CsvSink& sink);

} // namespace kestrova
