#include "platform/IniFile.h"

#include "platform/FileBytes.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace tavrin {
namespace {

constexpr std::int64_t MaxIniFileBytes = 16 * 1024 * 1024;

bool StartsWith(const QByteArray &bytes, const char *prefix, int length)
{
    return bytes.size() >= length && std::equal(prefix, prefix + length, bytes.constData());
}

std::optional<QString> StrictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString Utf16(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes.first(bytes.size() & ~qsizetype(1)));
}

// GB18030 (a superset of GBK and GB2312) through iconv; a byte that starts
// no valid sequence becomes U+FFFD.
QString Gb18030(const QByteArray &bytes)
{
    iconv_t converter = iconv_open("UTF-8", "GB18030");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);

    QByteArray utf8;
    QByteArray chunk(4096, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    std::size_t inLeft = std::size_t(bytes.size());
    while (inLeft > 0) {
        char *out = chunk.data();
        std::size_t outLeft = std::size_t(chunk.size());
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        utf8.append(chunk.constData(), chunk.size() - qsizetype(outLeft));
        if (result != std::size_t(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (incomplete sequence at the end): skip one byte.
        utf8.append("\xEF\xBF\xBD");
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(converter);
    return QString::fromUtf8(utf8);
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

QString Unquoted(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

IniFile IniFile::FromBytes(const QByteArray &bytes)
{
    IniFile ini;
    ini.loaded_ = true;
    ini.Parse(DecodeText(bytes));
    return ini;
}

QString IniFile::DecodeText(const QByteArray &bytes)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF", 3))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (StartsWith(bytes, "\xFF\xFE", 2))
        return Utf16(QByteArrayView(bytes).sliced(2), QStringDecoder::Utf16LE);
    if (StartsWith(bytes, "\xFE\xFF", 2))
        return Utf16(QByteArrayView(bytes).sliced(2), QStringDecoder::Utf16BE);
    if (std::optional<QString> text = StrictUtf8(bytes))
        return *text;
    return Gb18030(bytes);
}

void IniFile::LoadOnce() const
{
    if (loaded_)
        return;
    loaded_ = true;
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path_, MaxIniFileBytes);
    if (!bytes)
        return;
    Parse(DecodeText(QByteArray(reinterpret_cast<const char *>(bytes->data()), qsizetype(bytes->size()))));
}

void IniFile::Parse(const QString &text) const
{
    QString section;
    bool inSection = false;
    for (QStringView rawLine : QStringView(text).tokenize(QLatin1Char('\n'))) {
        QStringView line = rawLine;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = TrimBlanks(line);
        if (trimmed.isEmpty() || trimmed.front() == QLatin1Char(';') || trimmed.front() == QLatin1Char('#'))
            continue;
        if (trimmed.front() == QLatin1Char('[')) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            if (close < 0)
                continue;
            section = TrimBlanks(QStringView(trimmed).mid(1, close - 1));
            inSection = true;
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (!inSection || equals <= 0)
            continue;
        const QString key = TrimBlanks(QStringView(trimmed).left(equals));
        if (key.isEmpty())
            continue;
        entries_.push_back({section, key, Unquoted(TrimBlanks(QStringView(trimmed).mid(equals + 1)))});
    }
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    LoadOnce();
    for (const Entry &entry : entries_) {
        if (entry.section.compare(section, Qt::CaseInsensitive) == 0 &&
            entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return defaultValue;
}

} // namespace tavrin
