#pragma once

// Turning a stored colour value into a colour that Qt can paint with.

#include "skins/TColor.h"

#include <QColor>

namespace tavrin {

// RGB values (0..0x00FFFFFF) become that colour. Negative values name a
// system colour by their low byte (Windows numbering 0..30) and are looked
// up in the application's palette. The markers clNone and clDefault, and
// system indices without a meaning, yield fallbackForMarkers: the colour
// the caller would use when no colour is set. Any other value is taken by
// its low 24 bits.
QColor ToQColor(TColor color, const QColor &fallbackForMarkers);

// The same, with clNone drawn as nothing (transparent) and clDefault as
// the palette's window text colour.
QColor ToQColor(TColor color);

// The palette colour that stands in for a system colour index, or an
// invalid QColor when the index has no meaning (25, or above 30).
QColor SystemColorToQColor(int index);

} // namespace tavrin
