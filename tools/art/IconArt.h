#pragma once

// The application icon and the tray icon's placeholder picture.

#include "tools/art/Canvas.h"

namespace tavrin::art {

// A glossy blue ring with three small glossy spheres (blue, green,
// orange-red); size is 48, 32 or 16.
Canvas ApplicationIcon(int size);

// 32 x 32: a small window pictogram with a grey frame, a blue-green picture
// panel on the left and lines of text on the right.
Canvas TrayPlaceholder();

} // namespace tavrin::art
