// A message box shown on the screen and answered by the user.
#pragma once

#include "platform/backend.h"

namespace platform {

// Runs the box modally over its owner and returns the pressed button.
int runMessageBoxOnScreen(HWND owner, const MessageBoxInfo& box);

} // namespace platform
