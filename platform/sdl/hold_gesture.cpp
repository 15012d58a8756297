// SPDX-License-Identifier: MIT
#include "platform/sdl/hold_gesture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace platform::sdl {

namespace {

constexpr uint32_t stepMs = HoldGesture::HOLD_MS / HoldGesture::DOTS;
constexpr double ringRadius = 12.0;

} // namespace

void HoldGesture::press(const InputEvent& down, uint32_t timeMs) {
    armed_ = true;
    x_ = down.x;
    y_ = down.y;
    since_ = timeMs;
    down_ = down;
}

std::optional<InputEvent> HoldGesture::move(int32_t x, int32_t y) {
    if (std::abs(x - x_) > STILL_DISTANCE || std::abs(y - y_) > STILL_DISTANCE) {
        armed_ = false;
        return std::exchange(down_, std::nullopt);
    }
    return std::nullopt;
}

std::optional<InputEvent> HoldGesture::release() {
    armed_ = false;
    return std::exchange(down_, std::nullopt);
}

uint32_t HoldGesture::waitMs(uint32_t nowMs) const {
    const uint32_t gone = nowMs - since_;
    return gone >= HOLD_MS ? 0 : std::min(stepMs - gone % stepMs, HOLD_MS - gone);
}

std::optional<InputEvent> HoldGesture::held(uint32_t nowMs) {
    if (!armed_ || nowMs - since_ < HOLD_MS) {
        return std::nullopt;
    }
    armed_ = false;
    down_.reset();
    InputEvent event;
    event.type = InputEvent::Type::PenHold;
    event.x = x_;
    event.y = y_;
    return event;
}

// Dots of two by two pixels in black with a white pixel of light, one more
// every eighth of the time.
Surface HoldGesture::withRing(const Surface& screen, uint32_t nowMs) const {
    Surface ring = screen;
    const auto dots = static_cast<int32_t>(std::min<uint32_t>((nowMs - since_) / stepMs, DOTS));
    for (int32_t i = 0; i < dots; ++i) {
        const double angle = -M_PI / 2 + 2 * M_PI * i / DOTS;
        const auto cx = static_cast<int32_t>(std::lround(x_ + ringRadius * std::cos(angle)));
        const auto cy = static_cast<int32_t>(std::lround(y_ + ringRadius * std::sin(angle)));
        for (int32_t dy = 0; dy < 2; ++dy) {
            for (int32_t dx = 0; dx < 2; ++dx) {
                const int32_t px = cx + dx;
                const int32_t py = cy + dy;
                if (px >= 0 && py >= 0 && px < ring.width && py < ring.height) {
                    ring.pixels[static_cast<size_t>(py * ring.width + px)] =
                        dx + dy == 0 ? 0xFFFFFF : 0x000000;
                }
            }
        }
    }
    return ring;
}

} // namespace platform::sdl
