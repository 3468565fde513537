#include "bar/OutlookBar.h"
#include "platform/ImageList.h"
#include "tests/bar_widget/BarTestSupport.h"

#include <QWheelEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrin {
namespace {

using test::AreaHasColor;
using test::Backdrop;
using test::BarOnBackdrop;

const QColor TileMark(255, 0, 0);  // first column of the test header bitmap
const QColor TileBody(0, 0, 200);  // the rest of it
constexpr int TileWidth = 10;

QImage TestHeaderBitmap()
{
    QImage bitmap(TileWidth, 25, QImage::Format_RGB32);
    bitmap.fill(TileBody);
    for (int y = 0; y < bitmap.height(); ++y)
        bitmap.setPixelColor(0, y, TileMark);
    return bitmap;
}

void Fill(TmxOutlookBarPro &bar, const std::vector<int> &buttonsPerHeader, bool transparent = true)
{
    bar.SetHeaderBitmap(TestHeaderBitmap());
    for (std::size_t h = 0; h < buttonsPerHeader.size(); ++h) {
        TmxHeader &header = bar.AddHeader();
        header.Caption = QStringLiteral("Header %1").arg(h);
        if (transparent)
            header.BackgroundStyle = TmxBackgroundStyle::btTransparent;
        for (int b = 0; b < buttonsPerHeader[h]; ++b)
            header.AddButton().Caption = QStringLiteral(" Entry %1").arg(b);
    }
}

// The point inside a row that neither picture nor caption covers.
QPoint PlainPointOf(const QRect &row)
{
    return QPoint(row.right() - 3, row.center().y());
}

TEST(OutlookBarLayout, HeadersBordersAndSeparators)
{
    BarOnBackdrop view;
    Fill(*view.bar, {2, 2, 2});

    // No header open: all headers stack from the top, 22 high, 5 apart.
    ASSERT_EQ(view.bar->ActiveHeader(), -1);
    EXPECT_EQ(view.bar->HeaderRect(0), QRect(5, 5, 148, 22));
    EXPECT_EQ(view.bar->HeaderRect(1), QRect(5, 32, 148, 22));
    EXPECT_EQ(view.bar->HeaderRect(2), QRect(5, 59, 148, 22));
    EXPECT_TRUE(view.bar->BodyRect().isEmpty());

    const QImage shot = view.Shot();
    // Borders and separators show what lies beneath the bar.
    for (const QPoint point : {QPoint(2, 15), QPoint(155, 15), QPoint(50, 2), QPoint(50, 29), QPoint(50, 56)})
        EXPECT_EQ(shot.pixelColor(point), Backdrop) << point.x() << "," << point.y();
    // The bitmap is tiled across each header from its left edge.
    for (int x : {5, 5 + TileWidth, 5 + 7 * TileWidth})
        EXPECT_EQ(shot.pixelColor(x, 40), TileMark) << x;
    EXPECT_EQ(shot.pixelColor(5 + TileWidth + 1, 40), TileBody);
    EXPECT_EQ(shot.pixelColor(6, 26), TileBody); // last row of the 22-pixel header
}

TEST(OutlookBarLayout, OpenHeaderBodyAndLaterHeadersAtTheBottom)
{
    BarOnBackdrop view(QSize(158, 300));
    Fill(*view.bar, {2, 2, 2});

    view.bar->SetActiveHeader(0);
    EXPECT_EQ(view.bar->HeaderRect(0), QRect(5, 5, 148, 22));
    EXPECT_EQ(view.bar->HeaderRect(2), QRect(5, 300 - 5 - 22, 148, 22));
    EXPECT_EQ(view.bar->HeaderRect(1), QRect(5, 300 - 5 - 22 - 5 - 22, 148, 22));
    EXPECT_EQ(view.bar->BodyRect(), QRect(5, 27, 148, 246 - 5 - 27));
    EXPECT_EQ(view.bar->ButtonRect(0, 1), QRect(5, 27 + 30, 148, 30));
    EXPECT_TRUE(view.bar->ButtonRect(1, 0).isEmpty());

    view.bar->SetActiveHeader(1);
    EXPECT_EQ(view.bar->HeaderRect(1), QRect(5, 32, 148, 22));
    EXPECT_EQ(view.bar->HeaderRect(2), QRect(5, 273, 148, 22));
    EXPECT_EQ(view.bar->BodyRect(), QRect(5, 54, 148, 273 - 5 - 54));

    // The last header open: its body runs to the bottom border.
    view.bar->SetActiveHeader(2);
    EXPECT_EQ(view.bar->BodyRect(), QRect(5, 59 + 22, 148, 300 - 5 - 81));

    view.bar->SetActiveHeader(7);
    EXPECT_EQ(view.bar->ActiveHeader(), -1);
}

TEST(OutlookBarLook, BodyIsGreyUntilMadeTransparent)
{
    BarOnBackdrop view;
    Fill(*view.bar, {1, 1}, false);
    view.bar->SetActiveHeader(0);
    const QPoint inBody(60, view.bar->BodyRect().bottom() - 5);
    EXPECT_EQ(view.At(inBody), QColor(0x80, 0x80, 0x80));

    view.bar->Header(0).BackgroundStyle = TmxBackgroundStyle::btTransparent;
    view.bar->update();
    EXPECT_EQ(view.At(inBody), Backdrop);
}

TEST(OutlookBarLook, HeaderCaptionColourFollowsThePointer)
{
    BarOnBackdrop view;
    Fill(*view.bar, {1, 1});
    const QColor normal(255, 255, 0), highlight(0, 255, 0);
    view.bar->SetHeaderFontColor(RgbColor(normal.red(), normal.green(), normal.blue()));
    view.bar->SetHeaderHighlightFontColor(RgbColor(highlight.red(), highlight.green(), highlight.blue()));
    const QRect caption = view.bar->HeaderRect(1).adjusted(8, 0, -30, 0);

    QImage shot = view.Shot();
    EXPECT_TRUE(AreaHasColor(shot, caption, normal));
    EXPECT_FALSE(AreaHasColor(shot, caption, highlight));

    QTest::mouseMove(view.bar, view.bar->HeaderRect(1).center());
    EXPECT_EQ(view.bar->HoveredItem().kind, TmxHitInfo::Kind::Header);
    shot = view.Shot();
    EXPECT_TRUE(AreaHasColor(shot, caption, highlight));
    EXPECT_FALSE(AreaHasColor(shot, caption, normal));
}

TEST(OutlookBarLook, StatusButtonColours)
{
    BarOnBackdrop view;
    Fill(*view.bar, {1});
    const QRect header = view.bar->HeaderRect(0);
    const QImage shot = view.Shot();
    // White fill inside the ring, the 2-pixel ring in cornflower blue.
    const QRect status(header.right() - 4 - 16 + 1, header.top() + 3, 16, 16);
    EXPECT_TRUE(AreaHasColor(shot, status, QColor(0xFF, 0xFF, 0xFF)));
    EXPECT_TRUE(AreaHasColor(shot, status, QColor(0x61, 0x93, 0xEA)));
    EXPECT_FALSE(AreaHasColor(shot, QRect(header.left() + 1, header.top(), 20, 22), QColor(0x61, 0x93, 0xEA)));
}

TEST(OutlookBarLook, EntryUnderThePointerIsFramedAndFilled)
{
    BarOnBackdrop view;
    Fill(*view.bar, {3});
    view.bar->SetActiveHeader(0);
    const QColor fill(10, 200, 10), frame(200, 10, 10), pressed(10, 10, 200), text(250, 160, 0);
    view.bar->SetXPBackground(RgbColor(fill.red(), fill.green(), fill.blue()));
    view.bar->SetXPBorderColor(RgbColor(frame.red(), frame.green(), frame.blue()));
    view.bar->SetXPPressedBackground(RgbColor(pressed.red(), pressed.green(), pressed.blue()));
    view.bar->SetButtonHighlightFontColor(RgbColor(text.red(), text.green(), text.blue()));
    const QRect row = view.bar->ButtonRect(0, 1);

    EXPECT_EQ(view.At(PlainPointOf(row)), Backdrop);

    QTest::mouseMove(view.bar, row.center());
    QImage shot = view.Shot();
    EXPECT_EQ(shot.pixelColor(PlainPointOf(row)), fill);
    EXPECT_EQ(shot.pixelColor(row.topLeft()), frame);
    EXPECT_EQ(shot.pixelColor(row.bottomRight()), frame);
    EXPECT_TRUE(test::AreaHasColorNear(shot, row.adjusted(29, 1, -1, -1), text, 40));
    EXPECT_EQ(shot.pixelColor(PlainPointOf(view.bar->ButtonRect(0, 0))), Backdrop);

    QTest::mousePress(view.bar, Qt::LeftButton, {}, row.center());
    EXPECT_EQ(view.At(PlainPointOf(row)), pressed);
    QTest::mouseRelease(view.bar, Qt::LeftButton, {}, row.center());

    QTest::mouseMove(view.bar, PlainPointOf(view.bar->ButtonRect(0, 2)));
    EXPECT_EQ(view.At(PlainPointOf(row)), Backdrop);
}

TEST(OutlookBarLook, EntryPictureComesFromTheHeadersSmallList)
{
    BarOnBackdrop view;
    Fill(*view.bar, {2});
    ImageList images;
    QImage red(24, 24, QImage::Format_ARGB32);
    red.fill(Qt::red);
    images.AddIcon(red);
    view.bar->Header(0).SmallImages = &images;
    view.bar->Header(0).Button(1).ImageIndex = 0;
    view.bar->SetActiveHeader(0);

    const QImage shot = view.Shot();
    const QRect row0 = view.bar->ButtonRect(0, 0), row1 = view.bar->ButtonRect(0, 1);
    EXPECT_EQ(shot.pixelColor(row1.left() + 4 + 12, row1.top() + 15), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(row1.left() + 4, row1.top() + 3), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(row1.left() + 3, row1.top() + 3), Backdrop);
    EXPECT_FALSE(AreaHasColor(shot, row0, QColor(Qt::red))); // ImageIndex -1: no picture
}

// Records the callbacks in the order they come.
struct ClickLog {
    explicit ClickLog(TmxOutlookBarPro &bar, bool allowSelection = true)
    {
        bar.OnClick = [this, &bar, allowSelection] {
            events.push_back("bar");
            if (allowSelection)
                for (int i = 0; i < bar.HeaderCount(); ++i)
                    bar.Header(i).SetAllowSelected(true);
        };
        for (int h = 0; h < bar.HeaderCount(); ++h)
            for (int b = 0; b < bar.Header(h).ButtonCount(); ++b)
                bar.Header(h).Button(b).OnClick = [this, &bar](TmxButton *sender) {
                    events.push_back("button " + std::to_string(sender->Header().Index()) + "." +
                                     std::to_string(sender->Index()));
                    selectedDuringClick = bar.SelectedButton();
                };
    }
    std::vector<std::string> events;
    TmxButton *selectedDuringClick = nullptr;
};

TEST(OutlookBarClicks, EntryClickRunsBarClickThenSelectsThenButtonClick)
{
    BarOnBackdrop view;
    Fill(*view.bar, {3, 2});
    view.bar->SetActiveHeader(0);
    const QColor pressed(10, 10, 200);
    view.bar->SetXPPressedBackground(RgbColor(pressed.red(), pressed.green(), pressed.blue()));
    ClickLog log(*view.bar);
    QColor shownDuringClick;
    auto recordClick = view.bar->Header(0).Button(1).OnClick;
    view.bar->Header(0).Button(1).OnClick = [&](TmxButton *sender) {
        shownDuringClick = view.At(PlainPointOf(view.bar->ButtonRect(0, 1)));
        recordClick(sender);
    };

    EXPECT_EQ(view.bar->SelectedButton(), nullptr);
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(0, 1).center());

