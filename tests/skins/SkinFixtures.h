#pragma once

// Small generated files for the skin tests: bitmaps, JPEG pictures, cursor
// files and whole skin directories.

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <map>
#include <vector>

namespace tavrin::test {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes &out, std::uint32_t value);
void PutU32(Bytes &out, std::uint32_t value);

// A BMP file around the given info header fields and raw pixel rows (rows
// already padded as stored). `extra` goes between the header and the
// pixels: masks and palette.
struct BmpSpec {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    Bytes extra;
    Bytes rows;
};
Bytes MakeBmp(const BmpSpec &spec);

// A 24-bit bottom-up BMP of one colour (0xRRGGBB).
Bytes MakeSolidBmp(int width, int height, std::uint32_t rgb);

// A baseline JPEG of one colour (0xRRGGBB), or grayscale of its red level.
Bytes MakeSolidJpeg(int width, int height, std::uint32_t rgb, bool grayscale = false);

// A .cur file with one 32-bit image of one ARGB colour.
Bytes MakeCursor(int width, int height, int hotspotX, int hotspotY, std::uint32_t argb);

// An .ani file of the given .cur/.ico frames; empty `rates` or `sequence`
// leave the chunk out.
Bytes MakeAni(const std::vector<Bytes> &frames, std::uint32_t displayRate, const std::vector<std::uint32_t> &rates,
              const std::vector<std::uint32_t> &sequence, std::uint32_t declaredFrames = 0,
              std::uint32_t declaredSteps = 0);

bool WriteBytes(const QString &path, const Bytes &bytes);
bool WriteBytes(const QString &path, const QByteArray &bytes);

// The colours of a complete config.ini, key by key.
std::map<QString, QString> CompleteSkinColors();
QByteArray MakeConfigIni(const std::map<QString, QString> &colors);

// Colours of the generated pictures, told apart per file.
std::uint32_t PictureColorOfStep(int pictureIndex);

// A complete skin in `root`/skins/`name`: config.ini, Normal.ani and the
// sixteen pictures, picture i filled with PictureColorOfStep(i).
void MakeCompleteSkin(const QString &root, const QString &name);

// A temporary folder that is the current directory while it lives.
class CurrentFolder {
public:
    CurrentFolder();
    ~CurrentFolder();
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace tavrin::test
