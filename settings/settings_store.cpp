#include "settings/settings_store.h"

#include "game/end_of_game.h"
#include "game/game_state.h"
#include "platform/registry_api.h"

int32_t cardBackIndex = 0;
int32_t tableColourIndex = 0;
int32_t doubleTapPlays = 0;
int32_t showTalonCount = 0;
int32_t computerHandStyle = 4;

static const LPCWSTR settingsKey = u"Software\\qm\\tlx";

uint32_t ReadSetting(LPCWSTR name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, settingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = 4;
    LSTATUS status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    // A value of another type, or of another size, is as good as absent.
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != 4) {
        return 0;
    }
    return value;
}

LONG WriteSetting(LPCWSTR name, uint32_t value) {
    HKEY key = nullptr;
    WCHAR emptyClass[] = u"";
    DWORD disposition = 0;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, settingsKey, 0, emptyClass, 0,
                                     KEY_ALL_ACCESS, nullptr, &key, &disposition);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    DWORD stored = value;
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), 4);
    return RegCloseKey(key);
}

uint32_t getGameType() {
    return ReadSetting(u"type");
}
void setGameType(uint32_t value) {
    WriteSetting(u"type", value);
}
uint32_t getCardBack() {
    return ReadSetting(u"back");
}
void setCardBack(uint32_t value) {
    WriteSetting(u"back", value);
}
uint32_t getTableColour() {
    return ReadSetting(u"blackbg");
}
void setTableColour(uint32_t value) {
    WriteSetting(u"blackbg", value);
}
uint32_t getDoubleTapPlays() {
    return ReadSetting(u"wc");
}
void setDoubleTapPlays(uint32_t value) {
    WriteSetting(u"wc", value);
}
uint32_t getShowTalonCount() {
    return ReadSetting(u"cidc");
}
void setShowTalonCount(uint32_t value) {
    WriteSetting(u"cidc", value);
}
uint32_t getComputerHandStyle() {
    return ReadSetting(u"hidev");
}
void setComputerHandStyle(uint32_t value) {
    WriteSetting(u"hidev", value);
}
uint32_t getComputerWins() {
    return ReadSetting(u"statc");
}
void setComputerWins(uint32_t value) {
    WriteSetting(u"statc", value);
}
uint32_t getHumanWins() {
    return ReadSetting(u"statu");
}
void setHumanWins(uint32_t value) {
    WriteSetting(u"statu", value);
}

// A stored "hidev" of 5 stacks the computer's hand from the first deal;
// anything else, or nothing, fans it.
void ReadStartupSettings() {
    tableColourIndex = static_cast<int32_t>(getTableColour());
    cardBackIndex = static_cast<int32_t>(getCardBack());
    computerWins = getComputerWins();
    humanWins = getHumanWins();
    doubleTapPlays = static_cast<int32_t>(getDoubleTapPlays());
    showTalonCount = static_cast<int32_t>(getShowTalonCount());
    computerHandStyle = getComputerHandStyle() == 5 ? 5 : 4;
}

void ReadGameTypeSetting() {
    gameType = static_cast<int32_t>(getGameType());
    transferVariant = transferVariantFor(gameType);
}

// The game type itself is reset with the rest of the game state.
void resetSettingValues() {
    cardBackIndex = 0;
    tableColourIndex = 0;
    doubleTapPlays = 0;
    showTalonCount = 0;
    computerHandStyle = 4;
    computerWins = 0;
    humanWins = 0;
}
