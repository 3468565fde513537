#pragma once

// What loading a skin changes in the window. The window implements this;
// the loader (SkinLoader.h) decides the order and stops at the first
// failure, so a setter is only called with a value that is ready to use.

#include "platform/CursorFile.h"
#include "platform/Raster.h"
#include "skins/TColor.h"

#include <optional>

namespace tavrin {

enum class ColorTarget {
    Label1Font,              // Label1 Font.Color: the title text
    BarFont,                 // list1 Settings.Font.Color: category header captions
    BarButtonFont,           // list1 Settings.ButtonFont.Color: entry captions
    BarXPBackground,         // list1 Settings.XPColors.Background: fill of the highlighted entry
    BarXPBorder,             // list1 Settings.XPColors.BorderColor: frame of the highlighted entry
    BarXPPressed,            // list1 Settings.XPColors.PressedBackground: fill of a pressed entry
    BarButtonHighlightFont,  // list1 Settings.ButtonHighlightFont.Color: highlighted entry caption
    MenuBarColor,            // suiPopupMenu1 BarColor: top of the band down the menu's left
    MenuBarToColor,          // suiPopupMenu1 BarToColor: bottom of that band
    MenuFontColor,           // suiPopupMenu1 FontColor: text of the enabled items
    MenuSelectedBorderColor, // suiPopupMenu1 SelectedBorderColor: frame of the highlighted item
    MenuSelectedColor,       // suiPopupMenu1 SelectedColor: fill of the highlighted item
    MenuSelectedFontColor,   // suiPopupMenu1 SelectedFontColor: text of the highlighted item
    MenuSeparatorColor,      // suiPopupMenu1 SeparatorColor: separator lines
};

enum class PictureTarget {
    Image1,
    Image2,
    Image3,
    Image4,
    Image5,
    Image6,
    Image7,
    Image8,
    Image9,
    CloseNormal,    // ImgButton1 PictureNormal
    CloseEnter,     // ImgButton1 PictureEnter
    CloseDown,      // ImgButton1 PictureDown
    MinimizeNormal, // ImgButton2 PictureNormal
    MinimizeEnter,  // ImgButton2 PictureEnter
    MinimizeDown,   // ImgButton2 PictureDown
    HeaderBitmap,   // list1 Settings.ButtonUp.Bitmap, tiled over every header
};

class SkinTargets {
public:
    virtual ~SkinTargets() = default;

    // Gives a colour target its new value; the value is passed on unchanged
    // (system colours and the clNone/clDefault markers included).
    virtual void SetColor(ColorTarget target, TColor color) = 0;

    // Replaces a picture with one already decoded. Buttons keep their size
    // and position.
    virtual void SetPicture(PictureTarget target, const Raster &picture) = 0;

    // Stores the skin's cursor in slot 1, replacing the one there; none
    // leaves the slot empty, which shows as the default arrow.
    virtual void SetSkinCursor(std::optional<CursorFile> cursor) = 0;

    // Gives Form1, list1 and Panel1 to Panel10 the cursor of slot 1.
    virtual void SetCursorNumbersToSkinCursor() = 0;

    // Repaints list1 at once.
    virtual void RepaintBar() = 0;

protected:
    SkinTargets() = default;
    SkinTargets(const SkinTargets &) = default;
    SkinTargets &operator=(const SkinTargets &) = default;
};

} // namespace tavrin
