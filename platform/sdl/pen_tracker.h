// SPDX-License-Identifier: MIT
// The mouse as a pen: desktop window coordinates taken back through the
// picture's placement (whole scale, offset of the centred picture) to screen
// pixels, a quick second press at the same place turned into a double tap,
// and moves that land on the same screen pixel dropped.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/backend.h"

namespace platform::sdl {

class PenTracker {
  public:
    // A second press within this time and distance of the first is a
    // double tap.
    static constexpr uint32_t DOUBLE_TAP_MS = 500;
    static constexpr int32_t DOUBLE_TAP_DISTANCE = 2;

    PenTracker(int32_t scale, int32_t screenWidth, int32_t screenHeight);

    // Where the picture lies in the window: its top-left corner, and how
    // many window pixels a screen pixel spans.
    void setView(int32_t scale, int32_t left, int32_t top);

    // A press at window coordinates x, y at a time in milliseconds:
    // PenDown, or PenDoubleTap for the second press of a quick pair; nothing
    // for a press outside the picture.
    std::optional<InputEvent> press(int32_t x, int32_t y, uint32_t timeMs);
    // Clamped to the screen: the pen may be dragged off the picture.
    InputEvent release(int32_t x, int32_t y);
    // PenMove, or nothing when the pen is still over the same pixel. With the
    // pen up, a move off the picture is one move off the screen, as leave().
    std::optional<InputEvent> move(int32_t x, int32_t y);
    // The pointer left the window: a move off the screen, so that whoever
    // follows the hovering pointer lets go. Nothing while the pen is down.
    std::optional<InputEvent> leave();
    // The right button pressed at x, y: the pen held there (PenHold), or
    // nothing off the picture.
    std::optional<InputEvent> hold(int32_t x, int32_t y) const;
    // The wheel turned by lines (positive away from the user) over x, y.
    InputEvent wheel(int32_t x, int32_t y, int32_t lines) const;

    bool penDown() const { return penDown_; }

  private:
    InputEvent at(InputEvent::Type type, int32_t x, int32_t y) const;
    bool onPicture(int32_t x, int32_t y) const;

    int32_t scale_;
    int32_t left_ = 0;
    int32_t top_ = 0;
    int32_t width_;
    int32_t height_;
    bool penDown_ = false;
    // The press a next press may pair with; cleared once it has paired.
    std::optional<InputEvent> firstPress_;
    uint32_t firstPressTime_ = 0;
    std::optional<InputEvent> lastMove_;
};

} // namespace platform::sdl
