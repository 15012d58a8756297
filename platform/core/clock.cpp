// SPDX-License-Identifier: MIT
// The UTC clock, or the fixed time of day a run was started with.
#include <chrono>

#include "platform/core/clock.h"
#include "platform/core/core_state.h"

void GetSystemTime(SYSTEMTIME* time) {
    if (time == nullptr) {
        return;
    }
    auto& state = platform::core();
    if (state.fixedClock) {
        *time = *state.fixedClock;
        return;
    }
    using namespace std::chrono;
    auto now = system_clock::now();
    auto day = floor<days>(now);
    year_month_day date{day};
    hh_mm_ss<milliseconds> clock{duration_cast<milliseconds>(now - day)};
    *time = SYSTEMTIME{};
    time->wYear = static_cast<WORD>(static_cast<int>(date.year()));
    time->wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    time->wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    time->wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());
    time->wHour = static_cast<WORD>(clock.hours().count());
    time->wMinute = static_cast<WORD>(clock.minutes().count());
    time->wSecond = static_cast<WORD>(clock.seconds().count());
    time->wMilliseconds = static_cast<WORD>(clock.subseconds().count());
}

namespace platform {

void setFixedClock(int hour, int minute, int second, int millisecond) {
    SYSTEMTIME time{};
    time.wYear = 2000;
    time.wMonth = 1;
    time.wDay = 1;
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    time.wMilliseconds = static_cast<WORD>(millisecond);
    core().fixedClock = time;
}

} // namespace platform
