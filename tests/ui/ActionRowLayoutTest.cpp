#include "ActionRowLayout.h"

#include <gtest/gtest.h>

#include <ostream>

// Found by argument lookup, as RECT is a global type.
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

TEST(ActionRowLayoutTest, RowsThatFitStandAtTheirPlacesAndMoveLeftOnlyWhenTooWide) {
    static const struct {
        int width, height, rows, row;
        RECT check, combo;
    } cases[] = {
        // Wide enough: x 10..305..455, y = 18 + 20 * row.
        {505, 160, 3, 0, {10, 18, 305, 38}, {305, 18, 455, 118}},
        {505, 160, 3, 2, {10, 58, 305, 78}, {305, 58, 455, 158}},
        {458, 160, 1, 0, {10, 18, 305, 38}, {305, 18, 455, 118}},
        // Too narrow by some pixels: the combo box keeps its width and ends 3 pixels inside.
        {440, 160, 2, 1, {10, 38, 287, 58}, {287, 38, 437, 138}},
    };
    for (const auto& c : cases) {
        ActionRowLayout layout(c.width, c.height, 20, 17, c.rows);
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " row " << c.row);
        EXPECT_FALSE(layout.NeedsScrollBar());
        EXPECT_TRUE(layout.IsShown(c.row, 0));
        EXPECT_EQ(c.check, layout.CheckRect(c.row, 0));
        EXPECT_EQ(c.combo, layout.ComboRect(c.row, 0));
    }
}

TEST(ActionRowLayoutTest, RowsBeyondTheLowerEdgeScrollIntoTheVisiblePlaces) {
    // Client height 140: rows end at most at 137, so rows 0..5 (the last
    // from 118 to 138) are too many by one pixel: five fit. The bar stands
    // 3 pixels inside the right edge, and the combo boxes give way to it.
    ActionRowLayout layout(470, 140, 20, 17, 9);
    ASSERT_TRUE(layout.NeedsScrollBar());
    EXPECT_EQ(5, layout.VisibleRows());
    EXPECT_EQ((RECT{450, 18, 467, 118}), layout.ScrollBarRect());
    EXPECT_EQ((RECT{299, 18, 449, 118}), layout.ComboRect(0, 0));

    EXPECT_EQ(0, layout.ClampFirstRow(-2));
    EXPECT_EQ(4, layout.ClampFirstRow(4));
    EXPECT_EQ(4, layout.ClampFirstRow(100));

    // From first row 4 on, rows 4..8 are shown, row 8 in the last place.
    EXPECT_FALSE(layout.IsShown(3, 4));
    EXPECT_TRUE(layout.IsShown(4, 4));
    EXPECT_TRUE(layout.IsShown(8, 4));
    EXPECT_EQ((RECT{10, 18, 299, 38}), layout.CheckRect(4, 4));
    EXPECT_EQ((RECT{10, 98, 299, 118}), layout.CheckRect(8, 4));
}

TEST(ActionRowLayoutTest, TallerCombosLeaveRoomForFewerRows) {
    // A closed combo box of 26 pixels: the last shown row must end by 137.
    ActionRowLayout layout(505, 140, 26, 17, 9);
    EXPECT_EQ(5, layout.VisibleRows()); // the fifth ends at 18 + 4 * 20 + 26 = 124, a sixth at 144
    ActionRowLayout low(505, 60, 26, 17, 3);
    EXPECT_EQ(1, low.VisibleRows()); // never fewer than one
}

} // namespace
