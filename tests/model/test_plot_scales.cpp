#include "model/plot_scales.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrova {
namespace {

// Angle scales sit strictly above the largest swing, even on a round value,
// in steps of their band; graduation steps change at the same breakpoints.
struct AngleCase {
    const char* name;
    double degrees, scale, step;
};
class AngleBandsTest : public ::testing::TestWithParam<AngleCase> { };

TEST_P(AngleBandsTest, ScaleAndStep)
{
    EXPECT_EQ(RoundUpAngleScale(GetParam().degrees), GetParam().scale);
    EXPECT_EQ(AngleStep(GetParam().degrees), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Degrees, AngleBandsTest,
    ::testing::Values(AngleCase{"zero", 0, 1, 1}, AngleCase{"eight", 8, 9, 1},
                      AngleCase{"above_eight", 8.000001, 10, 2}, AngleCase{"ten", 10, 12, 2},
                      AngleCase{"twenty", 20, 22, 2}, AngleCase{"above_twenty", 20.000001, 25, 5},
                      AngleCase{"fifty", 50, 55, 5}, AngleCase{"above_fifty", 50.000001, 60, 10},
                      AngleCase{"ninety", 90, 100, 10}, AngleCase{"above_ninety", 90.5, 100, 20},
                      AngleCase{"capped_at_half_a_turn", 160, 180, 20}),
    [](const auto& info) { return std::string(info.param.name); });

// The framed span is a whole number of time steps, judged on the rounded
// span; framing twice changes nothing.
class FramedTimeSpanTest : public ::testing::TestWithParam<std::pair<double, double>> { };

TEST_P(FramedTimeSpanTest, RoundedUpToTheTimeStep)
{
    EXPECT_EQ(FramedTimeSpan(GetParam().first), GetParam().second);
    EXPECT_EQ(FramedTimeSpan(GetParam().second), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Spans, FramedTimeSpanTest,
                         ::testing::Values(std::pair{10.0, 10.0}, std::pair{10.6, 10.0},
                                           std::pair{16.4, 16.0}, std::pair{17.0, 18.0},
                                           std::pair{32.0, 32.0}, std::pair{33.0, 35.0},
                                           std::pair{144.0, 145.0}));

} // namespace
} // namespace kestrova
