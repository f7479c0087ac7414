#include "model/pagerecord.h"
#include "model/project.h"

#include <gtest/gtest.h>

using namespace brevix;

// Offsets are asserted at compile time; these check the list mapping of the string pool.
struct ListCase
{
    int slot, list, j, k;
};

class ListMapping : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(ListMapping, MapsToThePoolIndex)
{
    const ListCase c = GetParam();
    EXPECT_EQ(Project::listPoolIndex(c.slot, c.list, c.j), c.k);
}

INSTANTIATE_TEST_SUITE_P(Table, ListMapping,
                         ::testing::Values(ListCase{135, 1, 1, 1}, ListCase{135, 2, 100, 200},
                                           ListCase{149, 2, 100, 3000}, ListCase{150, 1, 1, 3011},
                                           ListCase{150, 2, 20, 3050}, ListCase{199, 2, 20, 5010},
                                           ListCase{134, 1, 1, -1}, ListCase{200, 1, 1, -1},
                                           ListCase{150, 1, 21, -1}, ListCase{140, 3, 1, -1}));

TEST(ListMapping, CapacityDependsOnSlot)
{
    EXPECT_EQ(Project::listCapacity(140), 100);
    EXPECT_EQ(Project::listCapacity(150), 20);
    EXPECT_EQ(Project::listCapacity(10), 0);
    EXPECT_EQ(Project::listCapacity(200), 0);
}
