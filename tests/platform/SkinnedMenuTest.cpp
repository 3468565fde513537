#include "platform/SkinnedMenu.h"

#include <QActionGroup>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace tavrin {
namespace {

QColor Rgb(TColor color)
{
    return ToQColor(color, QColor());
}

// Whether any pixel of the area is close to the colour (antialiased text).
bool AreaHasColour(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 40)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <=
                tolerance)
                return true;
        }
    }
    return false;
}

// The context menu of the main window, as the window builds it.
class SkinnedMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_onTop = m_menu.addAction(QStringLiteral("窗口置顶"));
        m_onTop->setCheckable(true);
        m_savePosition = m_menu.addAction(QStringLiteral("退出时保存位置"));
        m_savePosition->setCheckable(true);
        m_firstSeparator = m_menu.addSeparator();
        m_skins = m_menu.AddSubMenu(QStringLiteral("皮肤"));
        auto *group = new QActionGroup(&m_menu);
        group->setExclusive(true);
        for (const char *name : {"春草绿", "动感兰", "复古灰", "古典青", "冷艳紫", "落日黄", "玫瑰红"}) {
            QAction *item = m_skins->addAction(QString::fromUtf8(name));
            item->setCheckable(true);
            group->addAction(item);
            m_skinItems.push_back(item);
        }
        m_menu.addSeparator();
        m_exit = m_menu.addAction(QStringLiteral("退出"));
    }

    void TearDown() override
    {
        m_skins->hide();
        m_menu.hide();
    }

    QImage Show(TsuiPopupMenu &menu, const QPoint &at = QPoint(100, 100))
    {
        menu.popup(at);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu));
        return menu.grab().toImage();
    }

    TsuiPopupMenu m_menu;
    QAction *m_onTop = nullptr;
    QAction *m_savePosition = nullptr;
    QAction *m_firstSeparator = nullptr;
    TsuiPopupMenu *m_skins = nullptr;
    std::vector<QAction *> m_skinItems;
    QAction *m_exit = nullptr;
};

TEST_F(SkinnedMenuTest, ItemsAndSeparatorsHaveTheirHeightsInsideAOnePixelBorder)
{
    Show(m_menu);
    EXPECT_EQ(m_menu.actionGeometry(m_onTop), QRect(1, 1, m_menu.width() - 2, 21));
    EXPECT_EQ(m_menu.actionGeometry(m_savePosition).top(), 22);
    EXPECT_EQ(m_menu.actionGeometry(m_firstSeparator).height(), 5);
    EXPECT_EQ(m_menu.height(), 1 + 21 + 21 + 5 + 21 + 5 + 21 + 1);
}

TEST_F(SkinnedMenuTest, DrawsBorderBarFieldAndSeparatorInTheDefaultColours)
{
    const QImage shot = Show(m_menu);
    const QRect exitRow = m_menu.actionGeometry(m_exit);
    const QRect separator = m_menu.actionGeometry(m_firstSeparator);
    const int w = shot.width();
    const int h = shot.height();

    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(shot.pixelColor(w - 1, h - 1), QColor(0, 0, 0));
    EXPECT_EQ(shot.pixelColor(w - 1, h / 2), QColor(0, 0, 0));
    EXPECT_EQ(shot.pixelColor(1, exitRow.center().y()), Rgb(16773057));
    EXPECT_EQ(shot.pixelColor(26, exitRow.center().y()), Rgb(16773057));
    EXPECT_EQ(shot.pixelColor(27, exitRow.top()), QColor(255, 255, 255));
    EXPECT_EQ(shot.pixelColor(w - 3, exitRow.center().y()), QColor(255, 255, 255));
    EXPECT_EQ(shot.pixelColor(60, separator.top() + 2), Rgb(16773057));
    EXPECT_EQ(shot.pixelColor(60, separator.top()), QColor(255, 255, 255));
    // Captions in the font colour, Chinese glyphs included.
    EXPECT_TRUE(AreaHasColour(shot, exitRow.adjusted(27, 2, -10, -2), Rgb(13864729), 60));
}

TEST_F(SkinnedMenuTest, HighlightedItemIsFilledFramedAndWrittenInTheSelectedColours)
{
    m_menu.SetSelectedColor(RgbColor(255, 255, 0));
    m_menu.SetSelectedBorderColor(RgbColor(255, 0, 0));
    m_menu.SetSelectedFontColor(RgbColor(0, 160, 0));
    m_menu.SetFontColor(RgbColor(0, 0, 255));
    Show(m_menu);
    m_menu.setActiveAction(m_savePosition);
    const QImage shot = m_menu.grab().toImage();
    const QRect row = m_menu.actionGeometry(m_savePosition);

    EXPECT_EQ(shot.pixelColor(row.right() - 3, row.center().y()), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(row.left() + 5, row.center().y()), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(row.left() + 40, row.top()), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(row.right(), row.center().y()), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(row.left() + 40, row.bottom()), QColor(255, 0, 0));
    const QRect text = row.adjusted(27, 2, -2, -2);
    EXPECT_TRUE(AreaHasColour(shot, text, QColor(0, 160, 0)));
    EXPECT_FALSE(AreaHasColour(shot, text, QColor(0, 0, 255)));

    const QRect otherText = m_menu.actionGeometry(m_onTop).adjusted(27, 2, -2, -2);
    EXPECT_TRUE(AreaHasColour(shot, otherText, QColor(0, 0, 255)));
    EXPECT_FALSE(AreaHasColour(shot, otherText, QColor(0, 160, 0)));
}

