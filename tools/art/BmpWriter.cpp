#include "tools/art/BmpWriter.h"

#include "tools/art/ByteWriter.h"

namespace tavrin::art {

QByteArray EncodeBmp24(const Canvas& canvas)
{
    const int rowBytes = (canvas.Width() * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * canvas.Height());
    constexpr std::uint32_t headerBytes = 14 + 40;

    ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(headerBytes + imageBytes);
    out.U16(0);
    out.U16(0);
    out.U32(headerBytes);

    out.U32(40);
    out.I32(canvas.Width());
    out.I32(canvas.Height());
    out.U16(1);
    out.U16(24);
    out.U32(0); // BI_RGB
    out.U32(imageBytes);
    out.I32(3780); // 96 pixels per inch
    out.I32(3780);
    out.U32(0);
    out.U32(0);

    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgba c = canvas.Pixel(x, y);
            out.U8(ToByte(c.b));
            out.U8(ToByte(c.g));
            out.U8(ToByte(c.r));
        }
        for (int pad = canvas.Width() * 3; pad < rowBytes; ++pad)
            out.U8(0);
    }
    return out.Data();
}

} // namespace tavrin::art
