// config.ini text in any encoding, read the way the skin loader reads it.
#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const tavrin::IniFile ini = tavrin::IniFile::FromBytes(bytes);
    for (const char16_t *key : {u"标题栏字体色", u"按钮背景色", u"key"})
        ini.ReadString(QStringLiteral("Tavrin"), QString::fromUtf16(key), QString());
    ini.ReadString(QString(), QString(), QString());
    return 0;
}
