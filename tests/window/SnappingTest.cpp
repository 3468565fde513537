#include "window/Snapping.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

struct SnapCase {
    const char *what;
    QPoint requested;
    QSize size;
    QRect workArea;
    QPoint expected;
};

// A 1920 x 1080 screen with a 30-pixel panel along the bottom.
const QRect BottomPanelArea(0, 0, 1920, 1050);
// A work area that starts away from the screen's origin.
const QRect OffsetArea(100, 40, 800, 600);
const QSize Launcher(174, 673);

class SnapToWorkAreaTable : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapToWorkAreaTable, GivesTheSnappedPosition)
{
    const SnapCase &c = GetParam();
    EXPECT_EQ(SnapToWorkArea(c.requested, c.size, c.workArea), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SnapToWorkAreaTable,
    ::testing::Values(
        SnapCase{"floating far from every edge", {500, 200}, Launcher, BottomPanelArea, {500, 200}},
        SnapCase{"left edge 9 inside", {9, 200}, Launcher, BottomPanelArea, {0, 200}},
        SnapCase{"left edge 9 outside", {-9, 200}, Launcher, BottomPanelArea, {0, 200}},
        SnapCase{"left edge 10 inside stays", {10, 200}, Launcher, BottomPanelArea, {10, 200}},
        SnapCase{"left edge 10 outside stays", {-10, 200}, Launcher, BottomPanelArea, {-10, 200}},
        SnapCase{"top edge 9 below", {300, 9}, Launcher, BottomPanelArea, {300, 0}},
        SnapCase{"top edge 2 (Show command)", {300, 2}, Launcher, BottomPanelArea, {300, 0}},
        SnapCase{"top edge 9 above", {300, -9}, Launcher, BottomPanelArea, {300, 0}},
        SnapCase{"top edge 10 below stays", {300, 10}, Launcher, BottomPanelArea, {300, 10}},
        SnapCase{"right edge 9 short", {1737, 200}, Launcher, BottomPanelArea, {1746, 200}},
        SnapCase{"right edge 9 past", {1755, 200}, Launcher, BottomPanelArea, {1746, 200}},
        SnapCase{"right edge 10 short stays", {1736, 200}, Launcher, BottomPanelArea, {1736, 200}},
        SnapCase{"right edge 10 past stays", {1756, 200}, Launcher, BottomPanelArea, {1756, 200}},
        SnapCase{"bottom edge 9 above the panel", {300, 368}, Launcher, BottomPanelArea, {300, 377}},
        SnapCase{"bottom edge 9 into the panel", {300, 386}, Launcher, BottomPanelArea, {300, 377}},
        SnapCase{"bottom edge 10 above stays", {300, 367}, Launcher, BottomPanelArea, {300, 367}},
        SnapCase{"top-right corner snaps on both axes", {1740, 5}, Launcher, BottomPanelArea, {1746, 0}},
        SnapCase{"hidden at the top is left alone", {500, 3 - 673}, Launcher, BottomPanelArea, {500, -670}},
        SnapCase{"hidden at the right is left alone", {1916, 300}, Launcher, BottomPanelArea, {1916, 300}},
        SnapCase{"hidden at the top-right: only the top is far", {1746, -670}, Launcher, BottomPanelArea,
                 {1746, -670}},
        SnapCase{"origin is exempt", {0, 0}, Launcher, QRect(4, 6, 1000, 800), {0, 0}},
        SnapCase{"one pixel off the origin snaps", {1, 0}, Launcher, QRect(4, 6, 1000, 800), {4, 6}},
        SnapCase{"offset area left", {105, 300}, Launcher, OffsetArea, {100, 300}},
        SnapCase{"offset area top", {300, 47}, Launcher, OffsetArea, {300, 40}},
        SnapCase{"offset area right", {900 - 174 + 4, 300}, Launcher, OffsetArea, {900 - 174, 300}},
        SnapCase{"offset area bottom", {300, 640 - 100 - 5}, QSize(174, 100), OffsetArea, {300, 540}},
        // 174 wide in a 180-wide area: the left test puts it at 100, then the
        // right test (on the same axis, later) moves it to 106.
        SnapCase{"right test overrides left test", {103, 300}, Launcher, QRect(100, 40, 180, 900), {106, 300}},
        SnapCase{"bottom test overrides top test", {300, 43}, QSize(174, 100), QRect(100, 40, 800, 105),
                 {300, 45}}));

} // namespace
} // namespace tavrin
