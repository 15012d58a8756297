// SPDX-License-Identifier: MIT
// Options and win counts kept between runs, as REG_DWORD values under the
// program's settings key. Each call opens and closes the key; nothing is
// cached. What a missing or out-of-range value reads as is its row's
// business; a failed write is ignored by every caller but the win counts.
#pragma once

#include <cstdint>

#include "platform/registry/stored_values.h"
#include "platform/win_types.h"
#include "resources/language.h"

// Every stored value is read and written by its row, through
// platform::readStoredValue and platform::writeStoredValue.
using resources::Language;
using resources::StoredValue;

// The program-wide mirrors of the stored options. Stored values are used
// unchanged: readers of the tables guard their own indexes.
extern int32_t cardBackIndex;      // "back"
extern int32_t tableColourIndex;   // "blackbg"
extern int32_t doubleTapPlays;     // "wc"
extern int32_t showTalonCount;     // "cidc"
extern int32_t computerHandStyle;  // "hidev", 4 fanned or 5 stacked; read at start-up
extern Language interfaceLanguage; // "lang", our own
extern uint32_t computerWins;      // "statc"
extern uint32_t humanWins;         // "statu"

// One more win on "statc" / "statu", counted on from the stored value under
// the settings lock (another instance may share the file). Returns the new
// count: the stored one, or `counted` + 1 when the file cannot be written
// (the win is then saved with the next write that succeeds). Counts stop at
// 4294967295.
uint32_t addComputerWin(uint32_t counted);
uint32_t addHumanWin(uint32_t counted);

// Start-up reads, in order: "blackbg", "back", "statc", "statu", "wc", "cidc".
void ReadStartupSettings();
// The interface language: the one asked for on the command line, which is
// then stored, or else the stored one; anything but 1 means Russian. Sets
// the language resources are loaded in.
void ChooseInterfaceLanguage();
// Back to the values before any read (tests).
void resetSettingValues();
