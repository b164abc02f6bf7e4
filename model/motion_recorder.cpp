#include "model/motion_recorder.h"

#include <cmath>

namespace kestrova {

namespace {

// Room for the first minute: a damped swing at the start values has come to
// rest by then, and longer runs grow the table geometrically.
constexpr std::size_t kReservedRows = 6001;

double RowTime(std::size_t index)
{
    // A division, not repeated additions: row 1000 is exactly 10 s.
    return static_cast<double>(index) / MotionRecorder::kRowsPerSecond;
}

} // namespace

void MotionRecorder::Reset(const TraceSample& start, double Pulsation2, double Lambda)
{
    rows_.clear();
    rows_.reserve(kReservedRows);
    last_ = start;
    last_.time = 0;
    start_ = start.exact;
    Pulsation2_ = Pulsation2;
    Lambda_ = Lambda;
    rows_.push_back({start.exact, start.approx});
}

void MotionRecorder::Add(const TraceSample& sample)
{
    const bool finite = std::isfinite(sample.time) && std::isfinite(sample.exact.angle)
        && std::isfinite(sample.exact.speed) && std::isfinite(sample.approx.angle)
        && std::isfinite(sample.approx.speed);
    if (!finite || !(sample.time > last_.time) || rows_.empty())
        return;
    // The motion between two samples is the integration carried on from the
    // earlier one, row after row (one short RK4 step when the samples are a
    // millisecond apart, equal sub-steps across a long tick), so a row is
    // what the model gives at that instant, not a guess between ticks. The
    // small-angle motion has a closed form: taken at the instant itself.
    const double maxSubStep = MaxSubStep(std::sqrt(Pulsation2_));
    Motion from = last_.exact;
    double fromTime = last_.time;
    for (double t = RowTime(rows_.size()); t <= sample.time; t = RowTime(rows_.size())) {
        from = Integrate(from, Pulsation2_, Lambda_, t - fromTime, maxSubStep);
        fromTime = t;
        rows_.push_back(
            {from, LinearSolution(start_.angle, start_.speed, Pulsation2_, Lambda_, t).motion});
    }
    last_ = sample;
}

double MotionRecorder::NextRowTime() const
{
    return RowTime(rows_.size());
}

RecordedRow MotionRecorder::Row(std::size_t index) const
{
    const Stored& row = rows_.at(index);
    return {RowTime(index), row.exact, row.approx};
}

} // namespace kestrova
