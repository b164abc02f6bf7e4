// Long runs on the fake clock: two hours of damped animation at 1 ms ticks
// through the window's own tick, and an hour of Foucault ticks, watching the
// energy, every value, the trail and the heap.
//
// KESTROVA_LONG_RUN_SCALE=f multiplies every simulated duration (the
// sanitizer build runs a shorter share of the same runs).

#include "tests/support/recording_surface.h"

#include "clock/high_resolution_clock.h"
#include "model/pendulum_state.h"
#include "plot/qt_picture_box.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/foucault/foucault_motion.h"
#include "ui/foucault/frm_foucault.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <numbers>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of the bytes its allocator holds (declared
// here: GCC does not install the sanitizer interface headers).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

using namespace kestrova;
using kestrova::testing::RecordingSurface;

// ---------------------------------------------------------------------------
// Heap accounting. Live blocks are counted at the C++ allocation functions
// (every element of the trail, every Qt object) and, below them, the bytes the
// C allocator holds (Qt's strings and arrays use malloc directly).

#if !defined(__SANITIZE_ADDRESS__)
namespace {
std::int64_t gLiveNew = 0;
}

void* operator new(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    ++gLiveNew;
    return p;
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void operator delete(void* p) noexcept
{
    if (p != nullptr) {
        --gLiveNew;
        std::free(p);
    }
}
void operator delete[](void* p) noexcept
{
    operator delete(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    operator delete(p);
}
#endif

namespace {

struct HeapUse {
    std::int64_t blocks = 0; ///< live C++ allocations (0 where not counted)
    std::int64_t bytes = 0;  ///< bytes held by the C allocator
};

HeapUse CurrentHeapUse()
{
    HeapUse use;
#if defined(__SANITIZE_ADDRESS__)
    use.bytes = static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    use.blocks = gLiveNew;
    const struct mallinfo2 info = mallinfo2();
    use.bytes = static_cast<std::int64_t>(info.uordblks + info.hblkhd);
#endif
    return use;
}

double Scale()
{
    bool ok = false;
    const double scale = qEnvironmentVariable("KESTROVA_LONG_RUN_SCALE").toDouble(&ok);
    return ok && scale > 0 ? scale : 1.0;
}

double Energy(const PenduleState& s)
{
    return s.Omega * s.Omega / 2 + s.Pulsation2 * (1 - std::cos(s.Teta));
}

bool AllFinite(const PenduleState& s)
{
    for (double v :
         {s.Teta0, s.Omega0, s.Pulsation2, s.Lambda, s.Teta, s.Omega, s.TetaApprox, s.OmegaApprox,
          s.Temps, s.TempsPrec, s.TempsCumul, s.TetaMax, s.OmegaMax, s.DureeTrace})
        if (!std::isfinite(v))
            return false;
    return true;
}

/// A damped window on a fake clock, its sliders set as the user would.
struct DampedRun {
    DampedRun(int teta0, int omega0, int pulsation, int lambda)
    {
        clock.ReadFrequency();
        window = std::make_unique<frmPenduleAmorti>(clock);
        window->SetFaultReporter([this](const QString&) { ++faults; });
        const char* names[] = {"sldTeta0", "sldOmega0", "sldPulsation", "sldLambda"};
        const int values[] = {teta0, omega0, pulsation, lambda};
        for (int i = 0; i < 4; ++i)
            window->findChild<QSlider*>(QLatin1String(names[i]))->setValue(values[i]);
        window->findChild<QPushButton*>(QStringLiteral("cmdPosInit"))->click();
    }

    void DrawOnCheckingSurfaces()
    {
        DampedSurfaces s;
        s.picPendule = &surfaces[0];
        s.picOscillation = {&surfaces[1], &surfaces[2]};
        s.picPhase = {&surfaces[3], &surfaces[4]};
        window->SetSurfaces(s);
        window->ResetSimulation();
    }

    void Start() { window->findChild<QPushButton*>(QStringLiteral("chkGo"))->click(); }
    QTimer* Timer() const { return window->findChild<QTimer*>(QStringLiteral("tmrPendule")); }

    FakeCounterSource source{1'000'000'000};
    HighResolutionClock clock{source};
    std::array<RecordingSurface, 5> surfaces{
        RecordingSurface(433, 433, RecordingSurface::kCountsOnly),
        RecordingSurface(344, 320, RecordingSurface::kCountsOnly),
        RecordingSurface(344, 320, RecordingSurface::kCountsOnly),
        RecordingSurface(464, 320, RecordingSurface::kCountsOnly),
        RecordingSurface(464, 320, RecordingSurface::kCountsOnly)};
    std::unique_ptr<frmPenduleAmorti> window;
    int faults = 0;
};

} // namespace

class TestLongRuns : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void dampedTwoHoursAtMillisecondTicks_data();
    void dampedTwoHoursAtMillisecondTicks();
    void dampedOnRealPictureBoxesKeepsTheHeap();
    void foucaultHourKeepsTrailAndHeap();
};

void TestLongRuns::dampedTwoHoursAtMillisecondTicks_data()
{
    QTest::addColumn<int>("teta0");     // degrees
    QTest::addColumn<int>("omega0");    // rad/s
    QTest::addColumn<int>("pulsation"); // tenths of rad/s
    QTest::addColumn<bool>("overTheTop");

    // The fastest swing the sliders allow, undamped: the hardest case for
    // the integration step.
    QTest::addRow("omega0 20, from the top (180 deg)") << 180 << 0 << 200 << false;
    QTest::addRow("omega0 20, from the bottom at 10 rad/s") << 0 << 10 << 200 << false;
    // Enough speed to go round and round: the angle wraps at every turn.
    QTest::addRow("over the top: omega0 1, 10 rad/s") << 0 << 10 << 10 << true;
    QTest::addRow("over the top just above the barrier: omega0 4.9, 10 rad/s")
        << 0 << 10 << 49 << true;
}

void TestLongRuns::dampedTwoHoursAtMillisecondTicks()
{
    QFETCH(int, teta0);
    QFETCH(int, omega0);
    QFETCH(int, pulsation);
    QFETCH(bool, overTheTop);

    // The window's own tick, fed by the fake clock every millisecond; only the
    // drawing goes to counting surfaces (millions of segments).
    DampedRun run(teta0, omega0, pulsation, 0);
    run.DrawOnCheckingSurfaces();
    const double e0 = Energy(run.window->State());
    run.Start();

    const auto ticks = static_cast<std::int64_t>(std::llround(7200.0 * Scale() * 1000.0));
    double worstDrift = 0;
    std::int64_t wraps = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    for (std::int64_t k = 1; k <= ticks; ++k) {
        const double before = run.window->State().Teta;
        run.source.AdvanceCounts(1'000'000);
        run.window->AnimationTick();
        const PenduleState& s = run.window->State();
        if (!AllFinite(s))
            QFAIL(qPrintable(QStringLiteral("non-finite state at tick %1").arg(k)));
        if (!(s.Teta > -std::numbers::pi && s.Teta <= std::numbers::pi))
            QFAIL(qPrintable(QStringLiteral("angle %1 at tick %2").arg(s.Teta, 0, 'g', 17).arg(k)));
        wraps += std::abs(s.Teta - before) > PI;
        worstDrift = std::max(worstDrift, std::abs(Energy(s) - e0) / e0);
    }
    const PenduleState& s = run.window->State();
    qInfo("%lld ticks (%.0f s simulated) in %.1f s: worst relative energy drift %.3g, %lld wraps",
          static_cast<long long>(ticks), s.TempsCumul + s.Temps,
          static_cast<double>(elapsed.elapsed()) / 1000.0, worstDrift,
          static_cast<long long>(wraps));

    QVERIFY2(worstDrift < 1e-6, qPrintable(QString::number(worstDrift)));
    QCOMPARE(run.faults, 0);
    QVERIFY(run.Timer()->isActive()); // undamped: never stops by itself
    QVERIFY(std::abs(s.TempsCumul + s.Temps - static_cast<double>(ticks) / 1000.0) < 1e-6);
    QCOMPARE(overTheTop, wraps > 0);
    for (const RecordingSurface& surface : run.surfaces)
        QCOMPARE(surface.nonFinite, 0);
    // Every tick drew its six segments.
    QVERIFY(run.surfaces[2].drawn >= 2 * ticks);
}

void TestLongRuns::dampedOnRealPictureBoxesKeepsTheHeap()
{
    // Minutes of 1 ms ticks on the window's own picture boxes: segments are
    // painted into the boxes' images, nothing is kept per tick.
    DampedRun run(90, 0, 40, 0);
    run.Start();
    const auto ticks = static_cast<std::int64_t>(std::llround(120.0 * Scale() * 1000.0));
    HeapUse warm;
    for (std::int64_t k = 1; k <= ticks; ++k) {
        run.source.AdvanceCounts(1'000'000);
        run.window->AnimationTick();
        if (k % 1000 == 0)
            QCoreApplication::sendPostedEvents(); // the screen updates now and then
        if (k == 5000)
            warm = CurrentHeapUse();
    }
    QCoreApplication::sendPostedEvents();
    const HeapUse end = CurrentHeapUse();
    qInfo("heap after warm-up: %lld blocks, %lld bytes; at the end: %lld blocks, %lld bytes",
          static_cast<long long>(warm.blocks), static_cast<long long>(warm.bytes),
          static_cast<long long>(end.blocks), static_cast<long long>(end.bytes));
    QVERIFY(AllFinite(run.window->State()));
    QCOMPARE(run.faults, 0);
    // A few blocks of slack for a cache the platform may fill late; a leak
    // per tick would be thousands.
    QVERIFY2(end.blocks <= warm.blocks + 4, "live allocations grew");
    QVERIFY2(end.bytes <= warm.bytes + 64 * 1024, "heap grew");
}

void TestLongRuns::foucaultHourKeepsTrailAndHeap()
{
    // The window on its real picture boxes, ticked at its own interval (164
    // ms for the default 67 m) for an hour of simulated time.
    FakeCounterSource source(3'579'545);
    HighResolutionClock clock(source);
    clock.ReadFrequency();
    frmFoucault window(clock);
    window.findChild<QPushButton*>(QStringLiteral("cmdGo"))->click();
    QTimer* timer = window.findChild<QTimer*>(QStringLiteral("tmrCourbe"));
    QVERIFY(timer->isActive());
    const int interval = timer->interval();
    QCOMPARE(interval, 164);

    const double seconds = 3600.0 * Scale();
    const auto ticks = static_cast<std::int64_t>(seconds * 1000.0 / interval);
    const std::int64_t counts = std::llround(3'579'545.0 * interval / 1000.0);
    HeapUse warm;
    for (std::int64_t k = 1; k <= ticks; ++k) {
        source.AdvanceCounts(counts);
        QMetaObject::invokeMethod(timer, "timeout");
        const int count = window.Points().CountPoint();
        if (count != std::min<std::int64_t>(k, foucault::kTrailLength))
            QFAIL(qPrintable(QStringLiteral("%1 points after %2 ticks").arg(count).arg(k)));
        if (k % 100 == 0)
            QCoreApplication::sendPostedEvents();
        if (k == 1000)
            warm = CurrentHeapUse();
    }
    QCoreApplication::sendPostedEvents();
    const HeapUse end = CurrentHeapUse();
    qInfo("%lld ticks, %.0f s simulated; heap after warm-up: %lld blocks, %lld bytes; at the end: "
          "%lld blocks, %lld bytes",
          static_cast<long long>(ticks), window.TempsEcoule(), static_cast<long long>(warm.blocks),
          static_cast<long long>(warm.bytes), static_cast<long long>(end.blocks),
          static_cast<long long>(end.bytes));

    QVERIFY(std::abs(window.TempsEcoule() - static_cast<double>(ticks * counts) / 3'579'545.0)
            < 1e-9);
    // The newest point is where the bob is now, the oldest 99 ticks earlier.
    const double omegaPendule = window.OmegaPendule();
    for (int i : {1, foucault::kTrailLength}) {
        const double t =
            static_cast<double>((ticks - foucault::kTrailLength + i) * counts) / 3'579'545.0;
        const foucault::GroundPosition bob =
            foucault::BobOnGround(foucault::kAmplitude, omegaPendule, foucault::OmegaTerre(), t);
        QVERIFY(std::abs(window.Points().Point(i)->X0Line - bob.PosX) < 1e-9);
        QVERIFY(std::abs(window.Points().Point(i)->Y0Line - bob.PosY) < 1e-9);
    }
    // A few blocks of slack for a cache the platform may fill late; a leak
    // per tick would be thousands.
    QVERIFY2(end.blocks <= warm.blocks + 4, "live allocations grew");
    QVERIFY2(end.bytes <= warm.bytes + 64 * 1024, "heap grew");
}

QTEST_MAIN(TestLongRuns)
#include "tst_long_runs.moc"
