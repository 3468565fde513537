#pragma once

// The text form of a colour in a skin's config.ini: one of the 52 colour
// names (ASCII letters compared without case), or a 32-bit integer in
// decimal or in hexadecimal after "$", "x", "X", "0x" or "0X".

#include "skins/TColor.h"

#include <QString>

#include <optional>

namespace tavrin {

// The colour the text names, or nothing when the text is neither a colour
// name nor a number in the accepted syntax.
std::optional<TColor> ColorFromText(const QString &text);

} // namespace tavrin
