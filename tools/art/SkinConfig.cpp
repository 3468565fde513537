#include "tools/art/SkinConfig.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tavrin::art {

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;

QByteArray Iconv(const QByteArray& utf8, const char* target)
{
    iconv_t converter = iconv_open(target, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert to ") + target);
    QByteArray input = utf8;
    QByteArray output(input.size() * 4 + 16, '\0');
    char* in = input.data();
    std::size_t inLeft = static_cast<std::size_t>(input.size());
    char* out = output.data();
    std::size_t outLeft = static_cast<std::size_t>(output.size());
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        throw std::runtime_error(std::string("iconv failed: ") + std::strerror(error));
    output.truncate(output.size() - static_cast<qsizetype>(outLeft));
    return output;
}

} // namespace

QString ColourText(std::uint32_t value, int form)
{
    if (value == kWhite)
        return QStringLiteral("clWhite");
    if (value == kBlack)
        return QStringLiteral("clBlack");
    switch (form % 4) {
    case 0: return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
    case 1: return QString::number(value);
    case 2: return QStringLiteral("0x") + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
    default: return QStringLiteral("$%1").arg(value, 6, 16, QLatin1Char('0'));
    }
}

std::vector<ConfigEntry> SkinColourEntries(const Theme& theme, int variant)
{
    const Rgba white = Hex(0xFFFFFF);
    const Rgba titleText = Luminance(theme.titleTop) < 0.42 ? white : Lighten(theme.outline, -0.25);
    const Rgba headerText = Luminance(theme.headerDeep) < 0.62 ? white : Lighten(theme.outline, -0.3);
    const Rgba buttonText = Lighten(theme.outline, -0.45);
    const Rgba buttonBackground = Mix(theme.headerLight, white, 0.72);
    const Rgba buttonBorder = Mix(theme.headerDeep, theme.headerLight, 0.45);
    const Rgba pressedBackground = Mix(theme.headerLight, white, 0.4);
    const Rgba focusText = theme.outline;

    const std::vector<std::pair<const char*, Rgba>> keys{
        {"标题栏字体色", titleText},       {"分类栏字体色", headerText},
        {"按钮字体色", buttonText},         {"按钮背景色", buttonBackground},
        {"按钮边框色", buttonBorder},       {"按下时背景", pressedBackground},
        {"焦点按钮字体色", focusText},
    };
    std::vector<ConfigEntry> entries;
    int form = variant;
    for (const auto& [key, colour] : keys)
        entries.push_back(ConfigEntry{QString::fromUtf8(key), ColourText(ToBgrValue(colour), form++)});
    return entries;
}

QString SkinConfigText(const std::vector<ConfigEntry>& entries)
{
    QString text = QStringLiteral("[Tavrin]\r\n");
    for (const ConfigEntry& entry : entries)
        text += entry.key + QLatin1Char('=') + entry.value + QStringLiteral("\r\n");
    return text;
}

QByteArray EncodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8WithBom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LeWithBom:
        return QByteArray("\xFF\xFE", 2) + Iconv(text.toUtf8(), "UTF-16LE");
    case TextEncoding::Gb18030:
        return Iconv(text.toUtf8(), "GB18030");
    }
    throw std::invalid_argument("unknown text encoding");
}

} // namespace tavrin::art
