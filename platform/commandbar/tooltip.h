// SPDX-License-Identifier: MIT
// The small yellow box that names a command bar button. It is a top-level
// window owned by the bar's window, kept disabled so that it never becomes
// the active window nor takes keys away from the table.
#pragma once

#include <string_view>

#include "platform/win_types.h"

namespace platform::commandbar {

class Tooltip {
  public:
    explicit Tooltip(HWND owner) : owner_(owner) {}
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // Shows text with the box's top-left corner at the screen point, moved
    // left where it would run off the screen. Empty text hides the box.
    void show(std::u16string_view text, POINT at);
    void hide();

  private:
    // The box's window while it exists, or null.
    HWND window() const;

    HWND owner_;
    HWND window_ = nullptr;
};

// The window class of tooltip boxes, registered on first use.
LPCWSTR tooltipClassName();

} // namespace platform::commandbar
