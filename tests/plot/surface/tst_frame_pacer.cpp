// The frame pacer on a fake clock: boxes that drew are told together, once
// a frame; the pace holds whatever the timer's rounding, and starts afresh
// after a late frame.

#include "plot/frame_pacer.h"

#include <QtTest>

using namespace kestrova;

namespace {

constexpr std::int64_t kPeriodNs = 16'000'000;
constexpr std::int64_t kMs = 1'000'000;

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
        pacer.Wait(&figure, kPeriodNs);
        QCOMPARE(pacer.NanosecondsToNextFrame(), std::int64_t{0}); // after a quiet spell: at once
        pacer.ShowFrame();
        QCOMPARE(figure.frames, 1);

        clock.AdvanceCounts(5 * kMs);
        pacer.Wait(&figure, kPeriodNs);
        pacer.Wait(&trace, kPeriodNs);
        pacer.Wait(&gone, kPeriodNs);
        pacer.Forget(&gone);
        QCOMPARE(pacer.NanosecondsToNextFrame(), kPeriodNs - 5 * kMs);
        clock.AdvanceCounts(kPeriodNs - 4 * kMs); // the timer fired a millisecond late
        pacer.ShowFrame();
        QCOMPARE(figure.frames, 2);
        QCOMPARE(trace.frames, 1);
        QCOMPARE(gone.frames, 0);
        // The next frame one period after this one was due, not after it came.
        pacer.Wait(&figure, kPeriodNs);
        QCOMPARE(pacer.NanosecondsToNextFrame(), kPeriodNs - kMs);

        // A frame two and a half periods late: no burst of frames to catch up.
        pacer.ShowFrame();
        clock.AdvanceCounts(40 * kMs);
        pacer.Wait(&figure, kPeriodNs);
        QCOMPARE(pacer.NanosecondsToNextFrame(), std::int64_t{0});
        pacer.ShowFrame();
        pacer.Wait(&figure, kPeriodNs);
        QCOMPARE(pacer.NanosecondsToNextFrame(), kPeriodNs);
    }
};

QTEST_GUILESS_MAIN(TestFramePacer)
#include "tst_frame_pacer.moc"
