// SPDX-License-Identifier: MIT
#include "platform/commandbar/bar_paint.h"

namespace platform::commandbar {

void edgeFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    if (rect.right - rect.left < 2 || rect.bottom - rect.top < 2) {
        return;
    }
    fillWithColour(dc, RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    fillWithColour(dc, RECT{rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, topLeft);
    fillWithColour(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    fillWithColour(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom - 1}, bottomRight);
}

} // namespace platform::commandbar
