// The committed pictures are in the formats and sizes the window draws
// them at: JPEG frame pieces, uncompressed 24-bit bitmaps, PNG icons with
// alpha, a six-image .ico, animated cursors and readable config.ini files.

#include "tests/art/AssetFiles.h"

#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <iconv.h>

#include <set>
#include <vector>

namespace {

using namespace tavrin::test;

struct Picture {
    const char* defaultName;
    const char* skinName;
    int width;
    int height;
};

const std::vector<Picture>& LookPictures()
{
    static const std::vector<Picture> pictures{
        {"title_left.jpg", "顶边_左.jpg", 75, 26},       {"title_middle.jpg", "顶边_中.jpg", 75, 26},
        {"title_right.jpg", "顶边_右.jpg", 120, 26},     {"border_left.jpg", "边框_左.jpg", 8, 18},
        {"border_right.jpg", "边框_右.jpg", 8, 18},      {"bottom_left.jpg", "底边_左.jpg", 8, 8},
        {"bottom_middle.jpg", "底边_中.jpg", 50, 8},     {"bottom_right.jpg", "底边_右.jpg", 8, 8},
        {"background.jpg", "背景.jpg", 160, 138},        {"close_normal.bmp", "关闭over.bmp", 28, 15},
        {"close_enter.bmp", "关闭on.bmp", 28, 15},       {"close_down.bmp", "关闭down.bmp", 28, 15},
        {"minimize_normal.bmp", "最小化over.bmp", 28, 15}, {"minimize_enter.bmp", "最小化on.bmp", 28, 15},
        {"minimize_down.bmp", "最小化down.bmp", 28, 15},   {"header.bmp", "分类栏.bmp", 158, 25},
    };
    return pictures;
}

const QStringList& SkinNames()
{
    static const QStringList names{"春草绿", "动感兰", "复古灰", "古典青", "冷艳紫", "落日黄", "玫瑰红"};
    return names;
}

// Width and height from the JPEG's start-of-frame marker, or {-1, -1}.
std::pair<int, int> JpegSize(const QByteArray& data)
{
    if (data.size() < 4 || static_cast<std::uint8_t>(data[0]) != 0xFF || static_cast<std::uint8_t>(data[1]) != 0xD8)
        return {-1, -1};
    qsizetype pos = 2;
    while (pos + 9 < data.size()) {
        if (static_cast<std::uint8_t>(data[pos]) != 0xFF)
            return {-1, -1};
        const auto marker = static_cast<std::uint8_t>(data[pos + 1]);
        const int length = static_cast<std::uint8_t>(data[pos + 2]) << 8 | static_cast<std::uint8_t>(data[pos + 3]);
        if (marker >= 0xC0 && marker <= 0xC2) {
            const int height = static_cast<std::uint8_t>(data[pos + 5]) << 8 | static_cast<std::uint8_t>(data[pos + 6]);
            const int width = static_cast<std::uint8_t>(data[pos + 7]) << 8 | static_cast<std::uint8_t>(data[pos + 8]);
            return {width, height};
        }
        pos += 2 + length;
    }
    return {-1, -1};
}

void ExpectBmp24(const QByteArray& data, int width, int height, const QString& path)
{
    SCOPED_TRACE(path.toStdString());
    ASSERT_GE(data.size(), 54);
    EXPECT_EQ(data.left(2), QByteArray("BM"));
    EXPECT_EQ(U32At(data, 2), static_cast<std::uint32_t>(data.size()));
    EXPECT_EQ(U32At(data, 10), 54u);
    EXPECT_EQ(U32At(data, 14), 40u);
    EXPECT_EQ(I32At(data, 18), width);
    EXPECT_EQ(I32At(data, 22), height); // positive: bottom-up rows
    EXPECT_EQ(U16At(data, 26), 1);
    EXPECT_EQ(U16At(data, 28), 24);
    EXPECT_EQ(U32At(data, 30), 0u);
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    EXPECT_EQ(data.size(), 54 + rowBytes * height);
}

void ExpectPicture(const QString& path, int width, int height)
{
    const QByteArray data = ReadAsset(path);
    if (path.endsWith(".jpg")) {
        EXPECT_EQ(JpegSize(data), std::make_pair(width, height)) << path.toStdString();
    } else {
        ExpectBmp24(data, width, height, path);
        const QImage image = QImage::fromData(data, "BMP");
        EXPECT_EQ(image.size(), QSize(width, height)) << path.toStdString();
    }
}

TEST(ArtFormats, DefaultLookPiecesHaveTheirSizesAndFormats)
{
    for (const Picture& picture : LookPictures())
        ExpectPicture(QString("default/") + picture.defaultName, picture.width, picture.height);
}

TEST(ArtFormats, EverySkinHasTheSamePiecesUnderItsOwnNames)
{
    for (const QString& skin : SkinNames()) {
        for (const Picture& picture : LookPictures())
            ExpectPicture("skins/" + skin + "/" + QString::fromUtf8(picture.skinName), picture.width, picture.height);
    }
}

TEST(ArtFormats, EachSkinFolderHoldsExactlyItsEighteenFiles)
{
    EXPECT_EQ(FilesUnder(AssetsDir() + "/skins").filter(QRegularExpression("^[^/]+/")).size(),
              SkinNames().size() * 18);
    for (const QString& skin : SkinNames()) {
        QStringList expected{"config.ini", "Normal.ani"};
        for (const Picture& picture : LookPictures())
            expected << QString::fromUtf8(picture.skinName);
        expected.sort();
        EXPECT_EQ(FilesUnder(AssetsDir() + "/skins/" + skin), expected) << skin.toStdString();
    }
}

TEST(ArtFormats, StockPicturesAndIconsArePngsWithTransparentSurroundings)
{
    struct Case {
        QString path;
        int size;
    };
    std::vector<Case> cases{{"icons/tray_placeholder.png", 32},
                            {"icons/tavrin-48.png", 48},
                            {"icons/tavrin-32.png", 32},
                            {"icons/tavrin-16.png", 16}};
    for (int index = 0; index < 8; ++index)
        cases.push_back({QString("stock/stock%1.png").arg(index), 24});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QImage image = QImage::fromData(ReadAsset(c.path), "PNG");
        ASSERT_EQ(image.size(), QSize(c.size, c.size));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        // Something is drawn in the middle.
        EXPECT_GT(qAlpha(image.pixel(c.size / 2, c.size * 2 / 3)), 0);
    }
}

