#include "platform/SkinnedMenu.h"

#include "platform/CjkFont.h"

#include <QActionGroup>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace tavrin {

namespace {

constexpr int kTextGap = 8;        // from the bar to the caption
constexpr int kRightRoom = 24;     // after the caption, holds the submenu arrow
constexpr int kArrowRight = 8;     // arrow tip to the item's right edge
constexpr int kSeparatorIndent = 4; // separator line starts this far past the bar

const QColor kFallbackWhite(255, 255, 255);
const QColor kFallbackBlack(0, 0, 0);

// Gives the menu its item sizes and a 1-pixel frame without inner margins;
// the drawing itself is done by the menu.
class SkinnedMenuMetrics : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth:
            return TsuiPopupMenu::kBorderWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
            return 0;
        case PM_SubMenuOverlap:
            return -1;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (type != CT_MenuItem || item == nullptr)
            return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return {TsuiPopupMenu::kBarWidth, TsuiPopupMenu::kSeparatorHeight};
        const QString caption = item->text.section(u'\t', 0, 0);
        const int textWidth = QFontMetrics(item->font).horizontalAdvance(caption);
        return {TsuiPopupMenu::kBarWidth + kTextGap + textWidth + kRightRoom, TsuiPopupMenu::kItemHeight};
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_Menu_Mask)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TsuiPopupMenu::TsuiPopupMenu(QWidget *parent) : TsuiPopupMenu(QString(), parent) {}

TsuiPopupMenu::TsuiPopupMenu(const QString &title, QWidget *parent) : QMenu(title, parent)
{
    auto *metrics = new SkinnedMenuMetrics;
    metrics->setParent(this);
    setStyle(metrics);
    setFont(CjkFont());
    setSeparatorsCollapsible(false);
    setToolTipsVisible(false);
}

TsuiPopupMenu *TsuiPopupMenu::AddSubMenu(const QString &title)
{
    auto *subMenu = new TsuiPopupMenu(title, this);
    subMenu->m_colors = m_colors;
    addMenu(subMenu);
    return subMenu;
}

template <typename Apply>
void TsuiPopupMenu::ChangeColors(Apply apply)
{
    apply(m_colors);
    const auto subMenus = findChildren<TsuiPopupMenu *>(Qt::FindDirectChildrenOnly);
    for (TsuiPopupMenu *subMenu : subMenus)
        subMenu->ChangeColors(apply);
    update();
}

void TsuiPopupMenu::SetBarColor(TColor color)
{
    ChangeColors([color](SkinnedMenuColors &colors) { colors.barColor = color; });
}

void TsuiPopupMenu::SetBarToColor(TColor color)
{
    ChangeColors([color](SkinnedMenuColors &colors) { colors.barToColor = color; });
}

void TsuiPopupMenu::SetFontColor(TColor color)
{
    ChangeColors([color](SkinnedMenuColors &colors) { colors.fontColor = color; });
}

void TsuiPopupMenu::SetSelectedBorderColor(TColor color)
{
    ChangeColors([color](SkinnedMenuColors &colors) { colors.selectedBorderColor = color; });
}

void TsuiPopupMenu::SetSelectedColor(TColor color)
{
    ChangeColors([color](SkinnedMenuColors &colors) { colors.selectedColor = color; });
}

void TsuiPopupMenu::SetSelectedFontColor(TColor color)
{
    ChangeColors([color](SkinnedMenuColors &colors) { colors.selectedFontColor = color; });
}

void TsuiPopupMenu::SetSeparatorColor(TColor color)
{
    ChangeColors([color](SkinnedMenuColors &colors) { colors.separatorColor = color; });
}

