#pragma once

// Helpers of the artwork tests: where the committed assets are and how
// to read the little-endian fields of Windows file formats.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace tavrin::test {

// The committed asset folder (TAVRIN_SOURCE_DIR/assets).
QString AssetsDir();
QByteArray ReadAsset(const QString& relativePath);
// Every file under directory, relative and sorted, '/'-separated.
QStringList FilesUnder(const QString& directory);
// The paths listed in assets.qrc.
QStringList ResourcePaths();

std::uint16_t U16At(const QByteArray& data, qsizetype offset);
std::uint32_t U32At(const QByteArray& data, qsizetype offset);
std::int32_t I32At(const QByteArray& data, qsizetype offset);

} // namespace tavrin::test
