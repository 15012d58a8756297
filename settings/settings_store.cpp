#include "settings/settings_store.h"

#include "platform/registry/dword_values.h"
#include "platform/registry/registry_store.h"
#include "platform/registry_api.h"
#include "platform/resource_api.h"
#include "platform/runtime.h"

int32_t cardBackIndex = 0;
int32_t tableColourIndex = 0;
int32_t doubleTapPlays = 0;
int32_t showTalonCount = 0;
int32_t computerHandStyle = 4;
int32_t interfaceLanguage = 0;
uint32_t computerWins = 0;
uint32_t humanWins = 0;

static const LPCWSTR settingsKey = u"Software\\qm\\tlx";

uint32_t ReadSetting(LPCWSTR name) {
    return platform::readDwordValue(settingsKey, name).value_or(0);
}

LONG WriteSetting(LPCWSTR name, uint32_t value) {
    return platform::writeDwordValue(settingsKey, name, value);
}

uint32_t storedGameType() {
    return ReadSetting(u"type");
}
void storeGameType(uint32_t value) {
    WriteSetting(u"type", value);
}
uint32_t storedCardBack() {
    return ReadSetting(u"back");
}
void storeCardBack(uint32_t value) {
    WriteSetting(u"back", value);
}
uint32_t storedTableColour() {
    return ReadSetting(u"blackbg");
}
void storeTableColour(uint32_t value) {
    WriteSetting(u"blackbg", value);
}
uint32_t storedDoubleTapPlays() {
    return ReadSetting(u"wc");
}
void storeDoubleTapPlays(uint32_t value) {
    WriteSetting(u"wc", value);
}
uint32_t storedShowTalonCount() {
    return ReadSetting(u"cidc");
}
void storeShowTalonCount(uint32_t value) {
    WriteSetting(u"cidc", value);
}
uint32_t storedComputerHandStyle() {
    return ReadSetting(u"hidev");
}
void storeComputerHandStyle(uint32_t value) {
    WriteSetting(u"hidev", value);
}
uint32_t storedComputerWins() {
    return ReadSetting(u"statc");
}
void storeComputerWins(uint32_t value) {
    WriteSetting(u"statc", value);
}
uint32_t storedHumanWins() {
    return ReadSetting(u"statu");
}
void storeHumanWins(uint32_t value) {
    WriteSetting(u"statu", value);
}

namespace {

// Another instance may have counted wins in the same file since this one
// last looked: the count goes on from what the file holds, and the caller's
// count follows it. Wins the file could not take are kept for its next write.
uint32_t countWin(LPCWSTR name, uint32_t counted) {
    return platform::countDwordUp(settingsKey, name, counted);
}

} // namespace

uint32_t addComputerWin(uint32_t counted) {
    return countWin(u"statc", counted);
}
uint32_t addHumanWin(uint32_t counted) {
    return countWin(u"statu", counted);
}

// A stored "hidev" of 5 stacks the computer's hand from the first deal;
// anything else, or nothing, fans it.
void ReadStartupSettings() {
    tableColourIndex = static_cast<int32_t>(storedTableColour());
    cardBackIndex = static_cast<int32_t>(storedCardBack());
    computerWins = storedComputerWins();
    humanWins = storedHumanWins();
    doubleTapPlays = static_cast<int32_t>(storedDoubleTapPlays());
    showTalonCount = static_cast<int32_t>(storedShowTalonCount());
    computerHandStyle = storedComputerHandStyle() == 5 ? 5 : 4;
}

void ChooseInterfaceLanguage() {
    const WORD asked = RequestedUILanguage();
    if (asked != 0) {
        interfaceLanguage = asked == LANG_ENGLISH ? 1 : 0;
        WriteSetting(u"lang", static_cast<uint32_t>(interfaceLanguage));
    } else {
        interfaceLanguage = ReadSetting(u"lang") == 1 ? 1 : 0;
    }
    SetThreadUILanguage(
        MAKELANGID(interfaceLanguage == 1 ? LANG_ENGLISH : LANG_RUSSIAN, SUBLANG_DEFAULT));
}

// The game type itself is reset with the rest of the game state.
void resetSettingValues() {
    cardBackIndex = 0;
    tableColourIndex = 0;
    doubleTapPlays = 0;
    showTalonCount = 0;
    computerHandStyle = 4;
    interfaceLanguage = 0;
    computerWins = 0;
    humanWins = 0;
}
