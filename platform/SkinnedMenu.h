#pragma once

// TsuiPopupMenu: a popup menu drawn in its own flat look. A 26-pixel bar
// runs down the left side with a left-to-right gradient from BarColor to
// BarToColor; items are 21 pixels high on a white field, separators 5
// pixels high with a line in SeparatorColor; the highlighted item is
// filled with SelectedColor, framed in SelectedBorderColor and written in
// SelectedFontColor; other enabled items are written in FontColor,
// disabled ones in grey. A black 1-pixel border surrounds the menu. Check
// marks and radio dots sit in the bar. Captions are drawn as they are: an
// '&' is shown, not turned into an access key.
//
// The colours are plain stored values that take effect the next time the
// menu is drawn; a submenu made with AddSubMenu shares them.

#include "platform/TColor.h"

#include <QMenu>

namespace tavrin {

struct SkinnedMenuColors {
    TColor barColor = 16773057;
    TColor barToColor = 16773057;
    TColor color = clWhite;
    TColor fontColor = 13864729;
    TColor selectedBorderColor = 16505717;
    TColor selectedColor = 16773057;
    TColor selectedFontColor = 13864729;
    TColor separatorColor = 16773057;
    TColor borderColor = clBlack;
};

class TsuiPopupMenu : public QMenu {
    Q_OBJECT

public:
    static constexpr int kItemHeight = 21;
    static constexpr int kSeparatorHeight = 5;
    static constexpr int kBarWidth = 26;
    static constexpr int kBorderWidth = 1;

    explicit TsuiPopupMenu(QWidget *parent = nullptr);
    explicit TsuiPopupMenu(const QString &title, QWidget *parent = nullptr);

    // Adds a submenu with the given caption that is drawn like this menu
    // and follows its colours. The menu owns it.
    TsuiPopupMenu *AddSubMenu(const QString &title);

    void SetBarColor(TColor color);
    void SetBarToColor(TColor color);
    void SetFontColor(TColor color);
    void SetSelectedBorderColor(TColor color);
    void SetSelectedColor(TColor color);
    void SetSelectedFontColor(TColor color);
    void SetSeparatorColor(TColor color);

    const SkinnedMenuColors &Colors() const { return m_colors; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename Apply>
    void ChangeColors(Apply apply);

    void PaintBar(QPainter &painter) const;
    void PaintSeparator(QPainter &painter, const QRect &itemRect) const;
    void PaintItem(QPainter &painter, QAction *action, const QRect &itemRect) const;
    void PaintCheck(QPainter &painter, const QAction *action, const QRect &itemRect, const QColor &ink) const;
    void PaintSubMenuArrow(QPainter &painter, const QRect &itemRect, const QColor &ink) const;

    SkinnedMenuColors m_colors;
};

} // namespace tavrin
