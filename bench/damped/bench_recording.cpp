// What keeping the results costs: the damped tick's model work over a
// two-hour run on a fake clock (one tick per millisecond), with and without
// the recording, and the export of such a run as a CSV file written
// atomically.

#include "app/atomic_save.h"
#include "model/damped_animation.h"
#include "model/motion_recorder.h"
#include "model/parameters.h"
#include "model/recording_csv.h"

#include <QIODevice>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace kestrova;

constexpr int kTwoHoursOfTicks = 2 * 3600 * 1000;

/// The start sliders without damping: the pendulum swings for the whole two hours.
PenduleState Started(MotionRecorder& recorder)
{
    const Parameters p = ParametersFromSliders({45, 0, 40, 0});
    PenduleState s;
    s.Teta0 = s.Teta = s.TetaApprox = p.Teta0;
    s.Omega0 = s.Omega = s.OmegaApprox = p.Omega0;
    s.Pulsation2 = p.Pulsation2;
    s.Lambda = p.Lambda;
    recorder.Reset({0, {s.Teta, s.Omega}, {s.TetaApprox, s.OmegaApprox}}, s.Pulsation2, s.Lambda);
    return s;
}

/// Two hours of ticks; the argument says whether the recording is fed. The
/// time per tick is the "per_tick" counter.
void BM_TwoHourRun(benchmark::State& state)
{
    const bool recording = state.range(0) != 0;
    for (auto _ : state) {
        MotionRecorder recorder;
        PenduleState s = Started(recorder);
        for (int tick = 1; tick <= kTwoHoursOfTicks; ++tick) {
            const AnimationStep step = AdvanceAnimation(s, tick / 1000.0);
            if (recording)
                recorder.Add({step.time, step.next, step.approx});
        }
        benchmark::DoNotOptimize(recorder.RowCount());
        benchmark::DoNotOptimize(s.Teta);
    }
    state.counters["per_tick"] = benchmark::Counter(kTwoHoursOfTicks,
                                                    benchmark::Counter::kIsIterationInvariantRate
                                                        | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TwoHourRun)->Arg(0)->Arg(1)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond);

/// The two-hour recording (720,001 rows) written to a CSV file, atomically.
void BM_ExportTwoHours(benchmark::State& state)
{
    MotionRecorder recorder;
    PenduleState s = Started(recorder);
    for (int tick = 1; tick <= kTwoHoursOfTicks; ++tick) {
        const AnimationStep step = AdvanceAnimation(s, tick / 1000.0);
        recorder.Add({step.time, step.next, step.approx});
    }
    QTemporaryDir dir;
    const std::array<std::string_view, kRecordingColumns> titles{"t", "a", "b", "c", "d",
                                                                 "e", "f", "g", "h"};
    for (auto _ : state) {
        const QString failure = SaveAtomically(
            {{dir.filePath("run.csv"), [&](QIODevice& device) {
                  return WriteRecordingCsv(recorder, CsvStyleFor(','), {}, titles,
                                           [&](std::string_view piece) {
                                               const auto n = qint64(piece.size());
                                               return device.write(piece.data(), n) == n;
                                           });
              }}});
        if (!failure.isEmpty())
            state.SkipWithError(failure.toStdString().c_str());
    }
    state.counters["rows"] = double(recorder.RowCount());
}
BENCHMARK(BM_ExportTwoHours)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

} // namespace
