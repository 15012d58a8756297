// SPDX-License-Identifier: MIT
#include "platform/picture_view.h"

#include <algorithm>

#include "platform/screen.h"

namespace platform {

int fittingScale(int width, int height) {
    return std::clamp(std::min(width / SCREEN_WIDTH, height / SCREEN_HEIGHT), 1, MAX_SCALE);
}

View viewFor(int width, int height) {
    View view;
    view.scale = fittingScale(width, height);
    view.left = (width - SCREEN_WIDTH * view.scale) / 2;
    view.top = (height - SCREEN_HEIGHT * view.scale) / 2;
    return view;
}

} // namespace platform
