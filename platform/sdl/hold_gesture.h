// SPDX-License-Identifier: MIT
// The pen held still: after a press, a ring of dots fills in around the pen
// while it stays within a few pixels of where it went down, and once the
// ring is whole the pen has been held (the menu opens there). The press
// itself is kept back meanwhile: a tap acts when the pen lifts or moves
// away, and a hold never reaches what lies under the pen as a press.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/backend.h"
#include "platform/raster/surface.h"

namespace platform::sdl {

class HoldGesture {
  public:
    static constexpr uint32_t HOLD_MS = 500;
    static constexpr int32_t STILL_DISTANCE = 3;
    static constexpr int32_t DOTS = 8;

    // The pen went down (PenDown or PenDoubleTap at screen pixels).
    void press(const InputEvent& down, uint32_t timeMs);
    // The pen moved to screen pixel x, y: too far, and the hold is off; the
    // press kept back then goes first.
    std::optional<InputEvent> move(int32_t x, int32_t y);
    // The pen lifted: the press kept back goes first.
    std::optional<InputEvent> release();

    bool armed() const { return armed_; }
    // How long to wait for input before the picture changes next.
    uint32_t waitMs(uint32_t nowMs) const;
    // PenHold once the ring is whole (the gesture then ends, and the press
    // kept back is dropped), else nothing.
    std::optional<InputEvent> held(uint32_t nowMs);
    // The screen with the ring drawn as far as it has come.
    Surface withRing(const Surface& screen, uint32_t nowMs) const;

  private:
    bool armed_ = false;
    int32_t x_ = 0;
    int32_t y_ = 0;
    uint32_t since_ = 0;
    std::optional<InputEvent> down_;
};

} // namespace platform::sdl
