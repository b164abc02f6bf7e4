#include "model/damped_animation.h"
#include "model/motion_recorder.h"
#include "model/parameters.h"
#include "model/recording_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace kestrova {
namespace {

struct RecordedRun {
    PenduleState state;
    MotionRecorder recorder;

    explicit RecordedRun(const SliderValues& sliders)
    {
        const Parameters p = ParametersFromSliders(sliders);
        state.Teta0 = state.Teta = state.TetaApprox = p.Teta0;
        state.Omega0 = state.Omega = state.OmegaApprox = p.Omega0;
        state.Pulsation2 = p.Pulsation2;
        state.Lambda = p.Lambda;
        recorder.Reset({0, {p.Teta0, p.Omega0}, {p.Teta0, p.Omega0}}, p.Pulsation2, p.Lambda);
    }
    /// Ticks of irregular length (1 to 16 ms, one of 2.5 s) up to `seconds`.
    void RunFor(double seconds)
    {
        for (int i = 0; state.Temps < seconds; ++i) {
            const AnimationStep step = AdvanceAnimation(
                state,
                std::min(seconds, state.Temps + 0.001 * (i == 50 ? 2500 : 1 + (i * 7) % 16)));
            recorder.Add({step.time, step.next, step.approx});
        }
    }
};

// Rows every 10 ms from 0, carried on from irregular ticks (1 to 16 ms, and a
// long one, the window dragged), match the motion integrated straight to each
// row's instant and the closed-form small-angle solution, also for a pendulum
// that goes over the top (its angle wraps between two ticks) and for the
// fastest pulsation.
TEST(MotionRecorder, RowsMatchTheModelAtTheirInstants)
{
    for (const SliderValues sliders :
         {SliderValues{45, 0, 40, 22}, SliderValues{0, 10, 49, 0}, SliderValues{170, 0, 200, 5}}) {
        RecordedRun run(sliders);
        run.RunFor(10);
        ASSERT_EQ(run.recorder.RowCount(), 1001u);
        const PenduleState& s = run.state;
        double worstAngle = 0, worstSpeed = 0;
        for (std::size_t i = 0; i < run.recorder.RowCount(); i += 7) {
            const RecordedRow row = run.recorder.Row(i);
            const Motion exact = Integrate({s.Teta0, s.Omega0}, s.Pulsation2, s.Lambda, row.time,
                                           MaxSubStep(std::sqrt(s.Pulsation2)));
            const Motion approx =
                LinearSolution(s.Teta0, s.Omega0, s.Pulsation2, s.Lambda, row.time).motion;
            worstAngle = std::max(
                {worstAngle, std::abs(std::remainder(row.exact.angle - exact.angle, 2 * M_PI)),
                 std::abs(row.approx.angle - approx.angle)});
            worstSpeed = std::max({worstSpeed, std::abs(row.exact.speed - exact.speed),
                                   std::abs(row.approx.speed - approx.speed)});
        }
        EXPECT_LT(worstAngle, 1e-6) << sliders.Teta0Degrees;
        EXPECT_LT(worstSpeed, 1e-6) << sliders.Teta0Degrees;
    }
}

// A reset starts afresh; samples that go back in time or are not finite add nothing.
TEST(MotionRecorder, ResetClearsAndBadSamplesAreIgnored)
{
    RecordedRun run({45, 0, 40, 22});
    run.RunFor(1);
    const Motion m = run.recorder.Last().exact;
    run.recorder.Add({0.5, m, m});
    run.recorder.Add({std::numeric_limits<double>::quiet_NaN(), m, m});
    run.recorder.Add({2, {std::numeric_limits<double>::infinity(), 0}, m});
    EXPECT_EQ(run.recorder.RowCount(), 101u);
    run.recorder.Reset({0, {0.1, 0}, {0.1, 0}}, 16, 0);
    ASSERT_EQ(run.recorder.RowCount(), 1u);
    EXPECT_EQ(run.recorder.Row(0).exact.angle, 0.1);
}

// The table reads back as numbers in both styles; a sink that fails stops the writing.
TEST(RecordingCsv, ReadsBackInBothStyles)
{
    RecordedRun run({45, 3, 40, 22});
    run.RunFor(0.5);
    const std::array<std::string_view, kRecordingColumns> titles{"t", "a", "b", "c", "d",
                                                                 "e", "f", "g", "h"};
    for (const char mark : {'.', ','}) {
        std::string text;
        const CsvStyle style = CsvStyleFor(mark);
        ASSERT_TRUE(WriteRecordingCsv(run.recorder, style, {}, titles, [&](std::string_view piece) {
            text += piece;
            return true;
        }));
        std::istringstream lines(text.substr(3)); // after the byte-order mark
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, mark == ',' ? "t;a;b;c;d;e;f;g;h\r" : "t,a,b,c,d,e,f,g,h\r");
        std::size_t rows = 0;
        while (std::getline(lines, line)) {
            const RecordedRow row = run.recorder.Row(rows++);
            std::vector<double> fields;
            std::istringstream cells(line);
            for (std::string cell; std::getline(cells, cell, style.separator);) {
                for (char& c : cell)
                    c = c == mark ? '.' : c;
                fields.push_back(std::stod(cell));
            }
            ASSERT_EQ(fields.size(), kRecordingColumns) << line;
            EXPECT_NEAR(fields[0], row.time, 1e-9);
            EXPECT_NEAR(fields[2], row.exact.angle, 1e-7);
            EXPECT_NEAR(fields[1] * M_PI / 180, row.exact.angle, 1e-7);
            EXPECT_NEAR(fields[5], row.approx.speed, 1e-7);
            EXPECT_NEAR(fields[8], fields[6] + fields[7], 1e-7);
        }
        EXPECT_EQ(rows, 51u);
    }
    int calls = 0;
    EXPECT_FALSE(WriteRecordingCsv(run.recorder, {}, {}, titles,
                                   [&](std::string_view) { return ++calls > 5; }));
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace kestrova
