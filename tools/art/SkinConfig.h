#pragma once

// The "config.ini" of a skin: the seven colour keys of section [Tavrin],
// in the colour text forms (names, $hex, 0x hex, decimal), written in the
// encodings skins come in.

#include "tools/art/Theme.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace tavrin::art {

enum class TextEncoding { Utf8, Utf8WithBom, Utf16LeWithBom, Gb18030 };

struct ConfigEntry {
    QString key;
    QString value;
};

// The seven keys and their values for a theme; variant picks the mix of
// text forms so different skins exercise different spellings.
std::vector<ConfigEntry> SkinColourEntries(const Theme& theme, int variant);

// "[Tavrin]" and key=value lines, CRLF line ends.
QString SkinConfigText(const std::vector<ConfigEntry>& entries);

// Throws std::runtime_error when a character cannot be encoded.
QByteArray EncodeText(const QString& text, TextEncoding encoding);

// The colour value written as text in one of the accepted forms.
QString ColourText(std::uint32_t value, int form);

} // namespace tavrin::art
