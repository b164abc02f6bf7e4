// What opening a lesson costs: reading and checking the file alone, and the
// whole opening in a frame (the file read, the window opened afresh and set,
// the kept runs and the menus). Both should stay far below 50 ms. And what
// a lesson carrying a 10-minute recording at 500 Hz costs to save and to
// read: on a phone's regular clock (argument 0) and on irregular times (1).

#include "app/lesson_file.h"
#include "app/lesson_session.h"
#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

/// The example with the most in it: kept runs and the Mesures panel.
const QString kLesson = QStringLiteral(":/kestrova/examples/3-facteur-de-qualite.kestrova");

void ReadLessonFileOnly(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kestrova::ReadLessonFile(kLesson));
}
BENCHMARK(ReadLessonFileOnly)->Unit(benchmark::kMicrosecond);

void OpenLessonInFrame(benchmark::State& state)
{
    kestrova::FakeCounterSource counter;
    kestrova::MDIBrunmalt frame(counter);
    frame.Lessons().SetNoteShower([](const QString&, const QString&) {});
    frame.show();
    QApplication::processEvents();
    for (auto _ : state) {
        frame.Lessons().OpenExample(kLesson);
        // The windows closed by the opening are deleted as in the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(OpenLessonInFrame)->Unit(benchmark::kMillisecond);

kestrova::Lesson WithTenMinutesAt500Hz(bool regularClock)
{
    kestrova::Lesson lesson;
    kestrova::MeasuredSeries& series = lesson.measurement.emplace();
    series.speed = true;
    for (int i = 0; i <= 300'000; ++i) {
        series.time.push_back(i * 2 / 1000.0 + (regularClock ? 0 : 1e-5 * std::sin(i)));
        series.value.push_back(0.6 * std::cos(i * 0.0084) + 0.03);
    }
    return lesson;
}

void SaveLessonWithLongMeasurement(benchmark::State& state)
{
    const kestrova::Lesson lesson = WithTenMinutesAt500Hz(state.range(0) == 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("longue.kestrova"));
    for (auto _ : state)
        if (!kestrova::SaveLessonFile(path, lesson).isEmpty())
            state.SkipWithError("not saved");
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(SaveLessonWithLongMeasurement)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ReadLessonWithLongMeasurement(benchmark::State& state)
{
    const kestrova::Lesson lesson = WithTenMinutesAt500Hz(state.range(0) == 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("longue.kestrova"));
    (void)kestrova::SaveLessonFile(path, lesson);
    for (auto _ : state)
        if (kestrova::ReadLessonFile(path).lesson != lesson)
            state.SkipWithError("not read back as saved");
}
BENCHMARK(ReadLessonWithLongMeasurement)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
