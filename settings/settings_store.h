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

uint32_t getGameType();
void setGameType(uint32_t value);
uint32_t getCardBack();
void setCardBack(uint32_t value);
uint32_t getTableColour();
void setTableColour(uint32_t value);
uint32_t getDoubleTapPlays();
void setDoubleTapPlays(uint32_t value);
uint32_t getShowTalonCount();
void setShowTalonCount(uint32_t value);
uint32_t getComputerHandStyle();
void setComputerHandStyle(uint32_t value);
uint32_t getComputerWins();
void setComputerWins(uint32_t value);
uint32_t getHumanWins();
void setHumanWins(uint32_t value);

// Start-up reads, in order: "blackbg", "back", "statc", "statu", "wc", "cidc".
void ReadStartupSettings();
// "type" into gameType, and transferVariant from it.
void ReadGameTypeSetting();
// Back to the values before any read (tests).
void resetSettingValues();
