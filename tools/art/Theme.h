#pragma once

// The colours one look of the window is drawn in. The default look is the
// sky-blue one; every skin is the same drawing in a recoloured theme.

#include "tools/art/Colour.h"

#include <QString>

#include <vector>

namespace tavrin::art {

// Colours of one state of a title-strip button.
struct PlateTones {
    Rgba light;        // top of the plate
    Rgba deep;         // bottom of the plate
    Rgba outline;      // the plate's 1-pixel frame
    Rgba glyphOutline; // frame around the white sign
};

struct Theme {
    Rgba outline;      // dark line along the top and the rounded corners
    Rgba innerLine;    // bright line just inside it
    Rgba titleTop;     // title gradient under the top lines
    Rgba titleBottom;  // title gradient at the bottom
    Rgba titleAccent;  // column inside the outline on the right end
    Rgba side;         // light band of the side and bottom strips
    Rgba sideAccent;   // column/row inside the outer edge on the right and bottom
    Rgba edge;         // outermost column/row of the side and bottom strips
    Rgba fieldLight;   // background near the upper-left corner
    Rgba field;        // background elsewhere
    Rgba streak;       // soft diagonal streaks of the background
    Rgba headerOutline;
    Rgba headerInner;  // pale inner outline of the category header
    Rgba headerLight;  // header gradient next to the top and bottom edges
    Rgba headerDeep;   // header gradient in the middle row
    PlateTones minimise[3]; // normal, pointer over, pressed
    PlateTones close[3];
};

Theme DefaultTheme();

// How a skin recolours the default theme: every colour's hue is turned by
// hueShift degrees and its saturation scaled; its value is scaled in
// proportion to its saturation, so whites and greys keep their brightness.
struct Recolouring {
    double hueShift = 0.0;
    double saturation = 1.0;
    double value = 1.0;
    bool keepWarningClose = true; // close button keeps red over and brown pressed
};

Theme Recoloured(const Theme& base, const Recolouring& recolouring);

struct SkinTheme {
    QString name;          // directory name and menu caption
    Recolouring recolouring;
};

// The seven skins in menu order.
std::vector<SkinTheme> SkinThemes();

} // namespace tavrin::art
