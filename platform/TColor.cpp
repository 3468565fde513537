#include "platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <cstdint>

namespace tavrin {

namespace {

struct PaletteSlot {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    bool known;
};

constexpr PaletteSlot Active(QPalette::ColorRole role)
{
    return {QPalette::Active, role, true};
}

constexpr PaletteSlot Disabled(QPalette::ColorRole role)
{
    return {QPalette::Disabled, role, true};
}

constexpr PaletteSlot Unknown()
{
    return {QPalette::Active, QPalette::NoRole, false};
}

// Index = Windows COLOR_* number.
constexpr std::array<PaletteSlot, 31> kSystemColors = {{
    Active(QPalette::Button),          // 0  scroll bar
    Active(QPalette::Dark),            // 1  desktop background
    Active(QPalette::Highlight),       // 2  active caption
    Active(QPalette::Mid),             // 3  inactive caption
    Active(QPalette::Window),          // 4  menu
    Active(QPalette::Base),            // 5  window
    Active(QPalette::Shadow),          // 6  window frame
    Active(QPalette::WindowText),      // 7  menu text
    Active(QPalette::Text),            // 8  window text
    Active(QPalette::HighlightedText), // 9  caption text
    Active(QPalette::Button),          // 10 active border
    Active(QPalette::Button),          // 11 inactive border
    Active(QPalette::Mid),             // 12 application workspace
    Active(QPalette::Highlight),       // 13 highlight
    Active(QPalette::HighlightedText), // 14 highlight text
    Active(QPalette::Button),          // 15 button face
    Active(QPalette::Dark),            // 16 button shadow
    Disabled(QPalette::Text),          // 17 grey text
    Active(QPalette::ButtonText),      // 18 button text
    Disabled(QPalette::WindowText),    // 19 inactive caption text
    Active(QPalette::Light),           // 20 button highlight
    Active(QPalette::Shadow),          // 21 3-D dark shadow
    Active(QPalette::Midlight),        // 22 3-D light
    Active(QPalette::ToolTipText),     // 23 info text
    Active(QPalette::ToolTipBase),     // 24 info background
    Unknown(),                         // 25 not assigned
    Active(QPalette::Link),            // 26 hot-tracked item
    Active(QPalette::Highlight),       // 27 gradient of the active caption
    Active(QPalette::Mid),             // 28 gradient of the inactive caption
    Active(QPalette::Highlight),       // 29 menu highlight
    Active(QPalette::Window),          // 30 menu bar
}};

} // namespace

QColor SystemColorToQColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kSystemColors.size()))
        return {};
    const PaletteSlot &slot = kSystemColors[static_cast<std::size_t>(index)];
    if (!slot.known)
        return {};
    return QGuiApplication::palette().color(slot.group, slot.role);
}

QColor ToQColor(TColor color, const QColor &fallbackForMarkers)
{
    if (color == clNone || color == clDefault)
        return fallbackForMarkers;
    const auto bits = static_cast<std::uint32_t>(color);
    if (color < 0) {
        const QColor system = SystemColorToQColor(static_cast<int>(bits & 0xFFu));
        return system.isValid() ? system : fallbackForMarkers;
    }
    const int red = static_cast<int>(bits & 0xFFu);
    const int green = static_cast<int>((bits >> 8) & 0xFFu);
    const int blue = static_cast<int>((bits >> 16) & 0xFFu);
    return QColor(red, green, blue);
}

QColor ToQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    return ToQColor(color, QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText));
}

} // namespace tavrin
