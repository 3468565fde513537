#pragma once

// Windows cursor files: static cursors and icons (.cur/.ico, with bitmap or
// PNG images) and animated cursors (.ani, a RIFF "ACON" file of icon
// frames with display rates and a step sequence). The kind is told by the
// content, not by the file name. Hostile or damaged files give no cursor.

#include "platform/Raster.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavrin {

struct CursorFrame {
    // A bitmap frame decoded here, with its AND mask turned into alpha.
    Raster image;
    // A PNG frame kept as it was stored (image is empty then); whoever shows
    // the cursor decodes it.
    std::vector<std::uint8_t> png;
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;

    bool IsPng() const { return !png.empty(); }
};

struct CursorFile {
    std::vector<CursorFrame> frames;
    // Step i shows frames[sequence[i]] for jiffies[i] sixtieths of a second.
    // A static cursor has one step.
    std::vector<int> sequence;
    std::vector<int> jiffies;

    bool IsAnimated() const { return sequence.size() > 1; }
};

// Limits on what a cursor file may declare.
constexpr int MaxCursorSide = 256;
constexpr std::uint32_t MaxCursorFrames = 1024;
constexpr std::uint32_t MaxCursorSteps = 4096;
constexpr int MaxCursorJiffies = 60 * 60;

// The cursor in the bytes, or nothing.
std::optional<CursorFile> ParseCursorFile(const std::uint8_t *data, std::size_t size);

// The cursor in the file, or nothing when it is missing, unreadable or not
// a cursor. Never throws.
std::optional<CursorFile> LoadCursorFile(const QString &path);

} // namespace tavrin
