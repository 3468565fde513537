#pragma once

// The look of the launcher bar: sizes, margins and the colours a skin can
// replace. Colours are TColor values; the bar turns them into display
// colours when it paints.

#include "skins/TColor.h"

namespace tavrin {

// Margins between the bar's edges and its headers, and between headers.
struct TmxBorder {
    int Left = 5;
    int Top = 5;
    int Right = 5;
    int Bottom = 5;
    int Separator = 5;
};

struct TmxFont {
    TColor Color = clWindowText;
};

// Fill and frame of the entry under the pointer, fill of a pressed entry.
struct TmxXPColors {
    TColor Background = 16773086;
    TColor BorderColor = 16243629;
    TColor PressedBackground = 16773086;
};

// The small round button on each header that shows whether it is open.
struct TmxStatusButton {
    TColor ArrowColor = 16775639;
    TColor Background = clWhite;
    TColor BorderColor = 15373153;
};

// Background of a header at rest; the bitmap itself lives in the bar.
// Without a bitmap the header is filled with Color.
struct TmxButtonUp {
    TColor Color = 13393454;
};

struct TmxBarSettings {
    int Height = 22;          // of a header
    int SmallHeight = 30;     // of an entry row
    int PicLabDistance = 1;   // between an entry's picture and its caption
    TmxButtonUp ButtonUp;
    TmxFont Font{clWindow};              // header captions
    TmxFont HighlightFont{clWindowText}; // header caption under the pointer
    TmxFont ButtonFont{clWindowText};    // entry captions
    TmxFont ButtonHighlightFont{clWindowText};
    TmxXPColors XPColors;
    TmxStatusButton StatusButton;
};

// The body of a header: solid grey, or nothing painted so that whatever
// lies beneath the bar shows through.
enum class TmxBackgroundStyle { btSolid, btTransparent };

constexpr TColor HeaderSolidBodyColor = clGray;

} // namespace tavrin
