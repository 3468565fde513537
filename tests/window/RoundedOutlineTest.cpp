#include "window/RoundedOutline.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

// Columns cut from the left of the first rows by a 9 x 9 corner ellipse.
TEST(RoundedOutline, RoundsTheUpperCornersAndKeepsTheLowerSquare)
{
    const QSize size(174, 673);
    const QRegion outline = OutlineRegion(size);

    struct Pixel {
        int x, y;
        bool inside;
    };
    const Pixel pixels[] = {
        // upper-left corner: rows 0 and 1 are cut, row 2 on is whole
        {0, 0, false}, {1, 0, false}, {2, 0, true}, {0, 1, false}, {1, 1, true}, {0, 2, true},
        // upper-right corner: the rectangle ends one past the window, so
        // only the last column of the first row is cut
        {173, 0, false}, {172, 0, true}, {173, 1, true},
        // lower corners are square
        {0, 672, true}, {173, 672, true},
        // the middle and the edges
        {87, 0, true}, {0, 336, true}, {173, 336, true}, {87, 672, true},
    };
    for (const Pixel &p : pixels)
        EXPECT_EQ(outline.contains(QPoint(p.x, p.y)), p.inside) << p.x << "," << p.y;
    // It covers the window and reaches past it by one column and five rows.
    EXPECT_EQ(outline.boundingRect(), QRect(0, 0, 175, 678));
}

TEST(RoundedOutline, RoundRectRegionIsSymmetricWithinItsRectangle)
{
    const QRegion region = RoundRectRegion(10, 20, 30, 40, 9, 9);
    EXPECT_EQ(region.boundingRect(), QRect(10, 20, 20, 20));
    for (int y = 20; y < 40; ++y) {
        for (int x = 10; x < 30; ++x) {
            const QPoint mirrorX(10 + 29 - x, y);
            const QPoint mirrorY(x, 20 + 39 - y);
            EXPECT_EQ(region.contains(QPoint(x, y)), region.contains(mirrorX)) << x << "," << y;
            EXPECT_EQ(region.contains(QPoint(x, y)), region.contains(mirrorY)) << x << "," << y;
        }
    }
    EXPECT_FALSE(region.contains(QPoint(10, 20)));
    EXPECT_TRUE(region.contains(QPoint(20, 20)));
}

TEST(RoundedOutline, DegenerateSizesGiveNoCrash)
{
    EXPECT_TRUE(RoundRectRegion(0, 0, 0, 10, 9, 9).isEmpty());
    EXPECT_TRUE(RoundRectRegion(5, 5, 4, 10, 9, 9).isEmpty());
    // Smaller than the ellipse: still a rounded shape inside the rectangle.
    const QRegion tiny = RoundRectRegion(0, 0, 4, 3, 9, 9);
    EXPECT_TRUE(QRect(0, 0, 4, 3).contains(tiny.boundingRect()));
    EXPECT_FALSE(tiny.isEmpty());
}

TEST(RoundedOutline, ApplyMasksTheWindowFromItsSize)
{
    QWidget window;
    window.resize(174, 300);
    ApplyRoundedOutline(&window);
    EXPECT_EQ(window.mask(), OutlineRegion(QSize(174, 300)));
}

} // namespace
} // namespace tavrin
