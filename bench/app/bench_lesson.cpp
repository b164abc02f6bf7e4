// What opening a lesson costs: reading and checking the file alone, and the
// whole opening in a frame (the file read, the window opened afresh and set,
// the kept runs and the menus). Both should stay far below 50 ms. And what
// a lesson carrying a long recording costs to save, to read, and to refuse
// when damaged.

#include "app/lesson_file.h"
#include "app/lesson_session.h"
#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

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

/// A lesson carrying a recording at 500 Hz: 10 minutes on a regular clock
/// (kind 0), on irregular times (1), or as many samples as the importer
/// reads, on irregular times (2).
kestrova::Lesson WithRecording(std::int64_t kind)
{
    kestrova::Lesson lesson;
    kestrova::MeasuredSeries& series = lesson.measurement.emplace();
    series.speed = true;
    const std::size_t samples = kind == 2 ? kestrova::kLessonMeasurementMaxSamples : 300'001;
    for (std::size_t i = 0; i < samples; ++i) {
        const auto k = static_cast<double>(i);
        series.time.push_back(k * 2 / 1000.0 + (kind == 0 ? 0 : 1e-5 * std::sin(k)));
        series.value.push_back(0.6 * std::cos(k * 0.0084) + 0.03);
    }
    return lesson;
}

void SaveLessonWithLongMeasurement(benchmark::State& state)
{
    const kestrova::Lesson lesson = WithRecording(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("longue.kestrova"));
    for (auto _ : state)
        if (!kestrova::SaveLessonFile(path, lesson).isEmpty())
            state.SkipWithError("not saved");
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(SaveLessonWithLongMeasurement)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void ReadLessonWithLongMeasurement(benchmark::State& state)
{
    const kestrova::Lesson lesson = WithRecording(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("longue.kestrova"));
    (void)kestrova::SaveLessonFile(path, lesson);
    for (auto _ : state)
        if (kestrova::ReadLessonFile(path).lesson != lesson)
            state.SkipWithError("not read back as saved");
}
BENCHMARK(ReadLessonWithLongMeasurement)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

/// The largest lesson, its last value damaged: refused, and how fast.
void RefuseDamagedLargestLesson(benchmark::State& state)
{
    QByteArray bytes = kestrova::LessonJson(WithRecording(2));
    const qsizetype end = bytes.indexOf("\"", bytes.indexOf("\"valeursBinaires\": \"") + 21);
    bytes[end - 2] = '*';
    for (auto _ : state)
        if (kestrova::ReadLesson(bytes, QStringLiteral("abimee.kestrova")).lesson)
            state.SkipWithError("a damaged lesson was read");
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(RefuseDamagedLargestLesson)->Unit(benchmark::kMillisecond);

} // namespace
