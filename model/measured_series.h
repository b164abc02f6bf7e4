#pragma once

/// \file
/// A measured motion of the pendulum: the times and the angle or angular
/// speed picked from an imported table, with the pauses of the recording.
/// The table's columns become a series here: angles in degrees or radians,
/// positions of the bob around the pivot, or one axis of a gyroscope.

#include "model/measurement_archive.h"
#include "model/measurement_table.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kestrova {

enum class MeasuredQuantity {
    AngleDegrees,
    AngleRadians,
    /// x and y of the bob, y upwards, in any one length unit: the angle is
    /// taken from the pivot's position.
    Positions,
    /// rad/s, one axis of a gyroscope.
    AngularSpeed,
};

struct SeriesPick {
    std::size_t timeColumn = 0;
    MeasuredQuantity quantity = MeasuredQuantity::AngleDegrees;
    std::size_t column = 1;  ///< the angle, the speed, or x
    std::size_t yColumn = 2; ///< y, for positions
    double pivotX = 0;
    double pivotY = 0;
};

struct MeasuredSeries {
    std::vector<double> time; ///< s, strictly increasing
    /// rad for an angle, rad/s for a speed.
    std::vector<double> value;
    bool speed = false;
    /// Times after which the recording paused: the motion between one
    /// sample and the next is not known there.
    std::vector<double> pauses;

    bool operator==(const MeasuredSeries&) const = default;
};

struct SeriesReading {
    MeasuredSeries series;
    const char* refusal = nullptr; ///< French, in kMeasurementContext; %1 a row
    std::size_t row = 0;

    [[nodiscard]] bool Ok() const { return refusal == nullptr; }
};

/// The series `pick` takes from `table`: rows where a value is missing are
/// left out; times that go back or repeat are refused. The times after each
/// of `pauses` (the recorder's own account of them) move on by its length,
/// so that they run as the pendulum did; then a time step much longer than
/// the usual one counts as a pause.
[[nodiscard]] SeriesReading MakeSeries(const MeasurementTable& table, const SeriesPick& pick,
                                       const std::vector<RecordingPause>& pauses = {});

/// What the table most likely holds: the time column by its name or its
/// unit (else the first), and the quantity by names and units; for a speed
/// the axis that varies most.
[[nodiscard]] SeriesPick ProposedPick(const MeasurementTable& table);

/// Most samples a lesson file carries: every one the importer reads.
inline constexpr std::size_t kLessonMeasurementMaxSamples = kMeasurementMaxRows;

/// A series a lesson may carry: as many times as values, from 2 to
/// kLessonMeasurementMaxSamples, all finite, the times strictly
/// increasing, the pauses among them.
[[nodiscard]] bool SeriesSound(const MeasuredSeries& series);

/// The longest stretch of `series` with no pause: first and last index.
struct SampleSpan {
    std::size_t first = 0;
    std::size_t last = 0;
};
[[nodiscard]] SampleSpan LongestUnbrokenSpan(const MeasuredSeries& series);

} // namespace kestrova
