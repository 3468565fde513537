#pragma once

// Animated cursor files: RIFF form "ACON" with the "anih" header, the
// "rate" and "seq " tables and a "LIST" "fram" of "icon" chunks, each a
// complete .cur file.

#include "tools/art/Canvas.h"

#include <QByteArray>

#include <vector>

namespace tavrin::art {

struct AnimatedCursor {
    std::vector<Canvas> frames;  // all of the same size
    int hotspotX = 0;
    int hotspotY = 0;
    std::vector<int> sequence;   // frame index shown at each step
    std::vector<int> rates;      // duration of each step in 1/60 s
};

QByteArray EncodeAni(const AnimatedCursor& cursor);

} // namespace tavrin::art
