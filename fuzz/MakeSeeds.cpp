// Writes small valid inputs for every fuzz target into <folder>/<target>/.
#include "tests/skins/SkinFixtures.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdio>

using tavrin::test::Bytes;
using tavrin::test::WriteBytes;

namespace {

QByteArray Utf16LeWithBom(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds <output folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    auto path = [&](const char *target, int n) {
        return root + QLatin1Char('/') + QLatin1String(target) + QStringLiteral("/seed-%1").arg(n);
    };
    bool ok = true;

    const Bytes frameA = tavrin::test::MakeCursor(8, 8, 1, 2, 0xFF336699);
    const Bytes frameB = tavrin::test::MakeCursor(4, 4, 0, 0, 0x80FFFFFF);
    ok &= WriteBytes(path("cursor_file", 1), frameA);
    ok &= WriteBytes(path("cursor_file", 2), tavrin::test::MakeAni({frameA, frameB}, 6, {2, 3, 4}, {0, 1, 0}));
    ok &= WriteBytes(path("cursor_file", 3), tavrin::test::MakeAni({frameB}, 1, {}, {}));

    const QByteArray ini = tavrin::test::MakeConfigIni(tavrin::test::CompleteSkinColors());
    ok &= WriteBytes(path("ini_file", 1), ini);
    ok &= WriteBytes(path("ini_file", 2), Utf16LeWithBom(QString::fromUtf8(ini)));
    ok &= WriteBytes(path("ini_file", 3), QByteArray("[Tavrin]\n\xB0\xB4\xC5\xA5\xB1\xB3\xBE\xB0\xC9\xAB = \"$FF\"\n; c\n"));

    const char *colors[] = {"clRed", "$00FF0000", "-16777201", "0x1F", "  +255", "clGradientInactiveCaption"};
    int n = 0;
    for (const char *color : colors)
        ok &= WriteBytes(path("color_from_text", ++n), QByteArray(color));

    ok &= WriteBytes(path("jpeg_decoder", 1), tavrin::test::MakeSolidJpeg(16, 8, 0x3366CC));
    ok &= WriteBytes(path("jpeg_decoder", 2), tavrin::test::MakeSolidJpeg(3, 5, 0x808080, true));

    tavrin::test::BmpSpec paletted;
    paletted.width = 3;
    paletted.height = -2;
    paletted.bitCount = 4;
    paletted.colorsUsed = 2;
    paletted.extra = {0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0};
    paletted.rows = {0x10, 0x10, 0, 0, 0x01, 0x00, 0, 0};
    tavrin::test::BmpSpec fields;
    fields.width = 2;
    fields.height = 1;
    fields.bitCount = 16;
    fields.compression = 3;
    fields.extra = {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    fields.rows = {0xE0, 0x07, 0x00, 0xF8};
    ok &= WriteBytes(path("bmp_reader", 1), tavrin::test::MakeSolidBmp(5, 3, 0x123456));
    ok &= WriteBytes(path("bmp_reader", 2), tavrin::test::MakeBmp(paletted));
    ok &= WriteBytes(path("bmp_reader", 3), tavrin::test::MakeBmp(fields));

    if (!ok)
        std::fprintf(stderr, "fuzz_make_seeds: could not write every seed\n");
    return ok ? 0 : 1;
}
