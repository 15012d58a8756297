// SPDX-License-Identifier: MIT
// The numbers the program keeps between runs: one key of the settings
// store, one row per value. The handheld's own values are kept as they are
// read (the tables that use them guard their own indexes); ours are brought
// back into their range.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

namespace resources {

// Every value lives under this key of HKEY_CURRENT_USER.
inline constexpr LPCWSTR SETTINGS_KEY = u"Software\\qm\\tlx";

enum class StoredValue {
    GameType,          // "type": the variant of the next game
    CardBack,          // "back"
    TableColour,       // "blackbg"
    DoubleTapPlays,    // "wc"
    ShowTalonCount,    // "cidc"
    ComputerHandStyle, // "hidev": 4 fanned, 5 stacked
    ComputerWins,      // "statc"
    HumanWins,         // "statu"
    Language,          // "lang", ours: 0 Russian, 1 English
    Scale,             // "scale", ours: the desktop window's last whole scale
    Opponent,          // "opponent", ours: 0 the handheld's player, 1 beginner, 2 expert
    Pace,              // "pace", ours: the computer's steps, 0 at once, 1 normal, 2 slow
};

struct StoredValueRow {
    LPCWSTR name;
    uint32_t missing; // read when the file holds no such value
    uint32_t lowest;  // the range a stored value is taken from as it is
    uint32_t highest;
    uint32_t outOfRange; // read instead of a value outside the range
};

const StoredValueRow& storedValueRow(StoredValue value);

} // namespace resources
