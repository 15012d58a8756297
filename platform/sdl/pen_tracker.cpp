#include "platform/sdl/pen_tracker.h"

#include <algorithm>
#include <cstdlib>

namespace platform::sdl {

PenTracker::PenTracker(int32_t scale, int32_t screenWidth, int32_t screenHeight)
    : scale_(std::max(1, scale)), width_(std::max(1, screenWidth)),
      height_(std::max(1, screenHeight)) {}

InputEvent PenTracker::at(InputEvent::Type type, int32_t x, int32_t y) const {
    InputEvent event;
    event.type = type;
    // Floor division: a point just left of or above the window stays off
    // the first pixel rather than rounding onto it, and is then clamped.
    auto down = [this](int32_t value) {
        return value >= 0 ? value / scale_ : -((-value + scale_ - 1) / scale_);
    };
    event.x = std::clamp(down(x), 0, width_ - 1);
    event.y = std::clamp(down(y), 0, height_ - 1);
    return event;
}

InputEvent PenTracker::press(int32_t x, int32_t y, uint32_t timeMs) {
    InputEvent event = at(InputEvent::Type::PenDown, x, y);
    penDown_ = true;
    lastMove_.reset();
    // Unsigned subtraction keeps working when the millisecond counter wraps.
    bool quick = firstPress_ && timeMs - firstPressTime_ <= DOUBLE_TAP_MS;
    bool near = firstPress_ && std::abs(event.x - firstPress_->x) <= DOUBLE_TAP_DISTANCE &&
                std::abs(event.y - firstPress_->y) <= DOUBLE_TAP_DISTANCE;
    if (quick && near) {
        firstPress_.reset();
        event.type = InputEvent::Type::PenDoubleTap;
        return event;
    }
    firstPress_ = event;
    firstPressTime_ = timeMs;
    return event;
}

InputEvent PenTracker::release(int32_t x, int32_t y) {
    penDown_ = false;
    lastMove_.reset();
    return at(InputEvent::Type::PenUp, x, y);
}

std::optional<InputEvent> PenTracker::move(int32_t x, int32_t y) {
    InputEvent event = at(InputEvent::Type::PenMove, x, y);
    if (lastMove_ && lastMove_->x == event.x && lastMove_->y == event.y) {
        return std::nullopt;
    }
    lastMove_ = event;
    return event;
}

std::optional<InputEvent> PenTracker::leave() {
    if (penDown_) {
        return std::nullopt;
    }
    InputEvent event;
    event.type = InputEvent::Type::PenMove;
    event.x = -1;
    event.y = -1;
    lastMove_.reset();
    return event;
}

InputEvent PenTracker::wheel(int32_t x, int32_t y, int32_t lines) const {
    InputEvent event = at(InputEvent::Type::Wheel, x, y);
    event.value = lines;
    return event;
}

} // namespace platform::sdl
