// SPDX-License-Identifier: MIT
#include "window/table_layout.h"

int32_t pointInRect(int32_t x, int32_t y, const RECT& rect) {
    return (rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom) ? 1 : 0;
}
