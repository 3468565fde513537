#include "bar/OutlookBar.h"

#include "platform/CjkFont.h"
#include "platform/ImageList.h"
#include "platform/TColor.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>

namespace tavrin {

namespace {

constexpr int CaptionIndent = 8;       // header caption from the header's left edge
constexpr int StatusButtonSize = 16;   // diameter of the round status button
constexpr int StatusButtonMargin = 4;  // from the header's right edge
constexpr int StatusButtonPen = 2;
constexpr int PictureIndent = 4;       // entry picture from the row's left edge
constexpr int PictureSize = 24;
constexpr int ScrollButtonSize = 16;
constexpr int ScrollButtonMargin = 2;
constexpr int WheelStep = 120;         // one notch of a common mouse wheel

const QColor DefaultTextColor(Qt::black);

void FillFrame(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

} // namespace

// ---- TmxButton / TmxHeader ----------------------------------------------------

int TmxButton::Index() const
{
    const auto &buttons = header_->buttons_;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

void TmxHeader::SetAllowSelected(bool allow)
{
    if (allow == allowSelected_)
        return;
    allowSelected_ = allow;
    bar_->ClearSelectionOf(*this);
}

TmxButton &TmxHeader::AddButton()
{
    buttons_.push_back(std::unique_ptr<TmxButton>(new TmxButton(*this)));
    bar_->update();
    return *buttons_.back();
}

int TmxHeader::Index() const
{
    for (int i = 0; i < bar_->HeaderCount(); ++i)
        if (&bar_->Header(i) == this)
            return i;
    return -1;
}

// ---- TmxOutlookBarPro -------------------------------------------------------------

TmxOutlookBarPro::TmxOutlookBarPro(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("list1"));
    setMouseTracking(true);
    setAutoFillBackground(false);
    setFont(CjkFont(12));
    SetHeaderBitmap(QImage(QStringLiteral(":/default/header.bmp")));
}

TmxOutlookBarPro::~TmxOutlookBarPro() = default;

TmxHeader &TmxOutlookBarPro::AddHeader()
{
    headers_.push_back(std::unique_ptr<TmxHeader>(new TmxHeader(*this)));
    update();
    return *headers_.back();
}

void TmxOutlookBarPro::SetActiveHeader(int index)
{
    if (index < 0 || index >= HeaderCount())
        index = -1;
    if (index == activeHeader_)
        return;
    activeHeader_ = index;
    scrollOffset_ = 0;
    wheelRemainder_ = 0;
    update();
}

void TmxOutlookBarPro::ClearSelectionOf(const TmxHeader &header)
{
    if (selected_ != nullptr && &selected_->Header() == &header) {
        selected_ = nullptr;
        update();
    }
}

void TmxOutlookBarPro::SetHeaderFontColor(TColor color)
{
    settings_.Font.Color = color;
    update();
}

void TmxOutlookBarPro::SetHeaderHighlightFontColor(TColor color)
{
    settings_.HighlightFont.Color = color;
    update();
}

void TmxOutlookBarPro::SetButtonFontColor(TColor color)
{
    settings_.ButtonFont.Color = color;
    update();
}

void TmxOutlookBarPro::SetButtonHighlightFontColor(TColor color)
{
    settings_.ButtonHighlightFont.Color = color;
    update();
}

void TmxOutlookBarPro::SetXPBackground(TColor color)
{
    settings_.XPColors.Background = color;
    update();
}

void TmxOutlookBarPro::SetXPBorderColor(TColor color)
{
    settings_.XPColors.BorderColor = color;
    update();
}

void TmxOutlookBarPro::SetXPPressedBackground(TColor color)
{
    settings_.XPColors.PressedBackground = color;
    update();
}

void TmxOutlookBarPro::SetHeaderBitmap(const QImage &bitmap)
{
    headerBitmap_ = bitmap.isNull() ? QPixmap() : QPixmap::fromImage(bitmap);
    update();
}

// ---- geometry -----------------------------------------------------------------------

TmxOutlookBarPro::Layout TmxOutlookBarPro::ComputeLayout() const
{
    Layout layout;
    const int count = HeaderCount();
    const int left = border_.Left;
    const int width = std::max(0, this->width() - border_.Left - border_.Right);
    const int step = settings_.Height + border_.Separator;
    layout.headers.resize(static_cast<std::size_t>(count));

    // Headers up to the open one stand at the top.
    const int lastAtTop = activeHeader_ >= 0 ? activeHeader_ : count - 1;
    for (int i = 0; i <= lastAtTop; ++i)
        layout.headers[static_cast<std::size_t>(i)] = QRect(left, border_.Top + i * step, width, settings_.Height);
    if (activeHeader_ < 0)
        return layout;

    // The headers after the open one stack at the bottom; when the bar is
    // too short for that they follow the open header directly.
    const int bodyTop = border_.Top + activeHeader_ * step + settings_.Height;
    const int later = count - 1 - activeHeader_;
    int firstLaterTop = height() - border_.Bottom - later * settings_.Height - (later - 1) * border_.Separator;
    int bodyBottom = later > 0 ? firstLaterTop - border_.Separator : height() - border_.Bottom;
    if (bodyBottom < bodyTop) {
        bodyBottom = bodyTop;
        firstLaterTop = bodyTop + border_.Separator;
    }
    for (int i = 1; i <= later; ++i)
        layout.headers[static_cast<std::size_t>(activeHeader_ + i)] =
            QRect(left, firstLaterTop + (i - 1) * step, width, settings_.Height);
    layout.body = QRect(left, bodyTop, width, bodyBottom - bodyTop);
    return layout;
}

QRect TmxOutlookBarPro::HeaderRect(int header) const
{
    if (header < 0 || header >= HeaderCount())
        return QRect();
    return ComputeLayout().headers[static_cast<std::size_t>(header)];
}

QRect TmxOutlookBarPro::BodyRect() const
{
    return ComputeLayout().body;
}

int TmxOutlookBarPro::MaxScrollOffset() const
{
    if (activeHeader_ < 0)
        return 0;
    const int content = Header(activeHeader_).ButtonCount() * settings_.SmallHeight;
    return std::max(0, content - BodyRect().height());
}

int TmxOutlookBarPro::ScrollOffset() const
{
    return std::clamp(scrollOffset_, 0, MaxScrollOffset());
}

void TmxOutlookBarPro::ScrollByRows(int rows)
{
    const int wanted = std::clamp(ScrollOffset() + rows * settings_.SmallHeight, 0, MaxScrollOffset());
    if (wanted == ScrollOffset())
        return;
    scrollOffset_ = wanted;
    UpdateHover(mapFromGlobal(QCursor::pos()));
    update();
}

QRect TmxOutlookBarPro::ButtonRect(int header, int button) const
{
    if (header != activeHeader_ || header < 0 || button < 0 || button >= Header(header).ButtonCount())
        return QRect();
    const QRect body = BodyRect();
    return QRect(body.left(), body.top() + button * settings_.SmallHeight - ScrollOffset(), body.width(),
                 settings_.SmallHeight);
}

QRect TmxOutlookBarPro::ScrollUpRect() const
{
    if (ScrollOffset() <= 0)
        return QRect();
    const QRect body = BodyRect();
    return QRect(body.right() - ScrollButtonMargin - ScrollButtonSize + 1, body.top() + ScrollButtonMargin,
                 ScrollButtonSize, ScrollButtonSize);
}

QRect TmxOutlookBarPro::ScrollDownRect() const
{
    if (ScrollOffset() >= MaxScrollOffset())
        return QRect();
    const QRect body = BodyRect();
    return QRect(body.right() - ScrollButtonMargin - ScrollButtonSize + 1,
                 body.bottom() - ScrollButtonMargin - ScrollButtonSize + 1, ScrollButtonSize, ScrollButtonSize);
}

TmxHitInfo TmxOutlookBarPro::HitTest(QPoint point) const
{
    TmxHitInfo hit;
    const Layout layout = ComputeLayout();
    for (int i = 0; i < HeaderCount(); ++i) {
        if (layout.headers[static_cast<std::size_t>(i)].contains(point)) {
            hit.kind = TmxHitInfo::Kind::Header;
            hit.header = i;
            return hit;
        }
    }
    if (!layout.body.contains(point))
        return hit;
    if (ScrollUpRect().contains(point)) {
        hit.kind = TmxHitInfo::Kind::ScrollUp;
        return hit;
    }
    if (ScrollDownRect().contains(point)) {
        hit.kind = TmxHitInfo::Kind::ScrollDown;
        return hit;
    }
    const int row = (point.y() - layout.body.top() + ScrollOffset()) / settings_.SmallHeight;
    if (row >= 0 && row < Header(activeHeader_).ButtonCount()) {
        hit.kind = TmxHitInfo::Kind::Button;
        hit.header = activeHeader_;
        hit.button = row;
    }
    return hit;
}

// ---- painting -----------------------------------------------------------------------

void TmxOutlookBarPro::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const Layout layout = ComputeLayout();
    if (activeHeader_ >= 0)
        PaintBody(painter, layout.body);
    for (int i = 0; i < HeaderCount(); ++i)
        PaintHeader(painter, i, layout.headers[static_cast<std::size_t>(i)]);
}

void TmxOutlookBarPro::PaintHeader(QPainter &painter, int index, const QRect &rect) const
{
    if (rect.isEmpty())
        return;
    if (headerBitmap_.isNull())
        painter.fillRect(rect, ToQColor(settings_.ButtonUp.Color, QColor(0x2E, 0x5E, 0xCC)));
    else
        painter.drawTiledPixmap(rect, headerBitmap_);

    const QRect status(rect.right() - StatusButtonMargin - StatusButtonSize + 1,
                       rect.top() + (rect.height() - StatusButtonSize) / 2, StatusButtonSize, StatusButtonSize);
    PaintStatusButton(painter, status, index == activeHeader_);

    const bool hot = hovered_.kind == TmxHitInfo::Kind::Header && hovered_.header == index;
    const TColor color = hot ? settings_.HighlightFont.Color : settings_.Font.Color;
    const QRect text(rect.left() + CaptionIndent, rect.top(), status.left() - rect.left() - CaptionIndent - 2,
                     rect.height());
    painter.setFont(font());
    painter.setPen(ToQColor(color, DefaultTextColor));
    const QString caption = QFontMetrics(font()).elidedText(Header(index).Caption, Qt::ElideRight, text.width());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

void TmxOutlookBarPro::PaintStatusButton(QPainter &painter, const QRect &rect, bool open) const
{
    const TmxStatusButton &colors = settings_.StatusButton;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF ring = QRectF(rect).adjusted(StatusButtonPen / 2.0, StatusButtonPen / 2.0, -StatusButtonPen / 2.0,
                                              -StatusButtonPen / 2.0);
    painter.setPen(QPen(ToQColor(colors.BorderColor, Qt::blue), StatusButtonPen));
    painter.setBrush(ToQColor(colors.Background, Qt::white));
    painter.drawEllipse(ring);

    // A chevron pointing up for the open header, down for a closed one.
    const QPointF centre = QRectF(rect).center();
    const qreal half = 3.5;
    const qreal rise = open ? -2.0 : 2.0;
    QPainterPath chevron;
    chevron.moveTo(centre.x() - half, centre.y() - rise / 2);
    chevron.lineTo(centre.x(), centre.y() + rise);
    chevron.lineTo(centre.x() + half, centre.y() - rise / 2);
    painter.setPen(QPen(ToQColor(colors.ArrowColor, Qt::white), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
    painter.restore();
}

void TmxOutlookBarPro::PaintBody(QPainter &painter, const QRect &body) const
{
    if (body.isEmpty())
        return;
    const TmxHeader &header = Header(activeHeader_);
    if (header.BackgroundStyle == TmxBackgroundStyle::btSolid)
        painter.fillRect(body, ToQColor(HeaderSolidBodyColor));

    painter.save();
    painter.setClipRect(body);
    for (int i = 0; i < header.ButtonCount(); ++i) {
        const QRect row = ButtonRect(activeHeader_, i);
        if (row.intersects(body))
            PaintButton(painter, header.Button(i), row);
    }
    const QRect up = ScrollUpRect();
    if (!up.isEmpty())
        PaintScrollButton(painter, up, true);
    const QRect down = ScrollDownRect();
    if (!down.isEmpty())
        PaintScrollButton(painter, down, false);
    painter.restore();
}

void TmxOutlookBarPro::PaintButton(QPainter &painter, const TmxButton &button, const QRect &rect) const
{
    const int header = button.Header().Index();
    const int index = button.Index();
    const auto is = [&](const TmxHitInfo &item) {
        return item.kind == TmxHitInfo::Kind::Button && item.header == header && item.button == index;
    };
    const bool pressed = is(pressed_) && is(hovered_);
    const bool selected = selected_ == &button;
    const bool hot = is(hovered_);
    const TmxXPColors &xp = settings_.XPColors;

    if (pressed || selected || hot) {
        const TColor fill = (pressed || selected) ? xp.PressedBackground : xp.Background;
        painter.fillRect(rect, ToQColor(fill, Qt::white));
        FillFrame(painter, rect, ToQColor(xp.BorderColor, Qt::darkBlue));
    }

    const QRect picture(rect.left() + PictureIndent, rect.top() + (rect.height() - PictureSize) / 2, PictureSize,
                        PictureSize);
    const ImageList *images = button.Header().SmallImages;
    if (images != nullptr && button.ImageIndex >= 0 && button.ImageIndex < images->Count())
        painter.drawImage(picture, images->GetImage(button.ImageIndex));

    const int textLeft = picture.right() + 1 + settings_.PicLabDistance;
    const QRect text(textLeft, rect.top(), rect.right() - textLeft - 1, rect.height());
    const TColor color = (hot || pressed || selected) ? settings_.ButtonHighlightFont.Color : settings_.ButtonFont.Color;
    painter.setFont(font());
    painter.setPen(ToQColor(color, DefaultTextColor));
    const QString caption = QFontMetrics(font()).elidedText(button.Caption, Qt::ElideRight, text.width());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

void TmxOutlookBarPro::PaintScrollButton(QPainter &painter, const QRect &rect, bool up) const
{
    const TmxStatusButton &colors = settings_.StatusButton;
    painter.fillRect(rect, ToQColor(colors.Background, Qt::white));
    FillFrame(painter, rect, ToQColor(colors.BorderColor, Qt::blue));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = QRectF(rect).center();
    QPolygonF triangle;
    if (up)
        triangle << QPointF(c.x() - 4, c.y() + 2) << QPointF(c.x() + 4, c.y() + 2) << QPointF(c.x(), c.y() - 3);
    else
        triangle << QPointF(c.x() - 4, c.y() - 2) << QPointF(c.x() + 4, c.y() - 2) << QPointF(c.x(), c.y() + 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(colors.BorderColor, Qt::blue));
    painter.drawPolygon(triangle);
    painter.restore();
}

// ---- pointer --------------------------------------------------------------------------

void TmxOutlookBarPro::UpdateHover(QPoint point)
{
    TmxHitInfo hit = rect().contains(point) ? HitTest(point) : TmxHitInfo{};
    if (hit.kind == TmxHitInfo::Kind::ScrollUp || hit.kind == TmxHitInfo::Kind::ScrollDown)
        hit = TmxHitInfo{};
    if (hit == hovered_)
        return;
    hovered_ = hit;
    update();
}

void TmxOutlookBarPro::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = HitTest(event->position().toPoint());
    if (pressed_.kind == TmxHitInfo::Kind::ScrollUp)
        ScrollByRows(-1);
    else if (pressed_.kind == TmxHitInfo::Kind::ScrollDown)
        ScrollByRows(1);
    update();
}

void TmxOutlookBarPro::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const TmxHitInfo pressed = pressed_;
    pressed_ = TmxHitInfo{};
    update();
    if (pressed.kind == TmxHitInfo::Kind::ScrollUp || pressed.kind == TmxHitInfo::Kind::ScrollDown)
        return;
    if (!rect().contains(point))
        return;

    const TmxHitInfo hit = HitTest(point);
    if (const std::function<void()> handler = OnClick)
        handler();
    if (hit != pressed)
        return;
    if (hit.kind == TmxHitInfo::Kind::Header)
        SetActiveHeader(hit.header);
    else if (hit.kind == TmxHitInfo::Kind::Button && hit.header < HeaderCount() &&
             hit.button < Header(hit.header).ButtonCount())
        ClickButton(Header(hit.header).Button(hit.button));
}

void TmxOutlookBarPro::ClickButton(TmxButton &button)
{
    if (button.Header().AllowSelected()) {
        selected_ = &button;
        repaint();
    }
    // A copy: the handler may replace the button's OnClick while it runs.
    const std::function<void(TmxButton *)> handler = button.OnClick;
    if (handler)
        handler(&button);
}

void TmxOutlookBarPro::mouseMoveEvent(QMouseEvent *event)
{
    UpdateHover(event->position().toPoint());
    if (OnMouseMove)
        OnMouseMove();
    QWidget::mouseMoveEvent(event);
}

void TmxOutlookBarPro::wheelEvent(QWheelEvent *event)
{
    if (activeHeader_ < 0) {
        event->ignore();
        return;
    }
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / WheelStep;
    wheelRemainder_ -= notches * WheelStep;
    if (notches != 0)
        ScrollByRows(-notches);
    event->accept();
}

void TmxOutlookBarPro::leaveEvent(QEvent *event)
{
    if (hovered_.kind != TmxHitInfo::Kind::Nothing) {
        hovered_ = TmxHitInfo{};
        update();
    }
    QWidget::leaveEvent(event);
}

} // namespace tavrin
