#include "platform/BmpReader.h"
#include "platform/JpegDecoder.h"

#include "tests/skins/SkinFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tavrin;
using tavrin::test::BmpSpec;
using tavrin::test::Bytes;

namespace {

constexpr std::uint32_t Red = 0xFFFF0000u, Green = 0xFF00FF00u, Blue = 0xFF0000FFu, White = 0xFFFFFFFFu;

Bytes Le32(std::initializer_list<std::uint32_t> values)
{
    Bytes out;
    for (std::uint32_t v : values)
        test::PutU32(out, v);
    return out;
}

// Palette of blue, green, red, white as BMP stores it (B, G, R, 0).
Bytes FourColourPalette()
{
    return {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0};
}

struct BmpCase {
    const char *name;
    BmpSpec spec;
    std::vector<std::uint32_t> expected; // top row first
};

std::vector<BmpCase> BmpCases()
{
    std::vector<BmpCase> cases;
    // Bottom-up 2 x 2 pictures: stored rows are the bottom row first.
    {
        BmpSpec s;
        s.width = 2, s.height = 2, s.bitCount = 24;
        s.rows = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, /**/ 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0};
        cases.push_back({"24-bit bottom-up", s, {Blue, White, Red, Green}});
    }
    {
        BmpSpec s;
        s.width = 2, s.height = -2, s.bitCount = 24;
        s.rows = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, /**/ 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0};
        cases.push_back({"24-bit top-down", s, {Red, Green, Blue, White}});
    }
    {
        BmpSpec s;
        s.width = 3, s.height = 1, s.bitCount = 1, s.colorsUsed = 2;
        s.extra = {0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0};
        s.rows = {0b01000000, 0, 0, 0};
        cases.push_back({"1-bit", s, {Red, White, Red}});
    }
    {
        BmpSpec s;
        s.width = 3, s.height = 1, s.bitCount = 4, s.colorsUsed = 4;
        s.extra = FourColourPalette();
        s.rows = {0x12, 0x30, 0, 0};
        cases.push_back({"4-bit", s, {Green, Red, White}});
    }
    {
        BmpSpec s;
        s.width = 3, s.height = 1, s.bitCount = 8, s.colorsUsed = 4;
        s.extra = FourColourPalette();
        s.rows = {3, 2, 9, 0};
        cases.push_back({"8-bit, index past the palette is black", s, {White, Red, 0xFF000000u}});
    }
    {
        BmpSpec s;
        s.headerSize = 12;
        s.width = 2, s.height = 1, s.bitCount = 8;
        Bytes palette(256 * 3, 0);
        palette[3] = 0xFF; // entry 1: blue
        s.extra = palette;
        s.rows = {1, 0, 0, 0};
        cases.push_back({"CORE header with a 3-byte palette", s, {Blue, 0xFF000000u}});
    }
    {
        BmpSpec s;
        s.width = 2, s.height = 1, s.bitCount = 16;
        s.rows = {0x00, 0x7C, 0x1F, 0x00};
        cases.push_back({"16-bit 5-5-5", s, {Red, Blue}});
    }
    {
        BmpSpec s;
        s.width = 2, s.height = 1, s.bitCount = 16, s.compression = 3;
        s.extra = Le32({0xF800, 0x07E0, 0x001F});
        s.rows = {0xE0, 0x07, 0x00, 0xF8};
        cases.push_back({"16-bit 5-6-5 bit fields", s, {Green, Red}});
    }
    {
        BmpSpec s;
        s.width = 2, s.height = 1, s.bitCount = 32;
        s.rows = {0xFF, 0, 0, 0x00, 0, 0, 0xFF, 0x12};
        cases.push_back({"32-bit, reserved byte ignored", s, {Blue, Red}});
    }
    {
        BmpSpec s;
        s.headerSize = 108;
        s.width = 1, s.height = 1, s.bitCount = 32, s.compression = 3;
        s.rows = {0x11, 0x22, 0x33, 0x80};
        cases.push_back({"V4 header with masks inside", s, {}});
    }
    return cases;
}

TEST(BmpReader, DecodesEveryAcceptedLayout)
{
    for (BmpCase &c : BmpCases()) {
        SCOPED_TRACE(c.name);
        if (c.spec.headerSize == 108) {
            Bytes file = test::MakeBmp(c.spec);
            // Masks at offset 40 of the header: R, G, B, A.
            const Bytes masks = Le32({0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000});
            std::copy(masks.begin(), masks.end(), file.begin() + 14 + 40);
            const std::optional<Raster> raster = ReadBmp(file.data(), file.size());
            ASSERT_TRUE(raster);
            EXPECT_EQ(raster->Pixel(0, 0), 0x80332211u);
            continue;
        }
        const Bytes file = test::MakeBmp(c.spec);
        const std::optional<Raster> raster = ReadBmp(file.data(), file.size());
        ASSERT_TRUE(raster);
        ASSERT_EQ(std::size_t(raster->width * raster->height), c.expected.size());
        EXPECT_EQ(raster->pixels, c.expected);
    }
}

