#include "platform/CursorFile.h"

#include "tests/skins/SkinFixtures.h"

#include <gtest/gtest.h>

using namespace tavrin;
using tavrin::test::Bytes;

namespace {

std::optional<CursorFile> Parse(const Bytes &bytes)
{
    return ParseCursorFile(bytes.data(), bytes.size());
}

void SetU32(Bytes &bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

// A .cur file with a 1-bit image: XOR and AND rows decide each pixel.
Bytes MonochromeCursor()
{
    Bytes image;
    test::PutU32(image, 40);
    test::PutU32(image, 4);
    test::PutU32(image, 2 * 2);
    test::PutU16(image, 1);
    test::PutU16(image, 1);
    for (int i = 0; i < 6; ++i)
        test::PutU32(image, 0);
    test::PutU32(image, 0x00000000); // palette 0: black
    test::PutU32(image, 0x00FFFFFF); // palette 1: white
    // XOR rows, bottom row first: bottom = 0 1 0 1, top = 0 0 1 1.
    image.insert(image.end(), {0b01010000, 0, 0, 0, 0b00110000, 0, 0, 0});
    // AND rows, bottom row first: bottom = 0 0 1 1, top = 1 1 0 0.
    image.insert(image.end(), {0b00110000, 0, 0, 0, 0b11000000, 0, 0, 0});
    Bytes out;
    test::PutU16(out, 0);
    test::PutU16(out, 2);
    test::PutU16(out, 1);
    out.insert(out.end(), {4, 2, 0, 0});
    test::PutU16(out, 9); // hotspot beyond the picture: kept inside it
    test::PutU16(out, 1);
    test::PutU32(out, std::uint32_t(image.size()));
    test::PutU32(out, 22);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

TEST(CursorFile, ReadsAStatic32BitCursor)
{
    const std::optional<CursorFile> cursor = Parse(test::MakeCursor(32, 32, 5, 7, 0x80112233));
    ASSERT_TRUE(cursor);
    ASSERT_EQ(cursor->frames.size(), 1u);
    const CursorFrame &frame = cursor->frames[0];
    EXPECT_FALSE(frame.IsPng());
    EXPECT_EQ(frame.width, 32);
    EXPECT_EQ(frame.height, 32);
    EXPECT_EQ(frame.hotspotX, 5);
    EXPECT_EQ(frame.hotspotY, 7);
    EXPECT_EQ(frame.image.Pixel(31, 31), 0x80112233u);
    EXPECT_EQ(cursor->sequence, std::vector<int>{0});
    EXPECT_FALSE(cursor->IsAnimated());
}

TEST(CursorFile, TurnsTheAndMaskIntoTransparency)
{
    const std::optional<CursorFile> cursor = Parse(MonochromeCursor());
    ASSERT_TRUE(cursor);
    const CursorFrame &frame = cursor->frames[0];
    EXPECT_EQ(frame.hotspotX, 3);
    // top row: AND 1 1 0 0, XOR 0 0 1 1 -> clear, clear, white, white
    // bottom row: AND 0 0 1 1, XOR 0 1 0 1 -> black, white, clear, inverted (black)
    const std::vector<std::uint32_t> expected = {0, 0, 0xFFFFFFFFu, 0xFFFFFFFFu,
                                                 0xFF000000u, 0xFFFFFFFFu, 0, 0xFF000000u};
    EXPECT_EQ(frame.image.pixels, expected);
}

TEST(CursorFile, KeepsPngImagesEncoded)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                 0, 0, 0, 48, 0, 0, 0, 48, 8, 6, 0, 0, 0};
    Bytes file;
    test::PutU16(file, 0);
    test::PutU16(file, 1);
    test::PutU16(file, 1);
    file.insert(file.end(), {48, 48, 0, 0, 1, 0, 32, 0});
    test::PutU32(file, std::uint32_t(png.size()));
    test::PutU32(file, 22);
    file.insert(file.end(), png.begin(), png.end());
    const std::optional<CursorFile> cursor = Parse(file);
    ASSERT_TRUE(cursor);
    EXPECT_TRUE(cursor->frames[0].IsPng());
    EXPECT_EQ(cursor->frames[0].png, png);
    // An icon used as a cursor points at its centre.
    EXPECT_EQ(cursor->frames[0].hotspotX, 24);

    SetU32(file, 22 + 16, 300); // width beyond the cap
    EXPECT_FALSE(Parse(file));
}

TEST(CursorFile, PicksTheImageClosestTo32Pixels)
{
    Bytes small = test::MakeCursor(16, 16, 1, 1, 0xFF0000FF);
    Bytes large = test::MakeCursor(32, 32, 2, 2, 0xFF00FF00);
    // Two directory entries; images copied after the directory.
    Bytes file;
    test::PutU16(file, 0);
    test::PutU16(file, 2);
    test::PutU16(file, 2);
    const Bytes smallImage(small.begin() + 22, small.end());
    const Bytes largeImage(large.begin() + 22, large.end());
    const std::uint32_t first = 6 + 32;
    file.insert(file.end(), small.begin() + 6, small.begin() + 18);
    test::PutU32(file, first);
    file.insert(file.end(), large.begin() + 6, large.begin() + 18);
    test::PutU32(file, first + std::uint32_t(smallImage.size()));
    file.insert(file.end(), smallImage.begin(), smallImage.end());
    file.insert(file.end(), largeImage.begin(), largeImage.end());
    const std::optional<CursorFile> cursor = Parse(file);
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->frames[0].width, 32);
    EXPECT_EQ(cursor->frames[0].hotspotX, 2);
}

