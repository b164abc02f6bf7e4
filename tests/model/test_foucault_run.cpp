#include "model/foucault_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace kestrova {
namespace {

using foucault::PlanetDay;

// A run in Sydney on the real day, sped up 3600 times after the first
// minute: an hour and more of simulated time in ticks of 164 ms. The time
// goes on without a jump at the change of factor, the bob is where the exact
// motion puts it, the trail keeps the last 100 positions and the plane's
// measure finds the law's rate, anticlockwise in the south.
TEST(FoucaultRun, AdvancesThroughAChangeOfFactorAsTheMotionSays)
{
    FoucaultRun run;
    const double sydney = -33.87 * std::numbers::pi / 180;
    run.Reset({12.5, sydney, PlanetDay::Sidereal, 60});
    run.Start();
    const double tick = 0.164;
    double pace = 0;
    for (int k = 1; k <= 1000; ++k) {
        pace += tick;
        if (k == 367) {
            const double before = run.TempsEcoule();
            run.SetTimeFactor(3600);
            EXPECT_DOUBLE_EQ(run.TempsEcoule(), before);
        }
        const FoucaultFrame frame = run.AdvanceTo(pace);
        const double t = k < 367 ? 60 * pace : 60 * 366 * tick + 3600 * (pace - 366 * tick);
        ASSERT_NEAR(run.TempsEcoule(), t, 1e-6 * t) << k;
        const auto bob = foucault::BobOnGround(foucault::kAmplitude, run.OmegaPendule(),
                                               run.OmegaTerre(), run.TempsEcoule());
        ASSERT_EQ(frame.Bob.PosX, bob.PosX);
        ASSERT_EQ(frame.Bob.PosY, bob.PosY);
        const auto newest = run.Points().Point(run.Points().CountPoint());
        ASSERT_EQ(newest->X0Line, bob.PosX);
    }
    EXPECT_EQ(run.Points().CountPoint(), foucault::kTrailLength);
    EXPECT_GT(run.TempsEcoule(), 3600);
    const double law = run.OmegaTerre();
    EXPECT_LT(law, 0);
    EXPECT_NEAR(run.OmegaPendule(), std::sqrt(law * law + 9.81 / 12.5), 1e-12);
    EXPECT_NEAR(run.Meter().ClockwiseRate().value_or(0), law, 0.01 * std::abs(law));
}

// What each change does to a running run with a trail, a time and a measure.
TEST(FoucaultRun, ChangesStopClearOrKeepWhatTheyShould)
{
    struct Case {
        const char* change;
        std::function<void(FoucaultRun&)> apply;
        bool running;
        bool trailKept;
        bool timeKept; // and the plane's measure with it
    };
    const Case cases[] = {
        {"length", [](FoucaultRun& r) { r.SetLength(4); }, false, false, true},
        {"place", [](FoucaultRun& r) { r.SetPlace(0.5, PlanetDay::Sidereal); }, false, false,
         false},
        {"time factor", [](FoucaultRun& r) { r.SetTimeFactor(600); }, true, true, true},
        {"pause", [](FoucaultRun& r) { r.Pause(); }, false, true, true},
        {"start again", [](FoucaultRun& r) { r.Start(); }, true, false, false},
        {"reset", [](FoucaultRun& r) { r.Reset({}); }, false, false, false},
    };
    for (const Case& c : cases) {
        FoucaultRun run;
        run.Start();
        for (int k = 1; k <= 30; ++k) // long enough for the plane's measure
            run.AdvanceTo(k * 1.0);
        c.apply(run);
        EXPECT_EQ(run.Running(), c.running) << c.change;
        EXPECT_EQ(run.Points().CountPoint(), c.trailKept ? 30 : 0) << c.change;
        EXPECT_EQ(run.TempsEcoule(), c.timeKept ? 30.0 : 0.0) << c.change;
        EXPECT_EQ(run.Meter().ClockwiseRate().has_value(), c.timeKept) << c.change;
    }
}

// At rest the string is displaced by the amplitude and the bob lifted on
// its path; a new length gives its own swing.
TEST(FoucaultRun, RestsAtTheAmplitudeAndTakesANewLength)
{
    FoucaultRun run;
    EXPECT_EQ(run.Longueur(), foucault::kDefaultLength);
    EXPECT_EQ(run.StringEnd().X, foucault::kAmplitude);
    EXPECT_NEAR(run.StringEnd().Y, 0.0672, 1e-4);
    EXPECT_DOUBLE_EQ(run.OmegaTerre(), foucault::OmegaTerre());
    run.SetLength(4);
    EXPECT_DOUBLE_EQ(run.OmegaPendule(), foucault::OmegaPendule(4, foucault::OmegaTerre()));
}

} // namespace
} // namespace kestrova
