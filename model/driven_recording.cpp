#include "model/driven_recording.h"

namespace kestrova {

void DrivenRecording::Reset(const DrivenMotion& motion)
{
    rows_.assign(1, motion.State());
    stepsInPeriod_ = motion.StepsInPeriod();
    stepSeconds_ = motion.StepSeconds();
    drivePulsation_ = motion.Setup().drivePulsation;
    settledAt_.reset();
}

void DrivenRecording::Add(Motion state)
{
    rows_.push_back(state);
    const std::size_t steps = static_cast<std::size_t>(stepsInPeriod_);
    const std::size_t last = rows_.size() - 1;
    // At the end of each period, the criterion the sweeps use.
    if (!settledAt_ && last % steps == 0
        && PeriodRepeats(rows_[last - steps], state, drivePulsation_))
        settledAt_ = static_cast<int>(last / steps);
}

int DrivenRecording::Periods() const
{
    return static_cast<int>((rows_.size() - 1) / static_cast<std::size_t>(stepsInPeriod_));
}

std::span<const Motion> DrivenRecording::Period(int index) const
{
    const std::size_t steps = static_cast<std::size_t>(stepsInPeriod_);
    return std::span<const Motion>(rows_).subspan(static_cast<std::size_t>(index) * steps,
                                                  steps + 1);
}

} // namespace kestrova
