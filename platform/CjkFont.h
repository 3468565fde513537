#pragma once

// The font that stands in for the window font "宋体" with characters 12
// pixels high: a family with Chinese glyphs, at pixel size 12.

#include <QFont>
#include <QStringList>

namespace tavrin {

// Families tried in order; the first one installed becomes the primary
// family, the others and the toolkit's own fallback cover missing glyphs.
QStringList CjkFontFamilies();

// The font at the given pixel size (12 for the window font).
QFont CjkFont(int pixelSize = 12);

} // namespace tavrin
