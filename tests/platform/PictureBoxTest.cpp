#include "platform/Panel.h"
#include "platform/PictureBox.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

const QColor kPanelColour(1, 2, 3);

QImage FourByTwo()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    image.setPixelColor(3, 1, QColor(0, 0, 255));
    image.setPixelColor(0, 1, QColor(0, 255, 0));
    return image;
}

// A panel of a known colour holding a 40 x 20 picture box.
struct PictureOnPanel {
    TPanel panel;
    TImage *image = nullptr;

    PictureOnPanel()
    {
        panel.resize(40, 20);
        panel.SetColor(RgbColor(kPanelColour.red(), kPanelColour.green(), kPanelColour.blue()));
        image = new TImage(&panel);
        image->setGeometry(0, 0, 40, 20);
    }

    QImage Grab() { return panel.grab().toImage(); }
};

TEST(PictureBox, UnstretchedPictureSitsAtTopLeftAndLeavesTheRestToTheParent)
{
    PictureOnPanel fixture;
    fixture.image->SetPicture(FourByTwo());
    const QImage shot = fixture.Grab();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(0, 1), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(3, 1), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(4, 0), kPanelColour);
    EXPECT_EQ(shot.pixelColor(0, 2), kPanelColour);
    EXPECT_EQ(shot.pixelColor(39, 19), kPanelColour);
}

TEST(PictureBox, StretchedPictureCoversTheWholeBox)
{
    PictureOnPanel fixture;
    QImage halves(2, 1, QImage::Format_RGB32);
    halves.setPixelColor(0, 0, QColor(255, 0, 0));
    halves.setPixelColor(1, 0, QColor(0, 0, 255));
    fixture.image->SetStretch(true);
    fixture.image->SetPicture(halves);
    const QImage shot = fixture.Grab();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(5, 19), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(39, 0), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(34, 19), QColor(0, 0, 255));
}

TEST(PictureBox, ReplacingThePictureRepaintsWithTheNewOne)
{
    PictureOnPanel fixture;
    fixture.image->SetStretch(true);
    fixture.image->SetPicture(FourByTwo());
    QImage grey(3, 3, QImage::Format_RGB32);
    grey.fill(QColor(90, 90, 90));
    fixture.image->SetPicture(grey);
    const QImage shot = fixture.Grab();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(90, 90, 90));
    EXPECT_EQ(shot.pixelColor(39, 19), QColor(90, 90, 90));
    EXPECT_EQ(fixture.image->size(), QSize(40, 20));
}

TEST(PictureBox, ReportsPressesAndMovesWithScreenPositionAndButtons)
{
    PictureOnPanel fixture;
    fixture.panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fixture.panel));

    QPoint downAt;
    Qt::MouseButton downButton = Qt::NoButton;
    int downs = 0;
    fixture.image->OnMouseDown = [&](QPoint globalPos, Qt::MouseButton button, Qt::MouseButtons) {
        downAt = globalPos;
        downButton = button;
        ++downs;
    };
    QPoint movedTo;
    Qt::MouseButtons movedWith;
    int moves = 0;
    fixture.image->OnMouseMove = [&](QPoint globalPos, Qt::MouseButtons buttons) {
        movedTo = globalPos;
        movedWith = buttons;
        ++moves;
    };

    QTest::mouseMove(fixture.image, QPoint(7, 8));
    EXPECT_GE(moves, 1);
    EXPECT_EQ(movedTo, fixture.image->mapToGlobal(QPoint(7, 8)));
    EXPECT_EQ(movedWith, Qt::NoButton);

    QTest::mousePress(fixture.image, Qt::RightButton, {}, QPoint(5, 6));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(downAt, fixture.image->mapToGlobal(QPoint(5, 6)));
    EXPECT_EQ(downButton, Qt::RightButton);
    QTest::mouseRelease(fixture.image, Qt::RightButton, {}, QPoint(5, 6));
}

TEST(Panel, FillsWithItsColourAndFollowsChanges)
{
    TPanel panel;
    panel.resize(10, 10);
    EXPECT_EQ(panel.Color(), clBtnFace);
    EXPECT_EQ(panel.grab().toImage().pixelColor(5, 5), ToQColor(clBtnFace));
    panel.SetColor(RgbColor(10, 20, 30));
    EXPECT_EQ(panel.grab().toImage().pixelColor(5, 5), QColor(10, 20, 30));
}

} // namespace
} // namespace tavrin
