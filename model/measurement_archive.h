#pragma once

/// \file
/// The zip a smartphone's sensor recorder exports: one CSV table per data
/// set, and meta/time.csv, whose START and PAUSE events tell when the
/// recording paused.

#include "model/measurement_table.h"

#include <string_view>
#include <vector>

namespace kestrova {

/// Whether `bytes` start like a zip archive.
[[nodiscard]] bool LooksLikeZip(std::string_view bytes);

/// A pause of the recording: the experiment time stops at `at` while
/// `seconds` of real time go by.
struct RecordingPause {
    double at = 0;
    double seconds = 0;

    bool operator==(const RecordingPause&) const = default;
};

struct ArchiveReading {
    /// The largest data set.
    TableReading reading;
    std::vector<RecordingPause> pauses;
};

/// Reads the archive in `bytes`; a refusal when it is no readable zip or
/// holds no table.
[[nodiscard]] ArchiveReading ReadMeasurementArchive(std::string_view bytes);

/// Reads a measurement file's bytes: an archive or a single table.
[[nodiscard]] ArchiveReading ReadMeasurementFile(std::string_view bytes);

/// The pauses a meta/time.csv table lists: each PAUSE event's experiment
/// time, and the system time that passed until the next START.
[[nodiscard]] std::vector<RecordingPause> PausesOfTimeTable(std::string_view bytes);

} // namespace kestrova
