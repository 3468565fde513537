#include "tests/art/AssetFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <stdexcept>

namespace tavrin::test {

QString AssetsDir()
{
    const QByteArray source = qgetenv("TAVRIN_SOURCE_DIR");
    if (source.isEmpty())
        throw std::runtime_error("TAVRIN_SOURCE_DIR is not set");
    return QDir(QString::fromLocal8Bit(source)).filePath("assets");
}

QByteArray ReadAsset(const QString& relativePath)
{
    QFile file(QDir(AssetsDir()).filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + file.fileName().toStdString());
    return file.readAll();
}

QStringList FilesUnder(const QString& directory)
{
    QStringList files;
    const QDir root(directory);
    QDirIterator it(directory, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

QStringList ResourcePaths()
{
    const QString list = QString::fromUtf8(ReadAsset("assets.qrc"));
    static const QRegularExpression entry("<file>([^<]+)</file>");
    QStringList paths;
    for (auto it = entry.globalMatch(list); it.hasNext();)
        paths << it.next().captured(1);
    return paths;
}

std::uint16_t U16At(const QByteArray& data, qsizetype offset)
{
    if (offset < 0 || offset + 2 > data.size())
        throw std::out_of_range("read past the end");
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[offset])
                                      | static_cast<std::uint8_t>(data[offset + 1]) << 8);
}

std::uint32_t U32At(const QByteArray& data, qsizetype offset)
{
    return static_cast<std::uint32_t>(U16At(data, offset)) | static_cast<std::uint32_t>(U16At(data, offset + 2)) << 16;
}

std::int32_t I32At(const QByteArray& data, qsizetype offset)
{
    return static_cast<std::int32_t>(U32At(data, offset));
}

} // namespace tavrin::test
