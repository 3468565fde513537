#pragma once

// The two title-strip buttons, 28 x 15 each, in three states. The corners
// outside the rounded plate show the title strip the button sits on.

#include "tools/art/Canvas.h"
#include "tools/art/Theme.h"

namespace tavrin::art {

enum class ButtonState { Normal = 0, Enter = 1, Down = 2 };

Canvas MinimiseButton(const Theme& theme, ButtonState state);
Canvas CloseButton(const Theme& theme, ButtonState state);

} // namespace tavrin::art
