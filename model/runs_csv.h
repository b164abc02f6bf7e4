#pragma once

/// \file
/// Several runs in one CSV table, the current one and the kept ones: a
/// column names the run, then its time, motion and energies, one line per
/// recorded row. Written like the single-run table (recording_csv.h). A
/// measured series (or a curve fitted to one) takes the same columns: its
/// angle or its angular speed, the other cells left empty.

#include "model/measured_series.h"
#include "model/recording_csv.h"

#include <span>
#include <string>
#include <vector>

namespace kestrova {

/// Run, time, angle, angular speed, kinetic, potential and total energy.
inline constexpr std::size_t kRunsColumns = 7;

struct CsvRun {
    std::string name;
    const MotionRecorder* recording = nullptr;
    /// Written instead of a recording when set.
    const MeasuredSeries* series = nullptr;
};

/// Each note as a line "# note" (the program, then each run with all its
/// parameters, since a run's name gives only what sets it apart), the
/// header, then every row of every run in turn. Returns false as soon as
/// the sink does.
bool WriteRunsCsv(const std::vector<CsvRun>& runs, CsvStyle style,
                  std::span<const std::string> notes,
                  const std::array<std::string_view, kRunsColumns>& titles, const CsvSink& sink);

} // namespace kestrova
