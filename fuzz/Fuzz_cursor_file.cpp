// Cursor files (.cur, .ico, .ani) from arbitrary bytes.
#include "platform/CursorFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<tavrin::CursorFile> cursor = tavrin::ParseCursorFile(data, size);
    if (!cursor)
        return 0;
    // Whatever comes out must be safe to show.
    if (cursor->frames.empty() || cursor->sequence.empty() || cursor->sequence.size() != cursor->jiffies.size())
        std::abort();
    for (const int frame : cursor->sequence) {
        if (frame < 0 || std::size_t(frame) >= cursor->frames.size())
            std::abort();
    }
    for (const int jiffies : cursor->jiffies) {
        if (jiffies < 1 || jiffies > tavrin::MaxCursorJiffies)
            std::abort();
    }
    for (const tavrin::CursorFrame &frame : cursor->frames) {
        if (frame.width < 1 || frame.width > tavrin::MaxCursorSide || frame.height < 1 ||
            frame.height > tavrin::MaxCursorSide || frame.hotspotX < 0 || frame.hotspotX >= frame.width ||
            frame.hotspotY < 0 || frame.hotspotY >= frame.height)
            std::abort();
        if (!frame.IsPng() && frame.image.pixels.size() != std::size_t(frame.width) * std::size_t(frame.height))
            std::abort();
    }
    return 0;
}
