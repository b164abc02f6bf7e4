#pragma once

/// \file
/// The recorded motion of a damped run: one row every 10 ms of displayed
/// time from 0, carried on from the samples the animation produces, so
/// that a run can leave the program as a table whatever the pace of its
/// ticks. Kept compact (four doubles a row, the time implied by the row's
/// index): a two-hour run holds 720,001 rows, about 23 MB.

#include "model/damped_animation.h"

#include <cstddef>
#include <vector>

namespace kestrova {

/// One row of the recording.
struct RecordedRow {
    double time = 0; ///< s, a whole number of row intervals
    Motion exact;    ///< integrated motion
    Motion approx;   ///< small-angle solution
};

class MotionRecorder {
public:
    static constexpr double kRowsPerSecond = 100;

    /// Starts a new recording at displayed time 0 with `start` as its first
    /// row (its exact motion is the initial conditions), for a pendulum of
    /// square pulsation Pulsation2 and damping Lambda.
    void Reset(const TraceSample& start, double Pulsation2, double Lambda);

    /// Takes the motion at a later instant and adds every row whose time lies
    /// after the previous sample and not after this one: the exact motion
    /// integrated on from the previous sample to the row's instant, the
    /// small-angle solution at that instant. A sample that is not later than
    /// the previous one, or not finite, is ignored. Amortised O(1) for samples
    /// a few milliseconds apart, no allocation beyond the growth of the table.
    void Add(const TraceSample& sample);

    /// Adds the next row as its owner computed it, for a motion this
    /// recorder cannot integrate itself (the driven pendulum's); it has no
    /// small-angle solution, so its approx is its exact motion.
    void Append(const Motion& exact) { rows_.push_back({exact, exact}); }
    /// The time of the row Append adds next (s).
    [[nodiscard]] double NextRowTime() const;

    [[nodiscard]] std::size_t RowCount() const { return rows_.size(); }
    [[nodiscard]] RecordedRow Row(std::size_t index) const;
    /// The latest sample taken (the start after a reset): where the traces
    /// end, at most one row interval after the last row.
    [[nodiscard]] const TraceSample& Last() const { return last_; }
    [[nodiscard]] double Pulsation2() const { return Pulsation2_; }

private:
    struct Stored {
        Motion exact;
        Motion approx;
    };

    std::vector<Stored> rows_;
    TraceSample last_;
    Motion start_; ///< the initial conditions, for the small-angle solution
    double Pulsation2_ = 0;
    double Lambda_ = 0;
};

} // namespace kestrova
