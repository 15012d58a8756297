#include "game/game_state.h"

#include "platform/messages.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "window/main_window.h"
#include "window/texts.h"

int32_t gameType = 0;
int32_t transferVariant = 0;

int32_t computerAttacks = 0;
int32_t transferOpen = 1;
int32_t computerLed = 0;
int32_t lastWinner = -1;
int32_t computerHandAtLead = 0;
int32_t humanHandAtLead = 0;
int32_t throwInAllowance = -1;

LPCWSTR gameTypeName(int32_t type) {
    if (type < 0 || type >= gameTypeCount) {
        return nullptr;
    }
    return textOf(IDS_VARIANT_FIRST + type);
}

int32_t transferVariantFor(int32_t type) {
    return (type == 1 || type == 3 || type == 5) ? 1 : 0;
}

int32_t refillTarget() {
    return isBulkVariant() ? 18 : 6;
}

bool isJapaneseVariant() {
    return gameType == 4 || gameType == 5;
}

bool isBulkVariant() {
    return gameType == 2 || gameType == 3;
}

void sendRequest(WPARAM request) {
    SendMessageW(mainWindow, WM_USER, request, 0);
}

void resetGameState() {
    gameType = 0;
    transferVariant = 0;
    computerAttacks = 0;
    transferOpen = 1;
    computerLed = 0;
    lastWinner = -1;
    computerHandAtLead = 0;
    humanHandAtLead = 0;
    throwInAllowance = -1;
}
