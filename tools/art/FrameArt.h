#pragma once

// The window frame of one look: nine pieces around the centre, the
// background behind the launcher bar and the category header bitmap.

#include "tools/art/Canvas.h"
#include "tools/art/Theme.h"

namespace tavrin::art {

Canvas TitleLeft(const Theme& theme);    // 75 x 26, shown unstretched (left 57 columns)
Canvas TitleMiddle(const Theme& theme);  // 75 x 26, stretched to the middle segment
Canvas TitleRight(const Theme& theme);   // 120 x 26, stretched to 81 x 26
Canvas BorderLeft(const Theme& theme);   // 8 x 18, stretched down the left side
Canvas BorderRight(const Theme& theme);  // 8 x 18, stretched down the right side
Canvas BottomLeft(const Theme& theme);   // 8 x 8
Canvas BottomMiddle(const Theme& theme); // 50 x 8, stretched along the bottom
Canvas BottomRight(const Theme& theme);  // 8 x 8
Canvas Background(const Theme& theme);   // 160 x 138, stretched to the centre
Canvas HeaderBar(const Theme& theme);    // 158 x 25, tiled behind each category header

// The title gradient at a height inside the title strip (0 = top row).
Rgba TitleColour(const Theme& theme, double y);

} // namespace tavrin::art
