#include "skins/ColorFromText.h"

#include "store/IntegerText.h"

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

} // namespace

std::optional<TColor> ColorFromText(const QString &text)
{
    for (const NamedColor &named : NamedColors) {
        if (SameNameIgnoringAsciiCase(text, named.name))
            return static_cast<TColor>(named.value);
    }
    // Numbers follow the same syntax as every other stored integer.
    return TryStrToInt(text);
}

} // namespace tavrin
