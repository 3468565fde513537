#pragma once

// The eight 24 x 24 stock pictures of entries, transparent around the
// drawing, in the order the bar picks them by position.

#include "tools/art/Canvas.h"

#include <vector>

namespace tavrin::art {

Canvas WebBrowserPicture();    // 0: blue "e" with a yellow ring
Canvas FolderPicture();        // 1: yellow folder
Canvas ComputerPicture();      // 2: flat monitor
Canvas ControlPanelPicture();  // 3: window with a pie chart
Canvas DocumentsPicture();     // 4: sheet with a picture and text
Canvas PrintersPicture();      // 5: printer
Canvas NetworkPicture();       // 6: monitor with a globe
Canvas RecycleBinPicture();    // 7: translucent bin with three arrows

std::vector<Canvas> StockPictures();

} // namespace tavrin::art