TEST(ArtFormats, StockPicturesDifferFromEachOther)
{
    std::set<QByteArray> seen;
    for (int index = 0; index < 8; ++index)
        seen.insert(ReadAsset(QString("stock/stock%1.png").arg(index)));
    EXPECT_EQ(seen.size(), 8u);
}

TEST(ArtFormats, ApplicationIconHoldsThreeSizesInTwoDepths)
{
    const QByteArray ico = ReadAsset("icons/tavrin.ico");
    ASSERT_EQ(U16At(ico, 0), 0);
    ASSERT_EQ(U16At(ico, 2), 1);
    ASSERT_EQ(U16At(ico, 4), 6);
    std::set<std::pair<int, int>> images;
    for (int entry = 0; entry < 6; ++entry) {
        const qsizetype at = 6 + entry * 16;
        const int size = static_cast<std::uint8_t>(ico[at]);
        const int bits = U16At(ico, at + 6);
        const std::uint32_t length = U32At(ico, at + 8);
        const std::uint32_t offset = U32At(ico, at + 12);
        ASSERT_LE(offset + length, static_cast<std::uint32_t>(ico.size()));
        // Each image is a DIB with doubled height (colour rows and AND mask).
        EXPECT_EQ(U32At(ico, offset), 40u);
        EXPECT_EQ(I32At(ico, offset + 4), size);
        EXPECT_EQ(I32At(ico, offset + 8), size * 2);
        EXPECT_EQ(U16At(ico, offset + 14), bits);
        images.insert({size, bits});
    }
    const std::set<std::pair<int, int>> expected{{48, 8}, {32, 8}, {16, 8}, {48, 32}, {32, 32}, {16, 32}};
    EXPECT_EQ(images, expected);
}

struct Chunk {
    QByteArray tag;
    QByteArray body;
};

// The chunks inside a RIFF body, descending into LIST chunks.
std::vector<Chunk> RiffChunks(const QByteArray& data, qsizetype pos, qsizetype end)
{
    std::vector<Chunk> chunks;
    while (pos + 8 <= end) {
        const QByteArray tag = data.mid(pos, 4);
        const auto size = static_cast<qsizetype>(U32At(data, pos + 4));
        if (pos + 8 + size > end)
            throw std::runtime_error("chunk runs past its parent");
        if (tag == "LIST") {
            chunks.push_back({tag + data.mid(pos + 8, 4), {}});
            for (Chunk& inner : RiffChunks(data, pos + 12, pos + 8 + size))
                chunks.push_back(std::move(inner));
        } else {
            chunks.push_back({tag, data.mid(pos + 8, size)});
        }
        pos += 8 + size + (size % 2);
    }
    return chunks;
}

