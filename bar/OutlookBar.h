#pragma once

// The launcher bar list1: a column of category headers of which one stands
// open (Outlook style). The open header's entry buttons fill the space
// below it, the headers after it stack at the bottom of the bar. The bar
// paints no background of its own, so whatever lies beneath it shows
// through, except under an open header whose body is solid.
//
// Events are plain std::function callbacks:
//   OnClick      - any left click released in the bar (header, entry or
//                  empty space), before the bar acts on it;
//   OnMouseMove  - every pointer move over the bar;
//   TmxButton::OnClick - a left click released on that entry, after the
//                  bar has marked it selected (when its header allows it).

#include "bar/BarSettings.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace tavrin {

class ImageList;
class TmxHeader;
class TmxOutlookBarPro;

// One entry button of a header.
class TmxButton {
public:
    QString Caption;
    QString Hint;        // never shown: the bar shows no tooltips
    int ImageIndex = -1; // position in the header's small-picture list; -1: none
    std::function<void(TmxButton *sender)> OnClick;

    TmxHeader &Header() const { return *header_; }
    int Index() const;

private:
    friend class TmxHeader;
    explicit TmxButton(TmxHeader &header) : header_(&header) {}
    TmxHeader *header_;
};

// One category header with its entry buttons.
class TmxHeader {
public:
    QString Caption;
    // The list the entry pictures are drawn from; not owned. None: entries
    // show their captions only.
    const ImageList *SmallImages = nullptr;
    // New headers have the solid grey body.
    TmxBackgroundStyle BackgroundStyle = TmxBackgroundStyle::btSolid;

    // Whether a click on one of this header's entries marks it selected.
    // Changing the value clears a selection held by this header's entries.
    bool AllowSelected() const { return allowSelected_; }
    void SetAllowSelected(bool allow);

    TmxButton &AddButton();
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TmxButton &Button(int index) const { return *buttons_.at(static_cast<std::size_t>(index)); }

    TmxOutlookBarPro &Bar() const { return *bar_; }
    int Index() const;

private:
    friend class TmxOutlookBarPro;
    friend class TmxButton;
    explicit TmxHeader(TmxOutlookBarPro &bar) : bar_(&bar) {}
    TmxOutlookBarPro *bar_;
    bool allowSelected_ = false;
    std::vector<std::unique_ptr<TmxButton>> buttons_;
};

// What lies under a point of the bar.
struct TmxHitInfo {
    enum class Kind { Nothing, Header, Button, ScrollUp, ScrollDown };
    Kind kind = Kind::Nothing;
    int header = -1;
    int button = -1;

    bool operator==(const TmxHitInfo &) const = default;
};

class TmxOutlookBarPro : public QWidget {
    Q_OBJECT

public:
    explicit TmxOutlookBarPro(QWidget *parent = nullptr);
    ~TmxOutlookBarPro() override;

    std::function<void()> OnClick;
    std::function<void()> OnMouseMove;

    // ---- content -----------------------------------------------------------
    TmxHeader &AddHeader();
    int HeaderCount() const { return static_cast<int>(headers_.size()); }
    TmxHeader &Header(int index) const { return *headers_.at(static_cast<std::size_t>(index)); }

    // The open header; -1 when none. Any value outside the headers means none.
    int ActiveHeader() const { return activeHeader_; }
    void SetActiveHeader(int index);

    TmxButton *SelectedButton() const { return selected_; }

    // ---- look ----------------------------------------------------------------
    const TmxBarSettings &Settings() const { return settings_; }
    const TmxBorder &Border() const { return border_; }
    void SetHeaderFontColor(TColor color);          // Settings.Font.Color
    void SetHeaderHighlightFontColor(TColor color); // Settings.HighlightFont.Color
    void SetButtonFontColor(TColor color);          // Settings.ButtonFont.Color
    void SetButtonHighlightFontColor(TColor color); // Settings.ButtonHighlightFont.Color
    void SetXPBackground(TColor color);             // Settings.XPColors.Background
    void SetXPBorderColor(TColor color);            // Settings.XPColors.BorderColor
    void SetXPPressedBackground(TColor color);      // Settings.XPColors.PressedBackground
    // Settings.ButtonUp.Bitmap, tiled over every header. A null picture
    // leaves the headers filled with Settings.ButtonUp.Color.
    void SetHeaderBitmap(const QImage &bitmap);
    QImage HeaderBitmap() const { return headerBitmap_.toImage(); }

    // ---- geometry, in the bar's own coordinates ------------------------------
    QRect HeaderRect(int header) const;
    // The open header's body; empty when no header is open.
    QRect BodyRect() const;
    // Where an entry of the open header is drawn at the current scroll
    // position (it may lie partly or wholly outside the body); empty for
    // entries of other headers.
    QRect ButtonRect(int header, int button) const;
    QRect ScrollUpRect() const;   // empty when there is nothing above
    QRect ScrollDownRect() const; // empty when there is nothing below
    TmxHitInfo HitTest(QPoint point) const;

    // ---- scrolling of the open header's entries ------------------------------
    int ScrollOffset() const;
    int MaxScrollOffset() const;
    void ScrollByRows(int rows);

    // ---- pointer state ---------------------------------------------------------
    TmxHitInfo HoveredItem() const { return hovered_; }
    TmxHitInfo PressedItem() const { return pressed_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    friend class TmxHeader;
    struct Layout {
        std::vector<QRect> headers;
        QRect body;
    };
    Layout ComputeLayout() const;
    void ClearSelectionOf(const TmxHeader &header);
    void ClickButton(TmxButton &button);
    void PaintHeader(QPainter &painter, int index, const QRect &rect) const;
    void PaintStatusButton(QPainter &painter, const QRect &rect, bool open) const;
    void PaintBody(QPainter &painter, const QRect &body) const;
    void PaintButton(QPainter &painter, const TmxButton &button, const QRect &rect) const;
    void PaintScrollButton(QPainter &painter, const QRect &rect, bool up) const;
    void UpdateHover(QPoint point);

    TmxBarSettings settings_;
    TmxBorder border_;
    QPixmap headerBitmap_;
    std::vector<std::unique_ptr<TmxHeader>> headers_;
    int activeHeader_ = -1;
    int scrollOffset_ = 0;
    int wheelRemainder_ = 0;
    TmxButton *selected_ = nullptr;
    TmxHitInfo hovered_;
    TmxHitInfo pressed_;
};

} // namespace tavrin
