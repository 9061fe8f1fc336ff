// Placement, line height and list arithmetic.
#include <gtest/gtest.h>

#include "shell/window_math.h"

TEST(Placement, ARectangleBeyondTheDesktopComesBackToItsEdge) {
    // Desktop 1024 x 768; saved on a larger screen at x = 1300.
    Placement p = PlacementFor({1300, 100, 1700, 500}, 1024, 768);
    EXPECT_FALSE(p.centre);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 100);
    EXPECT_EQ(p.width, 400);
    EXPECT_EQ(p.height, 400);
    p = PlacementFor({100, 900, 300, 1000}, 1024, 768);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.height, 100);
    // On the edge itself is still on the desktop.
    p = PlacementFor({1024, 768, 1100, 800}, 1024, 768);
    EXPECT_EQ(p.x, 1024);
    EXPECT_EQ(p.y, 768);
}

TEST(Placement, AllZerosCentresAndTheDefaultsOpenAtTheOrigin) {
    EXPECT_TRUE(PlacementFor({0, 0, 0, 0}, 1024, 768).centre);
    Placement p = PlacementFor(WindowRectValues(), 1024, 768);
    EXPECT_FALSE(p.centre);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.width, 400);
    EXPECT_EQ(p.height, 400);
    EXPECT_EQ(CentredOrigin(1024, 400), 312);
    EXPECT_EQ(CentredOrigin(768, 1000), -116);
}

TEST(ListArithmetic, LineHeightTabFieldsAndNewestFirstOffsets) {
    EXPECT_EQ(LineHeightFor(12), 20);
    EXPECT_EQ(LineHeightFor(16), 24);
    EXPECT_EQ(LineHeightFor(13), 20);  // 6 x 3 = 18, raised to 20
    EXPECT_EQ(LineHeightFor(15), 21);  // div, not rounding

    const std::string line = "a\tbc\td";
    EXPECT_EQ(TabFieldOffset(line, 1), 2u);
    EXPECT_EQ(TabFieldOffset(line, 2), 5u);
    EXPECT_EQ(TabFieldOffset(line, 3), 7u);
    EXPECT_EQ(TabFieldOffset("", 1), 1u);
    EXPECT_EQ(TabFieldOffset("x\t", 1), 2u);  // an empty last field starts at the end

    EXPECT_EQ(ReverseRecordOffsetFor(5, 0), 1024);
    EXPECT_EQ(ReverseRecordOffsetFor(5, 4), 0);
    EXPECT_EQ(ReverseRecordOffsetFor(1, 0), 0);
}