TEST(ArtFormats, SkinCursorsAreAnimatedCursorsWithTheirFramesAndHotspot)
{
    for (const QString& skin : SkinNames()) {
        SCOPED_TRACE(skin.toStdString());
        const QByteArray ani = ReadAsset("skins/" + skin + "/Normal.ani");
        ASSERT_EQ(ani.left(4), QByteArray("RIFF"));
        ASSERT_EQ(U32At(ani, 4), static_cast<std::uint32_t>(ani.size() - 8));
        ASSERT_EQ(ani.mid(8, 4), QByteArray("ACON"));
        const std::vector<Chunk> chunks = RiffChunks(ani, 12, ani.size());

        QByteArray header;
        QByteArray rates;
        QByteArray sequence;
        std::vector<QByteArray> frames;
        bool inFrameList = false;
        for (const Chunk& chunk : chunks) {
            if (chunk.tag == "anih")
                header = chunk.body;
            else if (chunk.tag == "rate")
                rates = chunk.body;
            else if (chunk.tag == "seq ")
                sequence = chunk.body;
            else if (chunk.tag == "LISTfram")
                inFrameList = true;
            else if (chunk.tag == "icon" && inFrameList)
                frames.push_back(chunk.body);
        }
        ASSERT_EQ(header.size(), 36);
        const std::uint32_t frameCount = U32At(header, 4);
        const std::uint32_t steps = U32At(header, 8);
        EXPECT_EQ(U32At(header, 0), 36u);
        EXPECT_EQ(frames.size(), frameCount);
        EXPECT_GE(frameCount, 4u);
        EXPECT_LE(frameCount, 8u);
        EXPECT_EQ(U32At(header, 32) & 0x3u, 0x3u); // icon frames, sequenced
        EXPECT_EQ(rates.size(), static_cast<qsizetype>(steps * 4));
        ASSERT_EQ(sequence.size(), static_cast<qsizetype>(steps * 4));
        for (std::uint32_t step = 0; step < steps; ++step)
            EXPECT_LT(U32At(sequence, step * 4), frameCount);

        for (const QByteArray& cur : frames) {
            ASSERT_GE(cur.size(), 22 + 40);
            EXPECT_EQ(U16At(cur, 2), 2); // cursor
            EXPECT_EQ(U16At(cur, 4), 1);
            EXPECT_EQ(static_cast<std::uint8_t>(cur[6]), 32);
            EXPECT_EQ(static_cast<std::uint8_t>(cur[7]), 32);
            const int hotspotX = U16At(cur, 10);
            const int hotspotY = U16At(cur, 12);
            EXPECT_LT(hotspotX, 8);
            EXPECT_LT(hotspotY, 8);
            const std::uint32_t offset = U32At(cur, 18);
            EXPECT_EQ(offset + U32At(cur, 14), static_cast<std::uint32_t>(cur.size()));
            EXPECT_EQ(I32At(cur, offset + 8), 64);
            EXPECT_EQ(U16At(cur, offset + 14), 32);
            // The tip of the arrow is drawn at the hotspot: its pixel is not clear.
            const qsizetype pixels = offset + 40;
            const int row = 31 - hotspotY;
            const auto alpha = static_cast<std::uint8_t>(cur[pixels + (row * 32 + hotspotX) * 4 + 3]);
            EXPECT_GT(alpha, 0);
        }
    }
}

QString Iconv(const QByteArray& bytes, const char* from)
{
    iconv_t converter = iconv_open("UTF-8", from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray input = bytes;
    QByteArray output(bytes.size() * 4 + 16, '\0');
    char* in = input.data();
    std::size_t inLeft = static_cast<std::size_t>(input.size());
    char* out = output.data();
    std::size_t outLeft = static_cast<std::size_t>(output.size());
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        return {};
    output.truncate(output.size() - static_cast<qsizetype>(outLeft));
    return QString::fromUtf8(output);
}

// Decodes a config.ini the way Windows-made skin files come: a BOM names
// UTF-16LE or UTF-8; without one, UTF-8 when valid, else GB18030.
QString DecodeConfig(const QByteArray& bytes, QString& encoding)
{
    if (bytes.startsWith("\xFF\xFE")) {
        encoding = "UTF-16LE";
        return Iconv(bytes.mid(2), "UTF-16LE");
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = "UTF-8 BOM";
        return QString::fromUtf8(bytes.mid(3));
    }
    auto utf8 = QStringDecoder(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) {
        encoding = "UTF-8";
        return text;
    }
    encoding = "GB18030";
    return Iconv(bytes, "GB18030");
}

TEST(ArtFormats, SkinConfigsHoldTheSevenColourKeysInTheirEncodings)
{
    const QStringList keys{"标题栏字体色", "分类栏字体色", "按钮字体色", "按钮背景色",
                           "按钮边框色",   "按下时背景",   "焦点按钮字体色"};
    static const QRegularExpression colourText(
        "^(cl[A-Za-z0-9]+|\\$[0-9A-Fa-f]{1,8}|0[xX][0-9A-Fa-f]{1,8}|[0-9]{1,10})$");
    std::set<QString> encodings;
    for (const QString& skin : SkinNames()) {
        SCOPED_TRACE(skin.toStdString());
        QString encoding;
        const QString text = DecodeConfig(ReadAsset("skins/" + skin + "/config.ini"), encoding);
        encodings.insert(encoding);
        QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.takeFirst(), "[Tavrin]");
        QStringList seen;
        for (const QString& line : lines) {
            const qsizetype equals = line.indexOf('=');
            ASSERT_GT(equals, 0) << line.toStdString();
            seen << line.left(equals);
            EXPECT_TRUE(colourText.match(line.mid(equals + 1)).hasMatch()) << line.toStdString();
        }
        EXPECT_EQ(seen, keys);
    }
    const std::set<QString> expected{"UTF-8", "UTF-8 BOM", "UTF-16LE", "GB18030"};
    EXPECT_EQ(encodings, expected);
}

} // namespace
