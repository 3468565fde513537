#include "tests/skins/SkinFixtures.h"

#include "skins/SkinLoader.h"

#include <QFile>

#include <cstdio>
#include <jpeglib.h>

namespace tavrin::test {

void PutU16(Bytes &out, std::uint32_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void PutU32(Bytes &out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

static void PutTag(Bytes &out, const char *tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

Bytes MakeBmp(const BmpSpec &spec)
{
    Bytes out;
    const std::uint32_t offset = 14 + spec.headerSize + std::uint32_t(spec.extra.size());
    PutTag(out, "BM\0\0");
    out.resize(2);
    PutU32(out, offset + std::uint32_t(spec.rows.size()));
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, spec.headerSize);
    if (spec.headerSize == 12) {
        PutU16(out, std::uint32_t(spec.width));
        PutU16(out, std::uint32_t(spec.height));
        PutU16(out, 1);
        PutU16(out, std::uint32_t(spec.bitCount));
    } else {
        PutU32(out, std::uint32_t(spec.width));
        PutU32(out, std::uint32_t(spec.height));
        PutU16(out, 1);
        PutU16(out, std::uint32_t(spec.bitCount));
        PutU32(out, spec.compression);
        PutU32(out, std::uint32_t(spec.rows.size()));
        PutU32(out, 2835);
        PutU32(out, 2835);
        PutU32(out, spec.colorsUsed);
        PutU32(out, 0);
        out.resize(14 + spec.headerSize, 0);
    }
    out.insert(out.end(), spec.extra.begin(), spec.extra.end());
    out.insert(out.end(), spec.rows.begin(), spec.rows.end());
    return out;
}

Bytes MakeSolidBmp(int width, int height, std::uint32_t rgb)
{
    BmpSpec spec;
    spec.width = width;
    spec.height = height;
    const int stride = (width * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            spec.rows.push_back(std::uint8_t(rgb));
            spec.rows.push_back(std::uint8_t(rgb >> 8));
            spec.rows.push_back(std::uint8_t(rgb >> 16));
        }
        spec.rows.resize(std::size_t((y + 1) * stride), 0);
    }
    return MakeBmp(spec);
}

Bytes MakeSolidJpeg(int width, int height, std::uint32_t rgb, bool grayscale)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = grayscale ? 1 : 3;
    info.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row;
    for (int x = 0; x < width; ++x) {
        row.push_back(std::uint8_t(rgb >> 16));
        if (!grayscale) {
            row.push_back(std::uint8_t(rgb >> 8));
            row.push_back(std::uint8_t(rgb));
        }
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes MakeCursor(int width, int height, int hotspotX, int hotspotY, std::uint32_t argb)
{
    Bytes image;
    PutU32(image, 40);
    PutU32(image, std::uint32_t(width));
    PutU32(image, std::uint32_t(height * 2));
    PutU16(image, 1);
    PutU16(image, 32);
    PutU32(image, 0);
    PutU32(image, 0);
    PutU32(image, 0);
    PutU32(image, 0);
    PutU32(image, 0);
    PutU32(image, 0);
    for (int i = 0; i < width * height; ++i)
        PutU32(image, argb);
    const int maskStride = (width + 31) / 32 * 4;
    image.resize(image.size() + std::size_t(maskStride * height), 0);

    Bytes out;
    PutU16(out, 0);
    PutU16(out, 2);
    PutU16(out, 1);
    out.push_back(std::uint8_t(width));
    out.push_back(std::uint8_t(height));
    out.push_back(0);
    out.push_back(0);
    PutU16(out, std::uint32_t(hotspotX));
    PutU16(out, std::uint32_t(hotspotY));
    PutU32(out, std::uint32_t(image.size()));
    PutU32(out, 22);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

static void PutChunk(Bytes &out, const char *tag, const Bytes &body)
{
    PutTag(out, tag);
    PutU32(out, std::uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        out.push_back(0);
}

Bytes MakeAni(const std::vector<Bytes> &frames, std::uint32_t displayRate, const std::vector<std::uint32_t> &rates,
              const std::vector<std::uint32_t> &sequence, std::uint32_t declaredFrames, std::uint32_t declaredSteps)
{
    const std::uint32_t frameCount = declaredFrames != 0 ? declaredFrames : std::uint32_t(frames.size());
    const std::uint32_t stepCount =
        declaredSteps != 0 ? declaredSteps : (sequence.empty() ? frameCount : std::uint32_t(sequence.size()));
    Bytes header;
    PutU32(header, 36);
    PutU32(header, frameCount);
    PutU32(header, stepCount);
    for (int i = 0; i < 4; ++i)
        PutU32(header, 0);
    PutU32(header, displayRate);
    PutU32(header, sequence.empty() ? 1 : 3);

    Bytes body;
    PutTag(body, "ACON");
    PutChunk(body, "anih", header);
    if (!rates.empty()) {
        Bytes table;
        for (std::uint32_t rate : rates)
            PutU32(table, rate);
        PutChunk(body, "rate", table);
    }
    if (!sequence.empty()) {
        Bytes table;
        for (std::uint32_t index : sequence)
            PutU32(table, index);
        PutChunk(body, "seq ", table);
    }
    Bytes list;
    PutTag(list, "fram");
    for (const Bytes &frame : frames)
        PutChunk(list, "icon", frame);
    PutChunk(body, "LIST", list);

    Bytes out;
    PutChunk(out, "RIFF", body);
    return out;
}

bool WriteBytes(const QString &path, const Bytes &bytes)
{
    return WriteBytes(path, QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::map<QString, QString> CompleteSkinColors()
{
    return {
        {QStringLiteral("标题栏字体色"), QStringLiteral("$00000001")},
        {QStringLiteral("分类栏字体色"), QStringLiteral("2")},
        {QStringLiteral("按钮字体色"), QStringLiteral("0x3")},
        {QStringLiteral("按钮背景色"), QStringLiteral("clRed")},
        {QStringLiteral("按钮边框色"), QStringLiteral("clBtnFace")},
        {QStringLiteral("按下时背景"), QStringLiteral("6")},
        {QStringLiteral("焦点按钮字体色"), QStringLiteral("-16777208")},
    };
}

QByteArray MakeConfigIni(const std::map<QString, QString> &colors)
{
    QString text = QStringLiteral("[Tavrin]\r\n");
    for (const auto &[key, value] : colors)
        text += key + QLatin1Char('=') + value + QStringLiteral("\r\n");
    return text.toUtf8();
}

std::uint32_t PictureColorOfStep(int pictureIndex)
{
    // Far apart so that JPEG rounding cannot mix them up.
    return std::uint32_t(0x100000 * (pictureIndex % 16) + 0x0800 * (pictureIndex / 16) + 0x40);
}

void MakeCompleteSkin(const QString &root, const QString &name)
{
    const QString dir = root + QStringLiteral("/skins/") + name + QLatin1Char('/');
    WriteBytes(dir + QStringLiteral("config.ini"), MakeConfigIni(CompleteSkinColors()));
    WriteBytes(dir + QStringLiteral("Normal.ani"),
               MakeAni({MakeCursor(32, 32, 3, 4, 0xFF102030), MakeCursor(32, 32, 3, 4, 0xFF405060)}, 5, {}, {}));
    int index = 0;
    for (const SkinPictureStep &step : SkinPictureSteps()) {
        const QString file = dir + QString::fromUtf16(step.fileName);
        if (file.endsWith(QStringLiteral(".jpg")))
            WriteBytes(file, MakeSolidJpeg(16, 8, PictureColorOfStep(index)));
        else
            WriteBytes(file, MakeSolidBmp(7, 5, PictureColorOfStep(index)));
        ++index;
    }
}

CurrentFolder::CurrentFolder() : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

CurrentFolder::~CurrentFolder()
{
    QDir::setCurrent(previous_);
}

} // namespace tavrin::test