TEST(CursorFile, ReadsAnAnimatedCursorWithRatesAndSequence)
{
    const Bytes a = test::MakeCursor(32, 32, 1, 1, 0xFF0000FF);
    const Bytes b = test::MakeCursor(32, 32, 1, 1, 0xFF00FF00);
    const std::optional<CursorFile> cursor = Parse(test::MakeAni({a, b}, 10, {3, 4, 0}, {1, 0, 1}));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->frames.size(), 2u);
    EXPECT_EQ(cursor->sequence, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(cursor->jiffies, (std::vector<int>{3, 4, 1})); // a zero rate still advances
    EXPECT_TRUE(cursor->IsAnimated());

    const std::optional<CursorFile> plain = Parse(test::MakeAni({a, b}, 7, {}, {}));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->sequence, (std::vector<int>{0, 1}));
    EXPECT_EQ(plain->jiffies, (std::vector<int>{7, 7}));
}

TEST(CursorFile, HostileFilesGiveNoCursor)
{
    const Bytes frame = test::MakeCursor(32, 32, 1, 1, 0xFF0000FF);
    const Bytes ani = test::MakeAni({frame}, 5, {}, {});
    Bytes lyingChunk = ani;
    SetU32(lyingChunk, 16, 0xFFFFFFF0); // anih length
    Bytes lyingEntry = frame;
    SetU32(lyingEntry, 14, 0xFFFFFFFF); // image length in the directory
    Bytes lyingOffset = frame;
    SetU32(lyingOffset, 18, 0xFFFFFFF0);
    Bytes hugeBitmap = frame;
    SetU32(hugeBitmap, 22 + 4, 100000);
    Bytes noMask = frame;
    std::fill(noMask.begin() + 22 + 40, noMask.end(), 0); // no alpha, and cut the mask off
    noMask.resize(noMask.size() - 128);
    SetU32(noMask, 14, std::uint32_t(noMask.size() - 22));

    const struct {
        const char *name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"a BMP", test::MakeSolidBmp(2, 2, 0)},
        {"zero images", {0, 0, 2, 0, 0, 0}},
        {"directory longer than the file", {0, 0, 2, 0, 9, 0, 1, 2, 3}},
        {"entry length lies", lyingEntry},
        {"entry offset lies", lyingOffset},
        {"bitmap too wide", hugeBitmap},
        {"32-bit without alpha or mask", noMask},
        {"chunk length lies", lyingChunk},
        {"zero frames", test::MakeAni({}, 5, {}, {})},
        {"more frames declared than stored", test::MakeAni({frame}, 5, {}, {}, 2)},
        {"frame count overflows", test::MakeAni({frame}, 5, {}, {}, 0xFFFFFFFF)},
        {"sequence index out of range", test::MakeAni({frame}, 5, {}, {0, 1})},
        {"sequence shorter than the steps", test::MakeAni({frame}, 5, {}, {0}, 1, 3)},
        {"rates shorter than the steps", test::MakeAni({frame, frame}, 5, {1}, {})},
        {"step count overflows", test::MakeAni({frame}, 5, {}, {0}, 1, 0xFFFFFFFF)},
        {"frame that is no icon", test::MakeAni({test::MakeSolidBmp(2, 2, 0)}, 5, {}, {})},
        {"RIFF of another kind", [] { Bytes b = test::MakeAni({}, 1, {}, {}); b[8] = 'W'; return b; }()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Parse(c.bytes));
    }
}

TEST(CursorFile, LoadsFilesAndGivesNothingForMissingOnes)
{
    test::CurrentFolder folder;
    ASSERT_TRUE(test::WriteBytes(QStringLiteral("Normal.ani"), test::MakeCursor(32, 32, 0, 0, 0xFF000000)));
    EXPECT_TRUE(LoadCursorFile(QStringLiteral("Normal.ani")));
    EXPECT_FALSE(LoadCursorFile(QStringLiteral("missing.ani")));
    EXPECT_FALSE(LoadCursorFile(folder.Path()));
}

} // namespace