    EXPECT_EQ(log.events, (std::vector<std::string>{"bar", "button 0.1"}));
    EXPECT_EQ(log.selectedDuringClick, &view.bar->Header(0).Button(1));
    EXPECT_EQ(shownDuringClick, pressed); // already drawn selected
}

TEST(OutlookBarClicks, MostRecentlyClickedEntryIsShownSelected)
{
    BarOnBackdrop view;
    Fill(*view.bar, {3, 2});
    view.bar->SetActiveHeader(0);
    const QColor pressed(10, 10, 200);
    view.bar->SetXPPressedBackground(RgbColor(pressed.red(), pressed.green(), pressed.blue()));
    ClickLog log(*view.bar);
    const QPoint away(60, view.bar->BodyRect().bottom() - 3); // empty space in the body

    QTest::mouseMove(view.bar, away);
    EXPECT_EQ(view.At(PlainPointOf(view.bar->ButtonRect(0, 0))), Backdrop);

    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(0, 0).center());
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(0, 2).center());
    QTest::mouseMove(view.bar, away);
    EXPECT_EQ(view.bar->SelectedButton(), &view.bar->Header(0).Button(2));
    QImage shot = view.Shot();
    EXPECT_EQ(shot.pixelColor(PlainPointOf(view.bar->ButtonRect(0, 2))), pressed);
    EXPECT_EQ(shot.pixelColor(PlainPointOf(view.bar->ButtonRect(0, 0))), Backdrop);

    // One selection for the whole bar: an entry of another header takes it.
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->HeaderRect(1).center());
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(1, 0).center());
    EXPECT_EQ(view.bar->SelectedButton(), &view.bar->Header(1).Button(0));

    // A click on empty space only reaches the bar's own handler.
    log.events.clear();
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, away);
    EXPECT_EQ(log.events, std::vector<std::string>{"bar"});
    EXPECT_EQ(view.bar->SelectedButton(), &view.bar->Header(1).Button(0));
}

