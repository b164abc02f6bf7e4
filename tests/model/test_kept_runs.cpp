#include "model/kept_runs.h"

#include <gtest/gtest.h>

namespace kestrova {
namespace {

SliderValues WithLambda(int hundredths)
{
    SliderValues setup;
    setup.LambdaHundredths = hundredths;
    return setup;
}

TEST(KeptRuns, KeepsEachSetupOnceUpToTheLimit)
{
    KeptRuns runs;
    int changes = 0;
    int alsoTold = 0;
    runs.SetOnChanged([&] { ++changes; });
    runs.AddOnChanged([&] { ++alsoTold; });
    for (int i = 0; i < static_cast<int>(KeptRuns::kLimit); ++i)
        EXPECT_EQ(runs.Keep(WithLambda(i)), KeptRuns::KeepResult::Kept);
    EXPECT_EQ(runs.Keep(WithLambda(3)), KeptRuns::KeepResult::AlreadyKept);
    EXPECT_EQ(runs.Keep(WithLambda(99)), KeptRuns::KeepResult::Full);
    EXPECT_EQ(runs.Runs().size(), KeptRuns::kLimit);
    EXPECT_EQ(changes, static_cast<int>(KeptRuns::kLimit));
    EXPECT_EQ(alsoTold, changes);
}

TEST(KeptRuns, RemovingARunNeverRecoloursTheOthersAndFreesItsColour)
{
    KeptRuns runs;
    for (int i = 0; i < 3; ++i)
        runs.Keep(WithLambda(i));
    runs.Remove(1);
    ASSERT_EQ(runs.Runs().size(), 2U);
    EXPECT_EQ(runs.Runs()[0].colour, 0);
    EXPECT_EQ(runs.Runs()[1].colour, 2);
    runs.Keep(WithLambda(50));
    EXPECT_EQ(runs.Runs()[2].colour, 1);
}

TEST(KeptRuns, AssignDropsDuplicatesAndWhatExceedsTheLimit)
{
    std::vector<KeptRun> stored;
    for (int i = 0; i < 10; ++i)
        stored.push_back({WithLambda(i % 9), i != 2, 7});
    KeptRuns runs;
    runs.Assign(stored);
    ASSERT_EQ(runs.Runs().size(), KeptRuns::kLimit);
    EXPECT_FALSE(runs.Runs()[2].visible);
    for (std::size_t i = 0; i < runs.Runs().size(); ++i)
        EXPECT_EQ(runs.Runs()[i].colour, static_cast<int>(i));
}

} // namespace
} // namespace kestrova
