// The frame pacer on a fake clock: boxes that drew are told together, once
// a frame; the pace holds whatever the timer's rounding, and starts afresh
// after a late frame.

#include "plot/frame_pacer.h"

#include <QtTest>

using namespace kestrova;

namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kPeriod = 16 * kMs;

struct Box : FramePacer::Client {
    int frames = 0;
    void ShowFrame() override { ++frames; }
};

} // namespace

class TestFramePacer : public QObject {
    Q_OBJECT

private slots:
    void boxesAreToldTogetherOnceAFrame()
    {
        FakeCounterSource clock;
        FramePacer pacer(clock, nullptr);
        Box figure, trace, gone;
        QVERIFY(pacer.Idle());
        pacer.Wait(&figure, kPeriod);
        QCOMPARE(pacer.NanosecondsToNextFrame(), 0); // after a quiet spell: at once
        QVERIFY(!pacer.Idle());
        pacer.ShowFrame();
        QVERIFY(pacer.Idle());
        clock.AdvanceCounts(5 * kMs);
        for (Box* box : {&figure, &trace, &gone})
            pacer.Wait(box, kPeriod);
        pacer.Forget(&gone);
        QCOMPARE(pacer.NanosecondsToNextFrame(), kPeriod - 5 * kMs);
        clock.AdvanceCounts(kPeriod - 4 * kMs); // the timer fired a millisecond late
        pacer.ShowFrame();
        QCOMPARE(QList({figure.frames, trace.frames, gone.frames}), QList({2, 1, 0}));
        // The next frame one period after this one was due, not after it came.
        QCOMPARE(pacer.NanosecondsToNextFrame(), kPeriod - kMs);

        // A frame two and a half periods late: no burst of frames to catch up.
        pacer.ShowFrame();
        clock.AdvanceCounts(40 * kMs);
        QCOMPARE(pacer.NanosecondsToNextFrame(), 0);
        pacer.ShowFrame();
        QCOMPARE(pacer.NanosecondsToNextFrame(), kPeriod);
    }
};

QTEST_GUILESS_MAIN(TestFramePacer)
#include "tst_frame_pacer.moc"
