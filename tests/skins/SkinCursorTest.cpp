#include "platform/RasterImage.h"
#include "platform/SkinCursor.h"

#include "tests/skins/SkinFixtures.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>

using namespace tavrin;

namespace {

CursorFile AnimatedCursor()
{
    const test::Bytes a = test::MakeCursor(32, 32, 4, 6, 0xFFFF0000);
    const test::Bytes b = test::MakeCursor(32, 32, 4, 6, 0xFF0000FF);
    const test::Bytes ani = test::MakeAni({a, b}, 1, {}, {});
    return *ParseCursorFile(ani.data(), ani.size());
}

QRgb CursorPixel(const QCursor &cursor, int x, int y)
{
    return cursor.pixmap().toImage().pixel(x, y);
}

TEST(RasterImage, KeepsPixelsAndAlpha)
{
    Raster raster;
    raster.width = 2;
    raster.height = 1;
    raster.pixels = {0x80FF0000u, 0xFF00FF00u};
    const QImage image = ToQImage(raster);
    ASSERT_EQ(image.size(), QSize(2, 1));
    EXPECT_EQ(image.pixel(0, 0), 0x80FF0000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF00FF00u);
    EXPECT_TRUE(ToQImage(Raster{}).isNull());
}

TEST(SkinCursor, ShowsTheSkinCursorOnAttachedWidgetsAndTheArrowWithout)
{
    QWidget window, panel(&window), image(&panel);
    SkinCursor cursor;
    cursor.SetCursor(AnimatedCursor());
    cursor.Attach({&window, &panel});

    EXPECT_TRUE(cursor.HasSkinCursor());
    EXPECT_EQ(panel.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(panel.cursor().hotSpot(), QPoint(4, 6));
    EXPECT_EQ(CursorPixel(panel.cursor(), 0, 0), 0xFFFF0000u);
    // A widget that was not attached shows its parent's cursor.
    EXPECT_FALSE(image.testAttribute(Qt::WA_SetCursor));

    cursor.SetCursor(std::nullopt);
    EXPECT_FALSE(cursor.HasSkinCursor());
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(panel.cursor().shape(), Qt::ArrowCursor);
}

TEST(SkinCursor, StepsThroughAnAnimatedCursor)
{
    QWidget widget;
    SkinCursor cursor;
    cursor.Attach({&widget});
    cursor.SetCursor(AnimatedCursor());
    ASSERT_EQ(cursor.StepCount(), 2u);
    EXPECT_TRUE(cursor.IsAnimating());
    EXPECT_EQ(cursor.CurrentStep(), 0u);

    const QDeadlineTimer deadline(10000);
    while (cursor.CurrentStep() == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(cursor.CurrentStep(), 1u);
    EXPECT_EQ(CursorPixel(widget.cursor(), 0, 0), 0xFF0000FFu);
}

TEST(SkinCursor, AStaticCursorDoesNotAnimate)
{
    const test::Bytes file = test::MakeCursor(32, 32, 1, 2, 0xFF00FF00);
    QWidget widget;
    SkinCursor cursor;
    cursor.Attach({&widget});
    cursor.SetCursor(ParseCursorFile(file.data(), file.size()));
    EXPECT_TRUE(cursor.HasSkinCursor());
    EXPECT_FALSE(cursor.IsAnimating());
    EXPECT_EQ(widget.cursor().hotSpot(), QPoint(1, 2));
}

TEST(SkinCursor, DecodesPngFramesAndRejectsBrokenOnes)
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(0xFF123456u);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));

    CursorFrame frame;
    frame.png.assign(png.begin(), png.end());
    frame.width = frame.height = 24;
    frame.hotspotX = frame.hotspotY = 12;
    const std::optional<QCursor> shown = CursorFromFrame(frame);
    ASSERT_TRUE(shown);
    EXPECT_EQ(CursorPixel(*shown, 3, 3), 0xFF123456u);

    frame.png.resize(frame.png.size() / 2);
    EXPECT_FALSE(CursorFromFrame(frame));

    CursorFile cursor;
    cursor.frames = {frame};
    cursor.sequence = {0};
    cursor.jiffies = {1};
    QWidget widget;
    SkinCursor skinCursor;
    skinCursor.Attach({&widget});
    skinCursor.SetCursor(cursor);
    EXPECT_FALSE(skinCursor.HasSkinCursor());
    EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
