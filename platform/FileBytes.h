#pragma once

// Reading a whole file into memory for the decoders.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tavrin {

// The file's bytes, or nothing when it cannot be opened or read, is not a
// regular file, or is larger than maxBytes.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const QString &path, std::int64_t maxBytes);

} // namespace tavrin
