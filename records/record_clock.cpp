// SPDX-License-Identifier: MIT
#include "records/record_clock.h"

#include <array>
#include <ctime>

RecordClock readRecordClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    std::array<char, 32> text{};
    RecordClock clock;
    std::strftime(text.data(), text.size(), "%Y.%m.%d", &local);
    clock.date = text.data();
    std::strftime(text.data(), text.size(), "%H:%M:%S", &local);
    clock.time = text.data();
    std::strftime(text.data(), text.size(), "%Y-%m", &local);
    clock.month = text.data();
    return clock;
}