void TsuiPopupMenu::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_colors.color, kFallbackWhite));
    PaintBar(painter);

    const auto items = actions();
    for (QAction *action : items) {
        if (!action->isVisible())
            continue;
        const QRect itemRect = actionGeometry(action);
        if (!itemRect.isValid() || !itemRect.intersects(rect()))
            continue;
        if (action->isSeparator())
            PaintSeparator(painter, itemRect);
        else
            PaintItem(painter, action, itemRect);
    }

    painter.setPen(ToQColor(m_colors.borderColor, kFallbackBlack));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TsuiPopupMenu::PaintBar(QPainter &painter) const
{
    const QRect bar(kBorderWidth, kBorderWidth, kBarWidth, height() - 2 * kBorderWidth);
    const QColor from = ToQColor(m_colors.barColor, kFallbackWhite);
    const QColor to = ToQColor(m_colors.barToColor, from);
    if (from == to) {
        painter.fillRect(bar, from);
        return;
    }
    QLinearGradient gradient(bar.left(), 0, bar.right(), 0);
    gradient.setColorAt(0.0, from);
    gradient.setColorAt(1.0, to);
    painter.fillRect(bar, gradient);
}

void TsuiPopupMenu::PaintSeparator(QPainter &painter, const QRect &itemRect) const
{
    const int y = itemRect.top() + itemRect.height() / 2;
    const int left = itemRect.left() + kBarWidth + kSeparatorIndent;
    painter.setPen(ToQColor(m_colors.separatorColor, kFallbackWhite));
    painter.drawLine(left, y, itemRect.right(), y);
}

void TsuiPopupMenu::PaintItem(QPainter &painter, QAction *action, const QRect &itemRect) const
{
    const bool selected = action == activeAction() && action->isEnabled();
    QColor ink;
    if (!action->isEnabled()) {
        ink = ToQColor(clGray);
    } else if (selected) {
        ink = ToQColor(m_colors.selectedFontColor, kFallbackBlack);
        painter.fillRect(itemRect, ToQColor(m_colors.selectedColor, kFallbackWhite));
        painter.setPen(ToQColor(m_colors.selectedBorderColor, kFallbackBlack));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(itemRect.adjusted(0, 0, -1, -1));
    } else {
        ink = ToQColor(m_colors.fontColor, kFallbackBlack);
    }

    if (action->isCheckable() && action->isChecked()) {
        PaintCheck(painter, action, itemRect, ink);
    } else if (!action->icon().isNull()) {
        const QRect iconRect(itemRect.left() + (kBarWidth - 16) / 2, itemRect.top() + (itemRect.height() - 16) / 2,
                             16, 16);
        action->icon().paint(&painter, iconRect, Qt::AlignCenter,
                             action->isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }

    const int arrowRoom = action->menu() != nullptr ? kRightRoom : 0;
    const QRect textRect = itemRect.adjusted(kBarWidth + kTextGap, 0, -arrowRoom, 0);
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     action->text().section(u'\t', 0, 0));

    if (action->menu() != nullptr)
        PaintSubMenuArrow(painter, itemRect, ink);
}

void TsuiPopupMenu::PaintCheck(QPainter &painter, const QAction *action, const QRect &itemRect,
                               const QColor &ink) const
{
    const QPointF centre(itemRect.left() + kBarWidth / 2.0, itemRect.top() + itemRect.height() / 2.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QActionGroup *group = action->actionGroup();
    if (group != nullptr && group->isExclusive()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(centre, 3.0, 3.0);
    } else {
        QPainterPath tick;
        tick.moveTo(centre + QPointF(-4.0, 0.0));
        tick.lineTo(centre + QPointF(-1.0, 3.0));
        tick.lineTo(centre + QPointF(4.0, -3.0));
        painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.restore();
}

void TsuiPopupMenu::PaintSubMenuArrow(QPainter &painter, const QRect &itemRect, const QColor &ink) const
{
    const int tipX = itemRect.right() - kArrowRight;
    const int midY = itemRect.top() + itemRect.height() / 2;
    const QPoint arrow[3] = {QPoint(tipX - 3, midY - 4), QPoint(tipX - 3, midY + 4), QPoint(tipX + 1, midY)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(arrow, 3);
    painter.restore();
}

} // namespace tavrin
