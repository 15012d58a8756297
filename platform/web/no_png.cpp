// The browser build writes no screenshots and reads no image files: the
// page's canvas is the screen, and the pictures are compiled in.
#include "platform/raster/surface.h"

namespace platform {

bool writePng(const Surface& /*surface*/, const std::string& /*path*/) {
    return false;
}

bool readPng(const std::string& /*path*/, Surface& /*out*/) {
    return false;
}

} // namespace platform
