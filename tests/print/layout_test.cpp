// The page layout rules of printing. Pure logic: runs natively (tests/host).
#include <gtest/gtest.h>

#include <vector>

#include "print/page_layout.h"

TEST(PageLayout, LinesPagesCopiesAndCutLines) {
    PageLayout layout = ComputePageLayout(48, 2, 25, 2479, 3508);
    EXPECT_EQ(layout.lineHeight, 50);
    EXPECT_EQ(layout.charsPerLine, 99);
    EXPECT_EQ(layout.linesPerPage, 70);
    EXPECT_EQ(PageCount(0, layout), 0);
    EXPECT_EQ(PageCount(70, layout), 1);
    EXPECT_EQ(PageCount(71, layout), 2);
    PageLines last = LinesOfPage(1, 71, layout);
    EXPECT_EQ(last.firstLine, 70);
    EXPECT_EQ(last.count, 1);
    EXPECT_EQ(PrintSequence(2, 2, true), (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(PrintSequence(2, 2, false), (std::vector<int>{0, 0, 1, 1}));
    // A font with no width or taller than the page still gives pages that can be counted.
    PageLayout odd = ComputePageLayout(5000, 0, 0, 100, 200);
    EXPECT_EQ(odd.charsPerLine, 1);
    EXPECT_EQ(odd.linesPerPage, 1);
    EXPECT_EQ(PageCount(3, odd), 3);
    // A cut never leaves half a double-byte character at the end of a printed line.
    PageLayout narrow = ComputePageLayout(10, 0, 10, 50, 100);
    EXPECT_EQ(PrintedLine("あいうえお", narrow), "あい");
    EXPECT_EQ(PrintedLine("abcdefg", narrow), "abcde");
}
