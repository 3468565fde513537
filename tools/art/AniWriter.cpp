#include "tools/art/AniWriter.h"

#include "tools/art/ByteWriter.h"
#include "tools/art/IconWriter.h"

#include <stdexcept>

namespace tavrin::art {

namespace {

constexpr std::uint32_t kIconFrames = 0x1; // AF_ICON: frames are .cur/.ico data
constexpr std::uint32_t kSequenced = 0x2;  // AF_SEQUENCE: a "seq " chunk is present

void Chunk(ByteWriter& out, const char (&tag)[5], const QByteArray& body)
{
    out.Tag(tag);
    out.U32(static_cast<std::uint32_t>(body.size()));
    out.Bytes(body);
    if (body.size() % 2 != 0)
        out.U8(0);
}

QByteArray DwordTable(const std::vector<int>& values)
{
    ByteWriter table;
    for (int value : values)
        table.U32(static_cast<std::uint32_t>(value));
    return table.Data();
}

} // namespace

QByteArray EncodeAni(const AnimatedCursor& cursor)
{
    if (cursor.frames.empty() || cursor.sequence.size() != cursor.rates.size())
        throw std::invalid_argument("animated cursor needs frames and one rate per step");

    ByteWriter header;
    header.U32(36);
    header.U32(static_cast<std::uint32_t>(cursor.frames.size()));
    header.U32(static_cast<std::uint32_t>(cursor.sequence.size()));
    header.U32(static_cast<std::uint32_t>(cursor.frames.front().Width()));
    header.U32(static_cast<std::uint32_t>(cursor.frames.front().Height()));
    header.U32(32);
    header.U32(1);
    header.U32(static_cast<std::uint32_t>(cursor.rates.front()));
    header.U32(kIconFrames | kSequenced);

    ByteWriter frames;
    frames.Tag("fram");
    for (const Canvas& frame : cursor.frames)
        Chunk(frames, "icon", EncodeCur(frame, cursor.hotspotX, cursor.hotspotY));

    ByteWriter form;
    form.Tag("ACON");
    Chunk(form, "anih", header.Data());
    Chunk(form, "rate", DwordTable(cursor.rates));
    Chunk(form, "seq ", DwordTable(cursor.sequence));
    Chunk(form, "LIST", frames.Data());

    ByteWriter file;
    Chunk(file, "RIFF", form.Data());
    return file.Data();
}

} // namespace tavrin::art
