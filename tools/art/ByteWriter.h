#pragma once

// Appends little-endian integers and raw bytes, the layout of every
// Windows file format the artwork is written in.

#include <QByteArray>

#include <cstdint>

namespace tavrin::art {

class ByteWriter {
public:
    void U8(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void U16(std::uint16_t value)
    {
        U8(static_cast<std::uint8_t>(value & 0xFF));
        U8(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value)
    {
        U16(static_cast<std::uint16_t>(value & 0xFFFF));
        U16(static_cast<std::uint16_t>(value >> 16));
    }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Bytes(const QByteArray& data) { bytes_.append(data); }
    // A four-character code such as "RIFF".
    void Tag(const char (&tag)[5]) { bytes_.append(tag, 4); }

    int Size() const { return static_cast<int>(bytes_.size()); }
    const QByteArray& Data() const { return bytes_; }

private:
    QByteArray bytes_;
};

} // namespace tavrin::art
