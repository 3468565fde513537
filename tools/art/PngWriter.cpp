#include "tools/art/PngWriter.h"

#include <QBuffer>
#include <QImageWriter>

#include <stdexcept>

namespace tavrin::art {

QImage ToImage(const Canvas& canvas)
{
    QImage image(canvas.Width(), canvas.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgba c = canvas.Pixel(x, y);
            image.setPixel(x, y, qRgba(ToByte(c.r), ToByte(c.g), ToByte(c.b), ToByte(c.a)));
        }
    }
    return image;
}

QByteArray EncodePng(const Canvas& canvas)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(9);
    if (!writer.write(ToImage(canvas)))
        throw std::runtime_error("PNG encoding failed: " + writer.errorString().toStdString());
    return bytes;
}

} // namespace tavrin::art