TEST(OutlookBarClicks, NoSelectionWhileTheHeaderDoesNotAllowIt)
{
    BarOnBackdrop view;
    Fill(*view.bar, {2});
    view.bar->SetActiveHeader(0);
    ClickLog log(*view.bar, false);

    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(0, 0).center());
    EXPECT_EQ(log.events, (std::vector<std::string>{"bar", "button 0.0"}));
    EXPECT_EQ(view.bar->SelectedButton(), nullptr);

    view.bar->Header(0).SetAllowSelected(true);
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(0, 1).center());
    EXPECT_EQ(view.bar->SelectedButton(), &view.bar->Header(0).Button(1));
    // Switching selection off and on again clears that header's selection.
    view.bar->Header(0).SetAllowSelected(false);
    EXPECT_EQ(view.bar->SelectedButton(), nullptr);
}

TEST(OutlookBarClicks, HeaderClickOpensItAndRunsOnlyTheBarClick)
{
    BarOnBackdrop view;
    Fill(*view.bar, {2, 2, 2});
    view.bar->SetActiveHeader(0);
    ClickLog log(*view.bar);

    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->HeaderRect(2).center());
    EXPECT_EQ(view.bar->ActiveHeader(), 2);
    EXPECT_EQ(log.events, std::vector<std::string>{"bar"});

    // Clicking the open header keeps it open.
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->HeaderRect(2).center());
    EXPECT_EQ(view.bar->ActiveHeader(), 2);

    // Pressing on one entry and releasing on another clicks neither.
    log.events.clear();
    QTest::mousePress(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(2, 0).center());
    QTest::mouseRelease(view.bar, Qt::LeftButton, {}, view.bar->ButtonRect(2, 1).center());
    EXPECT_EQ(log.events, std::vector<std::string>{"bar"});

    // The right button clicks nothing.
    log.events.clear();
    QTest::mouseClick(view.bar, Qt::RightButton, {}, view.bar->ButtonRect(2, 0).center());
    EXPECT_TRUE(log.events.empty());
}

