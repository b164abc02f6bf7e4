#pragma once

/// \file
/// The driven run as it went: its state after every integration step since
/// the reset. A driving period is a whole number of steps, so the rows that
/// start each period are the Poincaré section of the run, and any period
/// can be measured again from its rows. Two doubles a row: at the periodic
/// case's 40 steps a second, an hour holds 144,000 rows (2.3 MB).

#include "model/driven_motion.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace kestrova {

class DrivenRecording {
public:
    /// Starts again with `motion`'s present state as the only row; its
    /// step and period are those of every later row.
    void Reset(const DrivenMotion& motion);
    /// The state after one more step.
    void Add(Motion state);

    [[nodiscard]] std::size_t RowCount() const { return rows_.size(); }
    [[nodiscard]] std::span<const Motion> Rows() const { return rows_; }
    /// s since the reset at row `index`.
    [[nodiscard]] double TimeOf(std::size_t index) const
    {
        return static_cast<double>(index) * stepSeconds_;
    }
    [[nodiscard]] int StepsInPeriod() const { return stepsInPeriod_; }
    [[nodiscard]] double DrivePulsation() const { return drivePulsation_; }
    /// Whole driving periods recorded.
    [[nodiscard]] int Periods() const;
    /// The rows of period `index` (from 0), its start and end included.
    [[nodiscard]] std::span<const Motion> Period(int index) const;
    /// The first period whose start repeats the previous period's start
    /// (PeriodRepeats): the periods before it were the transient, as many as
    /// MeasureSteady counts. Empty while none has.
    [[nodiscard]] std::optional<int> SettledAt() const { return settledAt_; }

private:
    std::vector<Motion> rows_;
    int stepsInPeriod_ = 1;
    double stepSeconds_ = 0;
    double drivePulsation_ = 1;
    std::optional<int> settledAt_;
};

} // namespace kestrova
