// SPDX-License-Identifier: MIT
#include "platform/raster/surface.h"

namespace platform {

// Surfaces keep red in the high byte, colour references keep it in the low
// byte; the two swap red and blue.
uint32_t pixelFromColorref(COLORREF colour) {
    return ((colour & 0x0000FFu) << 16) | (colour & 0x00FF00u) | ((colour >> 16) & 0x0000FFu);
}

COLORREF colorrefFromPixel(uint32_t pixel) {
    return ((pixel & 0x0000FFu) << 16) | (pixel & 0x00FF00u) | ((pixel >> 16) & 0x0000FFu);
}

} // namespace platform
