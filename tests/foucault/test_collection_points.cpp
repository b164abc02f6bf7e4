#include "ui/foucault/collection_points.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace kestrova {
namespace {

// A list of `count` points whose X0Line tells which was added when (1 the first).
void Fill(Collection_Points& list, int count, int firstLabel = 1)
{
    for (int k = 0; k < count; ++k)
        list.AddPoint(list.CountPoint() + 1)->X0Line = firstLabel + k;
}

std::vector<int> Labels(const Collection_Points& list)
{
    std::vector<int> labels;
    for (int i = 1; i <= list.CountPoint(); ++i)
        labels.push_back(static_cast<int>(list.Point(i)->X0Line));
    return labels;
}

std::vector<std::shared_ptr<Collection_Points>> Elements(const Collection_Points& list)
{
    std::vector<std::shared_ptr<Collection_Points>> elements;
    for (int i = 1; i <= list.CountPoint(); ++i)
        elements.push_back(list.Point(i));
    return elements;
}

struct RemovalCase {
    const char* name;
    int count;
    int position;
    std::vector<int> left;
};

class RemovePointTest : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(RemovePointTest, LeavesTheOthersInOrderUnderPositionsOneToN)
{
    const RemovalCase& c = GetParam();
    Collection_Points list;
    Fill(list, c.count);
    list.RemovePoint(c.position);
    EXPECT_EQ(list.CountPoint(), c.count - 1);
    EXPECT_EQ(Labels(list), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, RemovePointTest,
    ::testing::Values(RemovalCase{"third_of_five", 5, 3, {1, 2, 4, 5}},
                      RemovalCase{"first_of_five", 5, 1, {2, 3, 4, 5}},
                      RemovalCase{"last_of_five", 5, 5, {1, 2, 3, 4}},
                      RemovalCase{"beyond_count_removes_newest", 5, 7, {1, 2, 3, 4}},
                      RemovalCase{"far_beyond_count_removes_newest", 5, 32767, {1, 2, 3, 4}},
                      RemovalCase{"only_element", 1, 1, {}},
                      RemovalCase{"beyond_only_element", 1, 2, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class EmptyingTest : public ::testing::TestWithParam<int> {};

// The window empties the list by taking the count once and removing 1, 2, ..., n.
TEST_P(EmptyingTest, RemovingOneToCountEmptiesTheList)
{
    Collection_Points list;
    Fill(list, GetParam());
    const int n = list.CountPoint();
    for (int i = 1; i <= n; ++i)
        list.RemovePoint(i);
    EXPECT_EQ(list.CountPoint(), 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, EmptyingTest, ::testing::Values(0, 1, 2, 5, 100, 101));

TEST(CollectionPointsTest, TrailOfAHundredKeepsTheNewestInAgeOrder)
{
    Collection_Points list;
    Fill(list, 101);
    list.RemovePoint(1);
    std::vector<int> expected;
    for (int label = 2; label <= 101; ++label)
        expected.push_back(label);
    EXPECT_EQ(Labels(list), expected);

    // A long run of ticks: add the newest, drop the oldest.
    for (int tick = 102; tick <= 1500; ++tick) {
        list.AddPoint(list.CountPoint() + 1)->X0Line = tick;
        if (list.CountPoint() > 100)
            list.RemovePoint(1);
    }
    ASSERT_EQ(list.CountPoint(), 100);
    EXPECT_EQ(list.Point(1)->X0Line, 1401);
    EXPECT_EQ(list.Point(100)->X0Line, 1500);
}

TEST(CollectionPointsTest, ElementsAreSharedNotCopied)
{
    Collection_Points list;
    const auto added = list.AddPoint(1);
    EXPECT_EQ(added->X0Line, 0);
    EXPECT_EQ(added->Y0Line, 0);
    EXPECT_EQ(added->X1Line, 0);
    EXPECT_EQ(added->Y1Line, 0);
    EXPECT_EQ(added->CountPoint(), 0);

    list.Point(1)->Y0Line = -2.5;
    list.Point(1)->X1Line = 7;
    list.Point(1)->Y1Line = 8;
    EXPECT_EQ(added->Y0Line, -2.5);
    EXPECT_EQ(list.Point(1)->X1Line, 7);
    EXPECT_EQ(list.Point(1)->Y1Line, 8);
    EXPECT_EQ(list.Point(1).get(), added.get());
}

TEST(CollectionPointsTest, ARemovedElementStaysValidForItsHolder)
{
    Collection_Points list;
    Fill(list, 2);
    const auto oldest = list.Point(1);
    list.RemovePoint(1);
    EXPECT_EQ(oldest->X0Line, 1);
    EXPECT_EQ(Labels(list), std::vector<int>{2});
}

enum class Misuse { PointZero, PointBeyond, PointNegative, RemoveZero, RemoveNegative, AddInUse,
                    AddFirstInUse, AddGap, AddZero, AddNegative };

struct MisuseCase {
    const char* name;
    Misuse call;
    bool outOfRange; ///< std::out_of_range, else std::invalid_argument
};

class MisuseTest : public ::testing::TestWithParam<MisuseCase> {};

TEST_P(MisuseTest, IsReportedAndLeavesTheListUnchanged)
{
    Collection_Points list;
    Fill(list, 3);
    const auto before = Elements(list);

    auto misuse = [&list](Misuse call) {
        switch (call) {
        case Misuse::PointZero: (void)list.Point(0); break;
        case Misuse::PointBeyond: (void)list.Point(4); break;
        case Misuse::PointNegative: (void)list.Point(-1); break;
        case Misuse::RemoveZero: list.RemovePoint(0); break;
        case Misuse::RemoveNegative: list.RemovePoint(-5); break;
        case Misuse::AddInUse: list.AddPoint(2); break;
        case Misuse::AddFirstInUse: list.AddPoint(1); break;
        case Misuse::AddGap: list.AddPoint(5); break;
        case Misuse::AddZero: list.AddPoint(0); break;
        case Misuse::AddNegative: list.AddPoint(-4); break;
        }
    };
    if (GetParam().outOfRange)
        EXPECT_THROW(misuse(GetParam().call), std::out_of_range);
    else
        EXPECT_THROW(misuse(GetParam().call), std::invalid_argument);

    EXPECT_EQ(Elements(list), before);
    EXPECT_EQ(Labels(list), (std::vector<int>{1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, MisuseTest,
    ::testing::Values(MisuseCase{"point_at_zero", Misuse::PointZero, true},
                      MisuseCase{"point_beyond_count", Misuse::PointBeyond, true},
                      MisuseCase{"point_negative", Misuse::PointNegative, true},
                      MisuseCase{"remove_at_zero", Misuse::RemoveZero, true},
                      MisuseCase{"remove_negative", Misuse::RemoveNegative, true},
                      MisuseCase{"add_at_position_in_use", Misuse::AddInUse, false},
                      MisuseCase{"add_at_first_position", Misuse::AddFirstInUse, false},
                      MisuseCase{"add_leaving_a_gap", Misuse::AddGap, true},
                      MisuseCase{"add_at_zero", Misuse::AddZero, true},
                      MisuseCase{"add_negative", Misuse::AddNegative, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionPointsTest, EmptyListRefusesRemovalAndReading)
{
    Collection_Points list;
    EXPECT_THROW(list.RemovePoint(1), std::out_of_range);
    EXPECT_THROW((void)list.Point(1), std::out_of_range);
    EXPECT_EQ(list.CountPoint(), 0);
    // Still usable afterwards.
    list.AddPoint(1);
    EXPECT_EQ(list.CountPoint(), 1);
}

TEST(CollectionPointsTest, CountStaysWithinSixteenBits)
{
    Collection_Points list;
    Fill(list, Collection_Points::kMaxCount);
    ASSERT_EQ(list.CountPoint(), 32767);
    EXPECT_THROW(list.AddPoint(32768), std::length_error);
    EXPECT_EQ(list.CountPoint(), 32767);
    EXPECT_EQ(list.Point(32767)->X0Line, 32767);
    list.RemovePoint(1);
    EXPECT_EQ(list.CountPoint(), 32766);
}

} // namespace
} // namespace kestrova
