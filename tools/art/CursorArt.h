#pragma once

// A skin's pointer: a 32 x 32 arrow in the skin's colours with a glow
// that swells and fades.

#include "tools/art/AniWriter.h"
#include "tools/art/Theme.h"

namespace tavrin::art {

// The arrow's tip, which is the cursor's hotspot.
constexpr int kCursorHotspotX = 3;
constexpr int kCursorHotspotY = 3;

AnimatedCursor SkinCursor(const Theme& theme);

} // namespace tavrin::art
