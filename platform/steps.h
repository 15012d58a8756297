// SPDX-License-Identifier: MIT
// Steps of a move shown one at a time: the program, in the middle of a
// request, asks for the screen as it is now to be shown for a moment. No
// timer and no thread: the request waits in place, and input ends the wait.
#pragma once

#include <cstdint>

namespace platform {

// Paints what is waiting to be painted and shows the screen, then waits up
// to `ms` milliseconds unless input comes. Does nothing when the screen has
// not changed since it was last shown, when `ms` is 0, where nobody watches
// (the headless run), and once input has come during this request: then the
// request goes on to its end at once, the final screen is shown as always,
// and the input is handled after it.
void presentStep(uint32_t ms);

} // namespace platform
