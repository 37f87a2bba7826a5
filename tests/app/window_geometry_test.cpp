#include "app/window_geometry.h"

#include <gtest/gtest.h>

TEST(MainWindowHeight, FollowsTheWorkAreaOnlyBetween700And800)
{
    struct Case
    {
        bool designFont;
        int workAreaBottom;
        int expected;
    };
    const Case cases[] = {
        {true, 738, 738}, {true, 800, 740},   {true, 1024, 740}, {true, 700, 740},
        {true, 701, 701}, {false, 1024, 736}, {false, 799, 799},
    };
    for (const Case &c : cases)
        EXPECT_EQ(mainWindowHeight(c.designFont, c.workAreaBottom), c.expected) << c.workAreaBottom;
}
