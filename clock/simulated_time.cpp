#include "clock/simulated_time.h"

namespace kestrova {

void SimulatedTime::Start()
{
    clock_.ReadStart();
    counted_ = 0;
}

double SimulatedTime::Now()
{
    clock_.ReadCurrent();
    return counted_ + speed_ * clock_.ElapsedSeconds();
}

void SimulatedTime::SetSpeed(double speed, bool running)
{
    if (running) {
        counted_ = Now();
        // The tick reading just taken is where the new pace starts.
        clock_.StartCount = clock_.CurrentCount;
    }
    speed_ = speed;
}

} // namespace kestrova
