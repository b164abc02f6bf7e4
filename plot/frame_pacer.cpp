#include "plot/frame_pacer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>

namespace kestrova {

FramePacer* FramePacer::Instance()
{
    static MonotonicCounterSource monotonic;
    static QPointer<FramePacer> instance;
    if (instance.isNull() && QCoreApplication::instance() != nullptr)
        instance = new FramePacer(monotonic, QCoreApplication::instance());
    return instance.data();
}

FramePacer::FramePacer(CounterSource& clock, QObject* parent)
    : QObject(parent)
    , clock_(clock)
{ }

std::int64_t FramePacer::FramePeriodNs(const QScreen* screen)
{
    const double rate =
        screen != nullptr && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    return std::max<std::int64_t>(1'000'000, static_cast<std::int64_t>(1e9 / rate));
}

int FramePacer::FrameIntervalMs(const QScreen* screen)
{
    return static_cast<int>(FramePeriodNs(screen) / 1'000'000);
}

std::int64_t FramePacer::NowNs() const
{
    const ClockValue frequency = clock_.QueryFrequency();
    if (frequency <= 0)
        return 0;
    // Whole seconds and the rest apart: no overflow for a long uptime.
    const ClockValue count = clock_.QueryCounter();
    return count / frequency * 1'000'000'000 + count % frequency * 1'000'000'000 / frequency;
}

std::int64_t FramePacer::NanosecondsToNextFrame() const
{
    return std::max<std::int64_t>(0, nextFrameNs_ - NowNs());
}

int FramePacer::MillisecondsToNextFrame() const
{
    return static_cast<int>(
        std::max<std::int64_t>(1, (NanosecondsToNextFrame() + 999'999) / 1'000'000));
}

void FramePacer::Wait(Client* client, std::int64_t periodNs)
{
    waiting_.push_back(client);
    periodNs_ = std::max<std::int64_t>(1, periodNs);
    if (!timer_.isActive()) {
        const std::int64_t wait = NanosecondsToNextFrame();
        timer_.start(static_cast<int>((wait + 999'999) / 1'000'000), Qt::PreciseTimer, this);
    }
}

void FramePacer::Forget(Client* client)
{
    std::erase(waiting_, client);
}

void FramePacer::ShowFrame()
{
    timer_.stop();
    std::vector<Client*> due;
    due.swap(waiting_);
    for (Client* client : due)
        client->ShowFrame();
    // The next frame one period after this one was due, so that the pace
    // holds whatever the timer's rounding; after a quiet spell or a frame
    // more than half a period late, one period from now.
    const std::int64_t now = NowNs();
    const std::int64_t next = nextFrameNs_ + periodNs_;
    nextFrameNs_ = next >= now + periodNs_ / 2 ? next : now + periodNs_;
}

void FramePacer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == timer_.timerId())
        ShowFrame();
    else
        QObject::timerEvent(event);
}

} // namespace kestrova
