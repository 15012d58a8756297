// SPDX-License-Identifier: MIT
// The browser build writes no screenshots: the page's canvas is the screen.
#include "platform/raster/surface.h"

namespace platform {

bool writePng(const Surface& /*surface*/, const std::string& /*path*/, PngPacking /*packing*/) {
    return false;
}

} // namespace platform
