#include "model/collection_points.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace kestrova {
namespace {

// `count` points whose X0Line tells which was added when (1 the first).
void Fill(Collection_Points& list, int count)
{
    for (int k = 1; k <= count; ++k)
        list.AddPoint(list.CountPoint() + 1)->X0Line = k;
}

std::vector<int> Labels(const Collection_Points& list)
{
    std::vector<int> labels;
    for (int i = 1; i <= list.CountPoint(); ++i)
        labels.push_back(static_cast<int>(list.Point(i)->X0Line));
    return labels;
}

TEST(CollectionPointsTest, RemovePointLeavesTheOthersInAgeOrder)
{
    struct Case {
        int count, position;
        std::vector<int> left;
    };
    for (const Case& c : {Case{5, 3, {1, 2, 4, 5}}, Case{5, 1, {2, 3, 4, 5}},
                          Case{5, 7, {1, 2, 3, 4}}, // beyond the count: the newest goes
                          Case{1, 1, {}}}) {
        Collection_Points list;
        Fill(list, c.count);
        list.RemovePoint(c.position);
        EXPECT_EQ(Labels(list), c.left) << c.position << " of " << c.count;
    }
}

TEST(CollectionPointsTest, EmptyPointsEmptiesAnyList)
{
    for (const int count : {0, 1, 2, 5, 100}) {
        Collection_Points list;
        Fill(list, count);
        EmptyPoints(list);
        EXPECT_EQ(list.CountPoint(), 0) << count;
    }
}

TEST(CollectionPointsTest, MisuseIsReportedAndLeavesTheListAsItWas)
{
    Collection_Points list;
    Fill(list, 3);
    EXPECT_THROW((void)list.Point(4), std::out_of_range);
    EXPECT_THROW(list.AddPoint(2), std::invalid_argument);
    EXPECT_EQ(Labels(list), (std::vector<int>{1, 2, 3}));
    EmptyPoints(list);
    EXPECT_THROW(list.RemovePoint(1), std::out_of_range);
}

} // namespace
} // namespace kestrova