TEST_F(SkinnedMenuTest, BarRunsFromBarColourToBarToColour)
{
    m_menu.SetBarColor(RgbColor(255, 0, 0));
    m_menu.SetBarToColor(RgbColor(0, 0, 255));
    const QImage shot = Show(m_menu);
    const int y = m_menu.actionGeometry(m_exit).center().y();
    const QColor left = shot.pixelColor(1, y);
    const QColor right = shot.pixelColor(26, y);
    EXPECT_GT(left.red(), 230);
    EXPECT_LT(left.blue(), 25);
    EXPECT_GT(right.blue(), 230);
    EXPECT_LT(right.red(), 25);
}

TEST_F(SkinnedMenuTest, SkinColoursReachTheSubmenu)
{
    m_menu.SetBarColor(RgbColor(0, 128, 0));
    m_menu.SetBarToColor(RgbColor(0, 128, 0));
    m_menu.SetSeparatorColor(RgbColor(1, 2, 3));
    m_menu.SetFontColor(RgbColor(4, 5, 6));
    m_menu.SetSelectedColor(RgbColor(7, 8, 9));
    m_menu.SetSelectedBorderColor(RgbColor(10, 11, 12));
    m_menu.SetSelectedFontColor(RgbColor(13, 14, 15));
    const SkinnedMenuColors &colors = m_skins->Colors();
    EXPECT_EQ(colors.barColor, RgbColor(0, 128, 0));
    EXPECT_EQ(colors.separatorColor, RgbColor(1, 2, 3));
    EXPECT_EQ(colors.fontColor, RgbColor(4, 5, 6));
    EXPECT_EQ(colors.selectedColor, RgbColor(7, 8, 9));
    EXPECT_EQ(colors.selectedBorderColor, RgbColor(10, 11, 12));
    EXPECT_EQ(colors.selectedFontColor, RgbColor(13, 14, 15));

    const QImage shot = Show(*m_skins);
    EXPECT_EQ(m_skins->actionGeometry(m_skinItems[0]).height(), 21);
    EXPECT_EQ(shot.pixelColor(3, shot.height() / 2), QColor(0, 128, 0));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 0, 0));
}

TEST_F(SkinnedMenuTest, CheckedItemsShowTickOrRadioDotInTheBar)
{
    m_skinItems[2]->setChecked(true);
    m_onTop->setChecked(true);
    m_menu.SetFontColor(RgbColor(200, 0, 0));
    const QImage skins = Show(*m_skins);
    const QRect checkedRow = m_skins->actionGeometry(m_skinItems[2]);
    const QRect plainRow = m_skins->actionGeometry(m_skinItems[3]);
    EXPECT_EQ(skins.pixelColor(13, checkedRow.center().y()), QColor(200, 0, 0));
    EXPECT_FALSE(AreaHasColour(skins, QRect(1, plainRow.top() + 1, 25, 19), QColor(200, 0, 0)));
    m_skins->hide();

    const QImage menu = Show(m_menu);
    EXPECT_TRUE(AreaHasColour(menu, QRect(5, 2, 17, 19), QColor(200, 0, 0)));
    const QRect savePositionBar(1, m_menu.actionGeometry(m_savePosition).top() + 1, 25, 19);
    EXPECT_FALSE(AreaHasColour(menu, savePositionBar, QColor(200, 0, 0)));
}

TEST_F(SkinnedMenuTest, DisabledItemsAreGreyAndNeverHighlighted)
{
    m_skins->menuAction()->setEnabled(false);
    m_menu.SetFontColor(RgbColor(0, 0, 255));
    Show(m_menu);
    m_menu.setActiveAction(m_skins->menuAction());
    const QImage shot = m_menu.grab().toImage();
    const QRect row = m_menu.actionGeometry(m_skins->menuAction());
    EXPECT_EQ(shot.pixelColor(row.right() - 3, row.top() + 2), QColor(255, 255, 255));
    EXPECT_FALSE(AreaHasColour(shot, row.adjusted(27, 2, -2, -2), QColor(0, 0, 255)));
    EXPECT_TRUE(AreaHasColour(shot, row.adjusted(27, 2, -2, -2), QColor(128, 128, 128), 30));
}

// The rightmost column of the item's caption that holds ink.
int RightmostInk(const QString &caption)
{
    TsuiPopupMenu menu;
    menu.SetFontColor(RgbColor(0, 0, 0));
    QAction *item = menu.addAction(caption);
    menu.popup(QPoint(10, 10));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu));
    const QImage shot = menu.grab().toImage();
    const QRect row = menu.actionGeometry(item).adjusted(27, 1, -1, -1);
    int rightmost = -1;
    for (int x = row.left(); x <= row.right(); ++x) {
        if (AreaHasColour(shot, QRect(x, row.top(), 1, row.height()), QColor(0, 0, 0), 200))
            rightmost = x;
    }
    menu.hide();
    return rightmost;
}

TEST(SkinnedMenuCaption, AmpersandIsDrawnNotTakenAsAccessKey)
{
    const int withAmpersand = RightmostInk(QStringLiteral("R&D"));
    const int without = RightmostInk(QStringLiteral("RD"));
    ASSERT_GT(without, 0);
    const int ampersandWidth = QFontMetrics(TsuiPopupMenu().font()).horizontalAdvance(u'&');
    EXPECT_GE(withAmpersand - without, ampersandWidth - 2);
}

} // namespace
} // namespace tavrin
