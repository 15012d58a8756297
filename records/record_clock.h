// SPDX-License-Identifier: MIT
// The local date and time a game record gives its deal.
#pragma once

#include <string>

struct RecordClock {
    std::string date;  // 2026.12.06
    std::string time;  // 15:28:42
    std::string month; // 2026-12: the name of the month's record file
};

RecordClock readRecordClock();
