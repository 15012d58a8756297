// SPDX-License-Identifier: MIT
// Where the 240 x 320 screen lies in a window of any size: the largest whole
// scale that fits, centred. Shared by the window backends (SDL2, Win32).
#pragma once

namespace platform {

constexpr int MAX_SCALE = 8;

struct View {
    int scale = 1;
    int left = 0;
    int top = 0;
};

// The largest whole scale whose picture fits, 1 to MAX_SCALE.
int fittingScale(int width, int height);
View viewFor(int width, int height);

} // namespace platform