TEST(BmpReader, RefusesWhatIsNotAnUncompressedBmpOrLiesAboutItsSize)
{
    const Bytes good = test::MakeSolidBmp(4, 3, 0x123456);
    ASSERT_TRUE(ReadBmp(good.data(), good.size()));

    auto patched = [&](std::size_t offset, std::uint32_t value) {
        Bytes copy = good;
        for (int i = 0; i < 4; ++i)
            copy[offset + std::size_t(i)] = std::uint8_t(value >> (8 * i));
        return copy;
    };
    const struct {
        const char *name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"JPEG bytes", test::MakeSolidJpeg(4, 4, 0)},
        {"not BM", [&] { Bytes b = good; b[1] = 'A'; return b; }()},
        {"truncated pixels", Bytes(good.begin(), good.end() - 1)},
        {"header only", Bytes(good.begin(), good.begin() + 30)},
        {"pixel offset past the end", patched(10, 0x7FFFFFFF)},
        {"pixel offset inside the header", patched(10, 20)},
        {"unknown header size", patched(14, 41)},
        {"zero width", patched(18, 0)},
        {"negative width", patched(18, 0xFFFFFFFF)},
        {"zero height", patched(22, 0)},
        {"most negative height", patched(22, 0x80000000)},
        {"huge width", patched(18, 0x40000000)},
        {"huge height", patched(22, 0x7FFFFFFF)},
        {"RLE8", patched(30, 1)},
        {"bit count 7", [&] { Bytes b = good; b[28] = 7; return b; }()},
        {"two planes", [&] { Bytes b = good; b[26] = 2; return b; }()},
        // A 52-byte header has no room for an alpha mask, and the file ends
        // right after it.
        {"52-byte header asking for an alpha mask",
         [] {
             BmpSpec s;
             s.headerSize = 52, s.width = 3, s.height = -15, s.bitCount = 32, s.compression = 6;
             Bytes b = test::MakeBmp(s);
             b.resize(14 + 52);
             return b;
         }()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(ReadBmp(c.bytes.data(), c.bytes.size(), &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(BmpReader, ReadsFilesAndFailsOnMissingOnes)
{
    test::CurrentFolder folder;
    ASSERT_TRUE(test::WriteBytes(QStringLiteral("a.bmp"), test::MakeSolidBmp(3, 2, 0x00FF00)));
    const std::optional<Raster> raster = ReadBmpFile(QStringLiteral("a.bmp"));
    ASSERT_TRUE(raster);
    EXPECT_EQ(raster->width, 3);
    EXPECT_EQ(raster->height, 2);
    EXPECT_EQ(raster->Pixel(2, 1), Green);
    EXPECT_FALSE(ReadBmpFile(QStringLiteral("missing.bmp")));
    EXPECT_FALSE(ReadBmpFile(folder.Path()));
}

bool Near(std::uint32_t a, std::uint32_t b)
{
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 3)
            return false;
    }
    return true;
}

TEST(JpegDecoder, DecodesColourAndGrayscalePictures)
{
    const Bytes colour = test::MakeSolidJpeg(20, 10, 0x3366CC);
    const std::optional<Raster> raster = DecodeJpeg(colour.data(), colour.size());
    ASSERT_TRUE(raster);
    EXPECT_EQ(raster->width, 20);
    EXPECT_EQ(raster->height, 10);
    for (std::uint32_t pixel : raster->pixels)
        ASSERT_TRUE(Near(pixel, 0xFF3366CCu)) << std::hex << pixel;

    const Bytes gray = test::MakeSolidJpeg(9, 9, 0x808080, true);
    const std::optional<Raster> grayRaster = DecodeJpeg(gray.data(), gray.size());
    ASSERT_TRUE(grayRaster);
    EXPECT_TRUE(Near(grayRaster->Pixel(4, 4), 0xFF808080u));
}

TEST(JpegDecoder, FailsQuietlyOnBrokenInput)
{
    const Bytes good = test::MakeSolidJpeg(64, 64, 0x102030);
    Bytes corruptBody = good;
    for (std::size_t i = corruptBody.size() / 2; i < corruptBody.size() - 2; ++i)
        corruptBody[i] = 0xFF;
    const struct {
        const char *name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"BMP bytes", test::MakeSolidBmp(4, 4, 0)},
        {"start-of-image only", {0xFF, 0xD8}},
        {"header cut short", Bytes(good.begin(), good.begin() + 40)},
        {"body truncated", Bytes(good.begin(), good.end() - good.size() / 3)},
        {"body corrupt", corruptBody},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        QString error;
        EXPECT_FALSE(DecodeJpeg(c.bytes.data(), c.bytes.size(), &error));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(JpegDecoder, ReadsFilesAndFailsOnMissingOnes)
{
    test::CurrentFolder folder;
    ASSERT_TRUE(test::WriteBytes(QStringLiteral("p.jpg"), test::MakeSolidJpeg(5, 6, 0xFFFFFF)));
    const std::optional<Raster> raster = DecodeJpegFile(QStringLiteral("p.jpg"));
    ASSERT_TRUE(raster);
    EXPECT_EQ(raster->height, 6);
    QString error;
    EXPECT_FALSE(DecodeJpegFile(QStringLiteral("missing.jpg"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
