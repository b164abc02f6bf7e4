#pragma once

/// \file
/// FramePacer: tells the screen about the picture boxes' drawing once a
/// frame, all boxes at the same moment.

#include "clock/high_resolution_clock.h"

#include <QBasicTimer>
#include <QObject>

#include <cstdint>
#include <vector>

class QScreen;

namespace kestrova {

/// Drawing comes at any pace (a slider drag redraws on every event); the
/// screen is told at most once a frame, and every box that drew since the
/// last frame is told together, so that their repaints reach the screen in
/// one flush of the window. An animation's tick, which is itself paced by
/// the frames, calls ShowFrame at its end: its drawing then reaches the
/// screen without a second wake-up.
class FramePacer : public QObject {
public:
    /// What waits for a frame: a box with drawing not yet on screen.
    class Client {
    public:
        /// Shows what was drawn since the last frame.
        virtual void ShowFrame() = 0;

    protected:
        ~Client() = default;
    };

    /// The application's pacer on the monotonic clock; null before the
    /// application object exists.
    static FramePacer* Instance();

    FramePacer(CounterSource& clock, QObject* parent);

    /// Time between two frames of `screen`: its refresh rate, 60 Hz when
    /// unknown, never below a millisecond.
    [[nodiscard]] static std::int64_t FramePeriodNs(const QScreen* screen);
    /// A timer interval (whole ms) that wakes once per frame of `screen`,
    /// never slower than the screen.
    [[nodiscard]] static int FrameIntervalMs(const QScreen* screen);

    /// Queues the client for the next frame; frames come periodNs apart.
    void Wait(Client* client, std::int64_t periodNs);
    /// Drops a client that goes away before its frame.
    void Forget(Client* client);

    /// Nanoseconds until the next frame is due, 0 if it is due already.
    [[nodiscard]] std::int64_t NanosecondsToNextFrame() const;
    /// The same in whole milliseconds for a timer, at least 1: an animation
    /// that waits this long after each ShowFrame ticks at the frames' pace.
    [[nodiscard]] int MillisecondsToNextFrame() const;
    /// Shows the frame to every waiting client; the timer calls it when due.
    void ShowFrame();
    /// No client waits, so the timer sleeps: nothing wakes while nothing moves.
    [[nodiscard]] bool Idle() const { return !timer_.isActive(); }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    [[nodiscard]] std::int64_t NowNs() const;

    CounterSource& clock_;
    QBasicTimer timer_;
    std::int64_t nextFrameNs_ = 0; ///< the earliest the screen may be told again
    std::int64_t periodNs_ = 16'666'667;
    std::vector<Client*> waiting_;
};

} // namespace kestrova
