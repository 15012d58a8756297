// SPDX-License-Identifier: MIT
#include "game/end_of_game.h"

#include <cstdarg>

#include "cards/table.h"
#include "game/game_state.h"
#include "game/table_view.h"
#include "game/texts.h"
#include "platform/messages.h"
#include "platform/text_format.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "settings/settings_store.h"

uint32_t newGameSerial = 0;

namespace {

// The talon is empty and the turned-up trump has been dealt (in the Japanese
// variants it is hidden from the start, so the talon alone decides).
bool nothingLeftToDraw() {
    return remaining(deck) == 0 && trumpCard.hidden != 0;
}

void announceWinner(LPCWSTR text, int32_t winner) {
    releaseButtons();
    MessageBoxW(tableWindow(), text, u"", MB_OK | MB_ICONINFORMATION);
    lastWinner = winner;
    sendRequest(REQUEST_NEW_GAME);
}

} // namespace

void GameOverCheck() {
    if (cardCount(computerHand) == 0 && nothingLeftToDraw()) {
        computerWins = addComputerWin(computerWins);
        announceWinner(textOf(IDS_COMPUTER_WON), 1);
    }
    // Runs even after a computer win: the new deal has refilled humanHand,
    // so the human cannot be scored for the game just decided.
    if (cardCount(humanHand) == 0 && nothingLeftToDraw()) {
        humanWins = addHumanWin(humanWins);
        announceWinner(textOf(IDS_HUMAN_WON), 0);
    }
}

int ShowMessage(HWND owner, LPCWSTR format, ...) {
    WCHAR text[256] = {};
    va_list args;
    va_start(args, format);
    const int written = vsnwprintfW(text, 254, format, args);
    va_end(args);
    MessageBoxW(owner, text, u"", MB_OK);
    return written;
}
