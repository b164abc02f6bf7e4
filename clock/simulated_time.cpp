#include "clock/simulated_time.h"

namespace kestrova {

void SimulatedTime::Start()
{
    start_ = clock_.Read();
    paced_.Restart();
}

double SimulatedTime::RealSeconds() const
{
    return clock_.SecondsBetween(start_, clock_.Read());
}

double SimulatedTime::Now() const
{
    return paced_.At(RealSeconds());
}

void SimulatedTime::SetSpeed(double speed, bool running)
{
    // Stopped, the next Start counts from 0 again at the new pace.
    paced_.SetFactor(speed, running ? RealSeconds() : 0.0);
    if (!running)
        paced_.Restart();
}

} // namespace kestrova
