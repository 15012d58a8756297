// Options and win counts kept between runs, as REG_DWORD values under
// HKEY_CURRENT_USER\Software\qm\tlx. Each call opens and closes the key;
// nothing is cached. A value that cannot be read is 0; a failed write is
// ignored by every caller.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

uint32_t ReadSetting(LPCWSTR name);
LONG WriteSetting(LPCWSTR name, uint32_t value);

// The program-wide mirrors of the stored options. Stored values are used
// unchanged: readers of the tables guard their own indexes.
extern int32_t cardBackIndex;     // "back"
extern int32_t tableColourIndex;  // "blackbg"
extern int32_t doubleTapPlays;    // "wc"
extern int32_t showTalonCount;    // "cidc"
extern int32_t computerHandStyle; // "hidev", 4 fanned or 5 stacked; read at start-up
extern int32_t interfaceLanguage; // "lang", our own: 0 Russian, 1 English
extern uint32_t computerWins;     // "statc"
extern uint32_t humanWins;        // "statu"

// One stored value each, read from or written to the file; the mirrors above
// are left as they are.
uint32_t storedGameType();
void storeGameType(uint32_t value);
uint32_t storedCardBack();
void storeCardBack(uint32_t value);
uint32_t storedTableColour();
void storeTableColour(uint32_t value);
uint32_t storedDoubleTapPlays();
void storeDoubleTapPlays(uint32_t value);
uint32_t storedShowTalonCount();
void storeShowTalonCount(uint32_t value);
uint32_t storedComputerHandStyle();
void storeComputerHandStyle(uint32_t value);
uint32_t storedComputerWins();
void storeComputerWins(uint32_t value);
uint32_t storedHumanWins();
void storeHumanWins(uint32_t value);
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
