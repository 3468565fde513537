#include "skins/ColorFromText.h"

#include <array>
#include <cstdint>

namespace tavrin {
namespace {

struct NamedColor {
    const char *name;
    std::uint32_t value;
};

constexpr std::uint32_t System(std::uint32_t index) { return 0xFF000000u | index; }

constexpr std::array<NamedColor, 52> NamedColors = {{
    {"clBlack", 0x00000000u},
    {"clMaroon", 0x00000080u},
    {"clGreen", 0x00008000u},
    {"clOlive", 0x00008080u},
    {"clNavy", 0x00800000u},
    {"clPurple", 0x00800080u},
    {"clTeal", 0x00808000u},
    {"clGray", 0x00808080u},
    {"clSilver", 0x00C0C0C0u},
    {"clRed", 0x000000FFu},
    {"clLime", 0x0000FF00u},
    {"clYellow", 0x0000FFFFu},
    {"clBlue", 0x00FF0000u},
    {"clFuchsia", 0x00FF00FFu},
    {"clAqua", 0x00FFFF00u},
    {"clWhite", 0x00FFFFFFu},
    {"clMoneyGreen", 0x00C0DCC0u},
    {"clSkyBlue", 0x00F0CAA6u},
    {"clCream", 0x00F0FBFFu},
    {"clMedGray", 0x00A4A0A0u},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
    {"clHotLight", System(26)},
    {"clGradientActiveCaption", System(27)},
    {"clGradientInactiveCaption", System(28)},
    {"clMenuHighlight", System(29)},
    {"clMenuBar", System(30)},
    {"clNone", 0x1FFFFFFFu},
    {"clDefault", 0x20000000u},
}};

char16_t FoldAsciiCase(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

bool SameNameIgnoringAsciiCase(const QString &text, const char *name)
{
    qsizetype i = 0;
    for (; name[i] != '\0'; ++i) {
        if (i >= text.size())
            return false;
        if (FoldAsciiCase(text[i].unicode()) != FoldAsciiCase(char16_t(name[i])))
            return false;
    }
    return i == text.size();
}

int HexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Hexadecimal digits from `pos` to the end, as a 32-bit pattern.
std::optional<std::uint32_t> ParseHex(const QString &text, qsizetype pos)
{
    if (pos >= text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = HexDigitValue(text[pos].unicode());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return std::uint32_t(value);
}

// Decimal digits from `pos` to the end; the magnitude may reach 2^31 so
// that the most negative value can be written.
std::optional<std::uint64_t> ParseDecimal(const QString &text, qsizetype pos)
{
    if (pos >= text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + std::uint64_t(c - u'0');
        if (value > 0x80000000u)
            return std::nullopt;
    }
    return value;
}

std::optional<TColor> NumberFromText(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == QLatin1Char(' '))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }

    qsizetype hexStart = -1;
    if (pos < text.size() && (text[pos] == QLatin1Char('$') || text[pos] == QLatin1Char('x') ||
                              text[pos] == QLatin1Char('X')))
        hexStart = pos + 1;
    else if (pos + 1 < text.size() && text[pos] == QLatin1Char('0') &&
             (text[pos + 1] == QLatin1Char('x') || text[pos + 1] == QLatin1Char('X')))
        hexStart = pos + 2;

    if (hexStart >= 0) {
        const std::optional<std::uint32_t> pattern = ParseHex(text, hexStart);
        if (!pattern)
            return std::nullopt;
        const std::uint32_t bits = negative ? 0u - *pattern : *pattern;
        return static_cast<TColor>(bits);
    }

    const std::optional<std::uint64_t> magnitude = ParseDecimal(text, pos);
    if (!magnitude)
        return std::nullopt;
    if (!negative && *magnitude > 0x7FFFFFFFu)
        return std::nullopt;
    const std::uint32_t bits = negative ? 0u - std::uint32_t(*magnitude) : std::uint32_t(*magnitude);
    return static_cast<TColor>(bits);
}

} // namespace

std::optional<TColor> ColorFromText(const QString &text)
{
    for (const NamedColor &named : NamedColors) {
        if (SameNameIgnoringAsciiCase(text, named.name))
            return static_cast<TColor>(named.value);
    }
    return NumberFromText(text);
}

} // namespace tavrin
