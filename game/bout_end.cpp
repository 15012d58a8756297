// SPDX-License-Identifier: MIT
// The end of a bout: the discard or the human's take, the refill and the
// change of roles.
#include <algorithm>

#include "cards/table.h"
#include "computer/attack.h"
#include "game/bout.h"
#include "game/bout_rows.h"
#include "game/bout_steps.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/status_line.h"
#include "game/texts.h"
#include "opponents/opponent.h"
#include "resources/resource_ids.h"

void EndBout(int32_t force) {
    transferOpen = 1;
    if (throwInAllowance > 0) {
        ComputerTakesAll();
        return;
    }
    if (cardCount(humanTableRow) == 0 && cardCount(computerTableRow) == 0 && force != 1) {
        return;
    }
    ShowBoutStep(STEP_DISCARD);
    clear(humanTableRow);
    clear(computerTableRow);
    // The attacker draws first; each draw is a step of its own.
    CardRow& first = computerLed == 0 ? humanHand : computerHand;
    CardRow& second = computerLed == 0 ? computerHand : humanHand;
    ShowBoutStep(STEP_REFILL);
    Refill(first);
    ShowBoutStep(STEP_REFILL);
    Refill(second);
    handLayoutRule(humanHand);
    computerAttacks = computerAttacks == 0 ? 1 : 0;

    const uint32_t game = newGameSerial;
    GameOverCheck();
    // A decided game has been replaced by a new deal, which its winner has
    // already opened.
    if (newGameSerial != game) {
        return;
    }
    if (computerAttacks == 1) {
        sendRequest(REQUEST_COMPUTER_ATTACK);
    }
}

void HumanTakes() {
    transferOpen = 1;
    if (cardCount(humanTableRow) == 0 && cardCount(computerTableRow) == 0) {
        return;
    }
    const int32_t allowance = std::min(humanHandAtLead, 6) - cardCount(computerTableRow);
    int32_t added = 0;
    ShowBoutStep(STEP_TAKING);
    if (allowance > 0) {
        added = ComputerAddsToTake(allowance);
    }
    // Cards added lie on the table for a moment before they go.
    ShowBoutStep(STEP_TAKE);
    if (added > 0) {
        SetStatus(textOf(IDS_STATUS_TOOK_EXTRA), cardCount(computerTableRow), added);
    } else {
        SetStatus(textOf(IDS_STATUS_TOOK), cardCount(computerTableRow));
    }
    takeRow(computerTableRow, humanHand);
    takeRow(humanTableRow, humanHand);
    refresh(humanHand);
    handLayoutRule(humanHand);

    const uint32_t game = newGameSerial;
    EndBout(1);
    if (newGameSerial != game) {
        return;
    }
    GameOverCheck();
    if (newGameSerial != game) {
        return;
    }
    sendRequest(REQUEST_COMPUTER_ATTACK);
    if (newGameSerial != game) {
        return;
    }
    GameOverCheck();
}

int32_t ComputerAddsToTake(int32_t n) {
    int32_t added = 0;
    while (n > 0) {
        const bool played = opponentKind == OPPONENT_HANDHELD ? ComputerThrowIn(0) == 1
                                                              : OpponentThrowIn(0, n) == 1;
        if (!played) {
            break;
        }
        n = n - 1;
        added = added + 1;
    }
    return added;
}
