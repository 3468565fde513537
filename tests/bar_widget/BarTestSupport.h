#pragma once

// Helpers for the launcher bar tests: a window with a plain background
// that the bar sits on, and pixel reading of what the window shows.

#include "bar/OutlookBar.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <cstdlib>

namespace tavrin::test {

// The colour the bar's transparent parts must show.
inline const QColor Backdrop(255, 0, 255);

class BarOnBackdrop {
public:
    explicit BarOnBackdrop(QSize size = QSize(158, 300))
    {
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Backdrop);
        window.setPalette(palette);
        window.resize(size);
        bar = new TmxOutlookBarPro(&window);
        bar->setGeometry(0, 0, size.width(), size.height());
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    QImage Shot() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QColor At(QPoint point) { return Shot().pixelColor(point); }

    QWidget window;
    TmxOutlookBarPro *bar = nullptr;
};

// True when some pixel of `area` has exactly `color`.
inline bool AreaHasColor(const QImage &image, const QRect &area, const QColor &color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).rgb() == color.rgb())
                return true;
    return false;
}

// True when some pixel of `area` is within `tolerance` of `color` in each
// channel: for text, whose edges are blended with what lies beneath.
inline bool AreaHasColorNear(const QImage &image, const QRect &area, const QColor &color, int tolerance)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor seen = image.pixelColor(x, y);
            if (std::abs(seen.red() - color.red()) <= tolerance && std::abs(seen.green() - color.green()) <= tolerance &&
                std::abs(seen.blue() - color.blue()) <= tolerance)
                return true;
        }
    return false;
}

} // namespace tavrin::test
