#include "model/collection_points.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace kestrova {
namespace {

// Removing leaves the others in age order; misuse is reported and leaves the
// list as it was; emptying empties.
TEST(CollectionPoints, RemoveMisuseAndEmpty)
{
    struct Case {
        int count, position;
        std::vector<int> left;
    };
    for (const Case& c : {Case{5, 3, {1, 2, 4, 5}}, Case{5, 1, {2, 3, 4, 5}},
                          Case{5, 7, {1, 2, 3, 4}}, // beyond the count: the newest goes
                          Case{2, 2, {1}}}) {
        Collection_Points list;
        for (int k = 1; k <= c.count; ++k)
            list.AddPoint(k)->X0Line = k; // tells which was added when
        list.RemovePoint(c.position);
        EXPECT_THROW((void)list.Point(c.count), std::out_of_range);
        EXPECT_THROW(list.AddPoint(1), std::invalid_argument);
        std::vector<int> left;
        for (int i = 1; i <= list.CountPoint(); ++i)
            left.push_back(static_cast<int>(list.Point(i)->X0Line));
        EXPECT_EQ(left, c.left) << c.position << " of " << c.count;
        EmptyPoints(list);
        EXPECT_EQ(list.CountPoint(), 0);
        EXPECT_THROW(list.RemovePoint(1), std::out_of_range);
    }
}

} // namespace
} // namespace kestrova
