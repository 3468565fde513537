#pragma once

// Little-endian integers read from a byte buffer; the caller has checked
// that the bytes are there.

#include <cstdint>

namespace tavrin {

inline std::uint16_t ReadU16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

inline std::uint32_t ReadU32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

inline std::int32_t ReadI32(const std::uint8_t *p)
{
    return static_cast<std::int32_t>(ReadU32(p));
}

} // namespace tavrin
