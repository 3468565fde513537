// The colour text of config.ini.
#include "skins/ColorFromText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<tavrin::TColor> color = tavrin::ColorFromText(text);
    if (!color)
        return 0;
    // Every value reads back from its decimal and its hexadecimal form.
    if (tavrin::ColorFromText(QString::number(*color)) != color)
        std::abort();
    const QString hex = QStringLiteral("$") + QString::number(static_cast<std::uint32_t>(*color), 16);
    if (tavrin::ColorFromText(hex) != color)
        std::abort();
    return 0;
}
