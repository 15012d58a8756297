// SPDX-License-Identifier: MIT
// Fixing the clock for reproducible runs.
#pragma once

namespace platform {

void setFixedClock(int hour, int minute, int second, int millisecond);

} // namespace platform
