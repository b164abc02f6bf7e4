#include "ui/foucault/collection_points.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <typeinfo>
#include <vector>

namespace kestrova {
namespace {

// `count` points whose X0Line tells which was added when (1 the first).
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

std::vector<int> Range(int first, int last)
{
    std::vector<int> values;
    for (int v = first; v <= last; ++v)
        values.push_back(v);
    return values;
}

struct RemovalCase {
    const char* name;
    int count;
    std::vector<int> removals; ///< positions, in turn
    std::vector<int> left;
};

class RemovePointTest : public ::testing::TestWithParam<RemovalCase> { };

TEST_P(RemovePointTest, LeavesTheOthersInAgeOrder)
{
    Collection_Points list;
    Fill(list, GetParam().count);
    for (const int position : GetParam().removals)
        list.RemovePoint(position);
    EXPECT_EQ(Labels(list), GetParam().left);
}

// The window empties the list by taking the count once and removing 1, 2, ..., n;
// its trail adds a 101st point and removes the oldest.
INSTANTIATE_TEST_SUITE_P(
    Positions, RemovePointTest,
    ::testing::Values(RemovalCase{"third_of_five", 5, {3}, {1, 2, 4, 5}},
                      RemovalCase{"first_of_five", 5, {1}, {2, 3, 4, 5}},
                      RemovalCase{"seventh_of_five_removes_newest", 5, {7}, {1, 2, 3, 4}},
                      RemovalCase{"emptying_two_by_1_2", 2, {1, 2}, {}},
                      RemovalCase{"emptying_five_by_1_to_5", 5, {1, 2, 3, 4, 5}, {}},
                      RemovalCase{"emptying_hundred_by_1_to_100", 100, Range(1, 100), {}},
                      RemovalCase{"oldest_of_101", 101, {1}, Range(2, 101)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionPointsTest, ElementsAreSharedAndOutliveTheirRemoval)
{
    Collection_Points list;
    const auto added = list.AddPoint(1);
    list.Point(1)->Y0Line = -2.5;
    EXPECT_EQ(added->Y0Line, -2.5);
    list.RemovePoint(1);
    EXPECT_EQ(added->Y0Line, -2.5);
}

struct MisuseCase {
    const char* name;
    int count;
    void (*call)(Collection_Points&);
    const std::type_info* error;
};

class MisuseTest : public ::testing::TestWithParam<MisuseCase> { };

TEST_P(MisuseTest, IsReportedAndLeavesTheListUnchanged)
{
    const MisuseCase& c = GetParam();
    Collection_Points list;
    Fill(list, c.count);
    try {
        c.call(list);
        ADD_FAILURE() << "no error reported";
    } catch (const std::exception& e) {
        EXPECT_EQ(typeid(e), *c.error) << e.what();
    }
    EXPECT_EQ(Labels(list), Range(1, c.count));
}

using Call = void (*)(Collection_Points&);
const std::type_info& kOutOfRange = typeid(std::out_of_range);

INSTANTIATE_TEST_SUITE_P(
    Calls, MisuseTest,
    ::testing::Values(
        MisuseCase{"point_at_zero", 3, Call([](auto& l) { (void)l.Point(0); }), &kOutOfRange},
        MisuseCase{"point_beyond_count", 3, Call([](auto& l) { (void)l.Point(4); }), &kOutOfRange},
        MisuseCase{"point_of_empty", 0, Call([](auto& l) { (void)l.Point(1); }), &kOutOfRange},
        MisuseCase{"remove_at_zero", 3, Call([](auto& l) { l.RemovePoint(0); }), &kOutOfRange},
        MisuseCase{"remove_from_empty", 0, Call([](auto& l) { l.RemovePoint(1); }), &kOutOfRange},
        MisuseCase{"add_at_position_in_use", 3, Call([](auto& l) { l.AddPoint(2); }),
                   &typeid(std::invalid_argument)},
        MisuseCase{"add_leaving_a_gap", 3, Call([](auto& l) { l.AddPoint(5); }), &kOutOfRange},
        MisuseCase{"add_at_zero", 3, Call([](auto& l) { l.AddPoint(0); }), &kOutOfRange},
        MisuseCase{"add_beyond_16_bits", Collection_Points::kMaxCount,
                   Call([](auto& l) { l.AddPoint(32768); }), &typeid(std::length_error)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrova
