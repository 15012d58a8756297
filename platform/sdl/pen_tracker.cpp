// SPDX-License-Identifier: MIT
#include "platform/sdl/pen_tracker.h"

#include <algorithm>
#include <cstdlib>

namespace platform::sdl {

PenTracker::PenTracker(int32_t scale, int32_t screenWidth, int32_t screenHeight)
    : scale_(std::max(1, scale)), width_(std::max(1, screenWidth)),
      height_(std::max(1, screenHeight)) {}

void PenTracker::setView(int32_t scale, int32_t left, int32_t top) {
    scale_ = std::max(1, scale);
    left_ = left;
    top_ = top;
}

bool PenTracker::onPicture(int32_t x, int32_t y) const {
    int64_t dx = int64_t{x} - left_;
    int64_t dy = int64_t{y} - top_;
    return dx >= 0 && dy >= 0 && dx < int64_t{width_} * scale_ && dy < int64_t{height_} * scale_;
}

std::optional<InputEvent> PenTracker::hold(int32_t x, int32_t y) const {
    if (!onPicture(x, y)) {
        return std::nullopt;
    }
    return at(InputEvent::Type::PenHold, x, y);
}

InputEvent PenTracker::at(InputEvent::Type type, int32_t x, int32_t y) const {
    InputEvent event;
    event.type = type;
    x -= left_;
    y -= top_;
    // Floor division: a point just left of or above the window stays off
    // the first pixel rather than rounding onto it, and is then clamped.
    auto down = [this](int32_t value) {
        return value >= 0 ? value / scale_ : -((-value + scale_ - 1) / scale_);
    };
    event.x = std::clamp(down(x), 0, width_ - 1);
    event.y = std::clamp(down(y), 0, height_ - 1);
    return event;
}

std::optional<InputEvent> PenTracker::press(int32_t x, int32_t y, uint32_t timeMs) {
    if (!onPicture(x, y)) {
        return std::nullopt;
    }
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
    if (!penDown_ && !onPicture(x, y)) {
        if (lastMove_ && lastMove_->x < 0) {
            return std::nullopt;
        }
        std::optional<InputEvent> away = leave();
        lastMove_ = away;
        return away;
    }
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
