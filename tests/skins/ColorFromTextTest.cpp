#include "skins/ColorFromText.h"

#include <gtest/gtest.h>

#include <optional>

using tavrin::ColorFromText;
using tavrin::TColor;

namespace {

struct ColorCase {
    const char16_t *text;
    std::optional<std::uint32_t> expected; // as a 32-bit pattern; nothing = failure
};

const ColorCase Cases[] = {
    // Names: ASCII case folded, nothing around them.
    {u"clwindowtext", 0xFF000008u},
    {u"CLRED", 0x000000FFu},
    {u"clRed ", std::nullopt},
    {u" clRed", std::nullopt},
    {u"clMoneyGreen", 0x00C0DCC0u},
    {u"clMedGray", 0x00A4A0A0u},
    {u"cl3DDkShadow", 0xFF000015u},
    {u"clMenuBar", 0xFF00001Eu},
    {u"clInfoBk", 0xFF000018u},
    {u"clHotLight", 0xFF00001Au},
    {u"clNone", 0x1FFFFFFFu},
    {u"cldefault", 0x20000000u},
    {u"clBlüe", std::nullopt},
    // Hexadecimal: every prefix, 32-bit patterns, '-' negates.
    {u"$00FF0000", 0x00FF0000u},
    {u"x00FF0000", 0x00FF0000u},
    {u"X00ff0000", 0x00FF0000u},
    {u"0x1F", 0x0000001Fu},
    {u"0X1f", 0x0000001Fu},
    {u"$FFFFFFFF", 0xFFFFFFFFu},
    {u"$0000000000FF", 0x000000FFu},
    {u"$100000000", std::nullopt},
    {u"-$1", 0xFFFFFFFFu},
    {u"-$FFFFFFFF", 0x00000001u},
    {u"+$FF", 0x000000FFu},
    {u"  $FF", 0x000000FFu},
    {u"$", std::nullopt},
    {u"0x", std::nullopt},
    {u"-0x", std::nullopt},
    {u"$FG", std::nullopt},
    {u"$ FF", std::nullopt},
    // Decimal: the signed 32-bit range, no octal.
    {u"16711680", 0x00FF0000u},
    {u"-16777201", 0xFF00000Fu},
    {u"+255", 0x000000FFu},
    {u"   255", 0x000000FFu},
    {u"0", 0x00000000u},
    {u"010", 0x0000000Au},
    {u"2147483647", 0x7FFFFFFFu},
    {u"-2147483648", 0x80000000u},
    {u"2147483648", std::nullopt},
    {u"4294967295", std::nullopt},
    {u"-2147483649", std::nullopt},
    {u"99999999999999999999", std::nullopt},
    // Failures.
    {u"", std::nullopt},
    {u" ", std::nullopt},
    {u"-", std::nullopt},
    {u"+", std::nullopt},
    {u"+-1", std::nullopt},
    {u"12 34", std::nullopt},
    {u"255a", std::nullopt},
    {u"255 ", std::nullopt},
    {u"\t255", std::nullopt},
    {u"#00FF00", std::nullopt},
    {u"１２", std::nullopt},
};

TEST(ColorFromText, ConvertsNamesAndNumbersAndRejectsTheRest)
{
    for (const ColorCase &c : Cases) {
        const QString text = QString::fromUtf16(c.text);
        const std::optional<TColor> result = ColorFromText(text);
        SCOPED_TRACE(text.toStdString());
        ASSERT_EQ(result.has_value(), c.expected.has_value());
        if (result) {
            EXPECT_EQ(static_cast<std::uint32_t>(*result), *c.expected);
        }
    }
}

TEST(ColorFromText, EveryNameOfTheTableIsKnown)
{
    const char *names[] = {
        "clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal", "clGray", "clSilver",
        "clRed", "clLime", "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite", "clMoneyGreen", "clSkyBlue",
        "clCream", "clMedGray", "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu",
        "clWindow", "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder",
        "clInactiveBorder", "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow",
        "clGrayText", "clBtnText", "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight",
        "clInfoText", "clInfoBk", "clHotLight", "clGradientActiveCaption", "clGradientInactiveCaption",
        "clMenuHighlight", "clMenuBar", "clNone", "clDefault"};
    ASSERT_EQ(std::size(names), 52u);
    for (const char *name : names)
        EXPECT_TRUE(ColorFromText(QString::fromLatin1(name)).has_value()) << name;
    // System colour indices follow the order of the platform's table, 25 skipped.
    EXPECT_EQ(ColorFromText(QStringLiteral("clHotLight")), ColorFromText(QStringLiteral("$FF00001A")));
    EXPECT_EQ(ColorFromText(QStringLiteral("clGradientActiveCaption")), ColorFromText(QStringLiteral("$FF00001B")));
}

} // namespace
