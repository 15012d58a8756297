// SPDX-License-Identifier: MIT
// A message box shown on the screen and answered by the user.
#pragma once

#include <vector>

#include "platform/backend.h"

namespace platform {

// Runs the box modally over its owner and returns the pressed button.
int runMessageBoxOnScreen(HWND owner, const MessageBoxInfo& box);

// Shows the box's window over its owner without waiting for an answer (a
// picture of the box); DestroyWindow takes it away. Null on failure.
HWND showMessageBoxWindow(HWND owner, const MessageBoxInfo& box);

// The buttons of a box window in screen pixels, with the results they give,
// left to right; empty for a window that is not a message box.
struct MessageBoxButton {
    RECT rect;
    int result;
};
std::vector<MessageBoxButton> messageBoxButtons(HWND box);

} // namespace platform
