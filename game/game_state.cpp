// SPDX-License-Identifier: MIT
#include "game/game_state.h"

#include "game/table_view.h"
#include "platform/messages.h"
#include "platform/window_api.h"
#include "settings/settings_store.h"

int32_t gameType = 0;
int32_t transferVariant = 0;

int32_t computerAttacks = 0;
int32_t transferOpen = 1;
int32_t computerLed = 0;
int32_t lastWinner = -1;
int32_t computerHandAtLead = 0;
int32_t humanHandAtLead = 0;
int32_t throwInAllowance = -1;

void sendRequest(WPARAM request) {
    SendMessageW(tableWindow(), WM_USER, request, 0);
}

void ReadGameTypeSetting() {
    gameType = static_cast<int32_t>(platform::readStoredValue(StoredValue::GameType));
    transferVariant = transferVariantFor(gameType);
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
