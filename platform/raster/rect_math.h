// SPDX-License-Identifier: MIT
// Rectangles from positions and sizes that may lie anywhere in 32 bits.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/win_types.h"

namespace platform::raster {

inline LONG clampToLong(int64_t value) {
    return static_cast<LONG>(std::clamp<int64_t>(value, std::numeric_limits<LONG>::min(),
                                                 std::numeric_limits<LONG>::max()));
}

inline RECT rectFromSize(int64_t x, int64_t y, int64_t width, int64_t height) {
    return RECT{clampToLong(x), clampToLong(y), clampToLong(x + width), clampToLong(y + height)};
}

} // namespace platform::raster