TEST(OutlookBarPointer, EveryMoveReachesOnMouseMove)
{
    BarOnBackdrop view;
    Fill(*view.bar, {2});
    int moves = 0;
    view.bar->OnMouseMove = [&] { ++moves; };
    QTest::mouseMove(view.bar, QPoint(20, 10));
    QTest::mouseMove(view.bar, QPoint(20, 100));
    QTest::mouseMove(view.bar, QPoint(1, 1));
    EXPECT_EQ(moves, 3);
}

void Wheel(QWidget *widget, QPoint at, int delta)
{
    QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

TEST(OutlookBarScrolling, WheelAndScrollButtonsMoveTheEntries)
{
    BarOnBackdrop view(QSize(158, 200));
    Fill(*view.bar, {30, 1});
    view.bar->SetActiveHeader(0);
    int barClicks = 0;
    view.bar->OnClick = [&] { ++barClicks; };
    const QRect body = view.bar->BodyRect(); // 27 .. 168 - 1: 141 pixels
    ASSERT_EQ(body.height(), 200 - 5 - 22 - 5 - 27);
    EXPECT_EQ(view.bar->MaxScrollOffset(), 30 * 30 - body.height());
    EXPECT_EQ(view.bar->ScrollOffset(), 0);
    EXPECT_TRUE(view.bar->ScrollUpRect().isEmpty());
    ASSERT_FALSE(view.bar->ScrollDownRect().isEmpty());

    Wheel(view.bar, body.center(), -120);
    EXPECT_EQ(view.bar->ScrollOffset(), 30);
    EXPECT_EQ(view.bar->HitTest(QPoint(40, body.top() + 1)), (TmxHitInfo{TmxHitInfo::Kind::Button, 0, 1}));

    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ScrollDownRect().center());
    EXPECT_EQ(view.bar->ScrollOffset(), 60);
    ASSERT_FALSE(view.bar->ScrollUpRect().isEmpty());
    QTest::mouseClick(view.bar, Qt::LeftButton, {}, view.bar->ScrollUpRect().center());
    EXPECT_EQ(view.bar->ScrollOffset(), 30);
    EXPECT_EQ(barClicks, 0); // the scroll buttons belong to the bar itself

    // The end is clamped; the rows never paint over the header below.
    Wheel(view.bar, body.center(), -120 * 100);
    EXPECT_EQ(view.bar->ScrollOffset(), view.bar->MaxScrollOffset());
    EXPECT_TRUE(view.bar->ScrollDownRect().isEmpty());
    QTest::mouseMove(view.bar, view.bar->ButtonRect(0, 29).center());
    EXPECT_EQ(view.bar->HoveredItem(), (TmxHitInfo{TmxHitInfo::Kind::Button, 0, 29}));
    const QImage shot = view.Shot();
    EXPECT_EQ(shot.pixelColor(5 + TileWidth, view.bar->HeaderRect(1).top() + 1), TileMark);
    EXPECT_EQ(shot.pixelColor(60, view.bar->HeaderRect(1).top() - 2), Backdrop);

    // Opening another header starts at its top.
    view.bar->SetActiveHeader(1);
    view.bar->SetActiveHeader(0);
    EXPECT_EQ(view.bar->ScrollOffset(), 0);
}

} // namespace
} // namespace tavrin
