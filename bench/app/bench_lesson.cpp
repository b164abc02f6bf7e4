// What opening a lesson costs: reading and checking the file alone, and the
// whole opening in a frame (the file read, the window opened afresh and set,
// the kept runs and the menus). Both should stay far below 50 ms.

#include "app/lesson_file.h"
#include "app/lesson_session.h"
#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"

#include <QApplication>

#include <benchmark/benchmark.h>

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

} // namespace
