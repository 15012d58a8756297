#include <algorithm>

#include "platform/win32/native_window.h"

namespace platform::win32 {
namespace {

constexpr int PICTURE_WIDTH = 240;
constexpr int PICTURE_HEIGHT = 320;

} // namespace

int fittingScale(int width, int height) {
    return std::clamp(std::min(width / PICTURE_WIDTH, height / PICTURE_HEIGHT), 1, MAX_SCALE);
}

View viewFor(int width, int height) {
    View view;
    view.scale = fittingScale(width, height);
    view.left = (width - PICTURE_WIDTH * view.scale) / 2;
    view.top = (height - PICTURE_HEIGHT * view.scale) / 2;
    return view;
}

} // namespace platform::win32
