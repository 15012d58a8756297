// SPDX-License-Identifier: MIT
#include "settings/settings_store.h"

#include "platform/registry/stored_values.h"
#include "platform/registry_api.h"
#include "platform/resource_api.h"
#include "platform/runtime.h"

using platform::readStoredValue;
using platform::writeStoredValue;

int32_t cardBackIndex = 0;
int32_t tableColourIndex = 0;
int32_t doubleTapPlays = 0;
int32_t showTalonCount = 0;
int32_t computerHandStyle = 4;
Language interfaceLanguage = Language::Russian;
uint32_t computerWins = 0;
uint32_t humanWins = 0;

// Another instance may have counted wins in the same file since this one
// last looked: the count goes on from what the file holds, and the caller's
// count follows it. Wins the file could not take are kept for its next write.
uint32_t addComputerWin(uint32_t counted) {
    return platform::countStoredValueUp(StoredValue::ComputerWins, counted);
}
uint32_t addHumanWin(uint32_t counted) {
    return platform::countStoredValueUp(StoredValue::HumanWins, counted);
}

// A stored "hidev" of 5 stacks the computer's hand from the first deal;
// anything else, or nothing, fans it (the value's row says so).
void ReadStartupSettings() {
    tableColourIndex = static_cast<int32_t>(readStoredValue(StoredValue::TableColour));
    cardBackIndex = static_cast<int32_t>(readStoredValue(StoredValue::CardBack));
    computerWins = readStoredValue(StoredValue::ComputerWins);
    humanWins = readStoredValue(StoredValue::HumanWins);
    doubleTapPlays = static_cast<int32_t>(readStoredValue(StoredValue::DoubleTapPlays));
    showTalonCount = static_cast<int32_t>(readStoredValue(StoredValue::ShowTalonCount));
    computerHandStyle = static_cast<int32_t>(readStoredValue(StoredValue::ComputerHandStyle));
}

void ChooseInterfaceLanguage() {
    const WORD asked = RequestedUILanguage();
    if (asked != 0) {
        interfaceLanguage = asked == LANG_ENGLISH ? Language::English : Language::Russian;
        writeStoredValue(StoredValue::Language, static_cast<uint32_t>(interfaceLanguage));
    } else {
        interfaceLanguage = static_cast<Language>(readStoredValue(StoredValue::Language));
    }
    SetThreadUILanguage(MAKELANGID(
        interfaceLanguage == Language::English ? LANG_ENGLISH : LANG_RUSSIAN, SUBLANG_DEFAULT));
}

// The game type itself is reset with the rest of the game state.
void resetSettingValues() {
    cardBackIndex = 0;
    tableColourIndex = 0;
    doubleTapPlays = 0;
    showTalonCount = 0;
    computerHandStyle = 4;
    interfaceLanguage = Language::Russian;
    computerWins = 0;
    humanWins = 0;
}
