#include "platform/ImgButton.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

QImage Plate(const QColor &colour)
{
    QImage image(TImgButton::kWidth, TImgButton::kHeight, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QColor kNormal(200, 0, 0);
const QColor kEnter(0, 200, 0);
const QColor kDown(0, 0, 200);

// A shown window holding a button at (14, 6) with three plain pictures.
class ImgButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(100, 40);
        m_button = new TImgButton(&m_window);
        m_button->move(14, 6);
        m_button->SetPictureNormal(Plate(kNormal));
        m_button->SetPictureEnter(Plate(kEnter));
        m_button->SetPictureDown(Plate(kDown));
        m_button->OnClick = [this] { ++m_clicks; };
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        QTest::mouseMove(&m_window, QPoint(90, 35));
    }

    QColor Shown() const { return m_button->grab().toImage().pixelColor(10, 7); }

    QWidget m_window;
    TImgButton *m_button = nullptr;
    int m_clicks = 0;
};

TEST_F(ImgButtonTest, ShowsThePictureOfItsState)
{
    EXPECT_EQ(m_button->size(), QSize(28, 15));
    EXPECT_EQ(Shown(), kNormal);

    QTest::mouseMove(m_button, QPoint(5, 5));
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Enter);
    EXPECT_EQ(Shown(), kEnter);

    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Down);
    EXPECT_EQ(Shown(), kDown);

    QTest::mouseMove(m_button, QPoint(60, 5));
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Normal);
    QTest::mouseMove(m_button, QPoint(6, 5));
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Down);

    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Enter);

    QTest::mouseMove(&m_window, QPoint(90, 35));
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Normal);
    EXPECT_EQ(Shown(), kNormal);
}

TEST_F(ImgButtonTest, ClicksOnlyWhenTheLeftButtonIsReleasedInside)
{
    int signalled = 0;
    QObject::connect(m_button, &TImgButton::clicked, [&signalled] { ++signalled; });

    QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(signalled, 1);

    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(m_button, QPoint(40, 3));
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 3));
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Normal);

    QTest::mouseClick(m_button, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mouseClick(m_button, Qt::MiddleButton, {}, QPoint(3, 3));
    EXPECT_EQ(m_clicks, 1);
}

TEST_F(ImgButtonTest, NewPicturesKeepSizeAndPlace)
{
    const QColor replaced(120, 60, 30);
    QImage larger(40, 30, QImage::Format_RGB32);
    larger.fill(replaced);
    m_button->SetPictureNormal(larger);
    EXPECT_EQ(m_button->geometry(), QRect(14, 6, 28, 15));
    EXPECT_EQ(Shown(), replaced);
}

TEST_F(ImgButtonTest, ComesBackAtRestAfterBeingHiddenUnderThePointer)
{
    QTest::mouseMove(m_button, QPoint(5, 5));
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Enter);
    m_window.hide();
    m_window.show();
    EXPECT_EQ(m_button->CurrentState(), TImgButton::State::Normal);
}

} // namespace
} // namespace tavrin
