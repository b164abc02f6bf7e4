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

struct ArchiveReading {
    /// The largest data set.
    TableReading reading;
    /// Experiment times at which the recording paused.
    std::vector<double> pauses;
};

/// Reads the archive in `bytes`; a refusal when it is no readable zip or
/// holds no table.
[[nodiscard]] ArchiveReading ReadMeasurementArchive(std::string_view bytes);

/// The pause times a meta/time.csv table lists: each PAUSE event's
/// experiment time.
[[nodiscard]] std::vector<double> PausesOfTimeTable(std::string_view bytes);

} // namespace kestrova
