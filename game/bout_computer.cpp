// SPDX-License-Identifier: MIT
// The computer's steps of a bout, run by the requests the game sends to the
// main window.
#include <algorithm>

#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "game/bout.h"
#include "game/bout_rows.h"
#include "game/bout_steps.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/status_line.h"
#include "game/table_view.h"
#include "game/texts.h"
#include "opponents/opponent.h"
#include "resources/resource_ids.h"

namespace {

void computerTakesTable() {
    ShowBoutStep(STEP_TAKE);
    takeRow(computerTableRow, computerHand);
    takeRow(humanTableRow, computerHand);
    refresh(computerHand);
    ShowBoutStep(STEP_REFILL);
    Refill(humanHand);
}

} // namespace

void ComputerTurn() {
    repaintActionButton();
    const uint32_t game = newGameSerial;
    if (ComputerAttackStep() != 1) {
        SetStatus(textOf(IDS_STATUS_OK_YOUR_TURN));
        EndBout(0);
        if (newGameSerial != game) {
            return;
        }
    }
    GameOverCheck();
    if (newGameSerial != game) {
        return;
    }
    repaintActionButton();
}

int32_t ComputerAttackStep() {
    computerAttacks = 1;
    if (cardCount(computerTableRow) > 0) {
        return opponentKind == OPPONENT_HANDHELD ? ComputerThrowIn(1) : OpponentThrowIn(1, 0);
    }
    if (cardCount(humanTableRow) > 0) {
        ShowMessage(tableWindow(), textOf(IDS_ERROR_TABLE_IN_USE));
        return -1;
    }
    return opponentKind == OPPONENT_HANDHELD ? ComputerLead() : OpponentLead();
}

void ComputerAnswerTurn() {
    const uint32_t game = newGameSerial;
    GameOverCheck();
    if (newGameSerial != game) {
        return;
    }
    repaintActionButton();
    if ((opponentKind == OPPONENT_HANDHELD ? ComputerDefend() : OpponentDefend()) == 0) {
        ComputerTakes();
    }
    repaintActionButton();
    GameOverCheck();
}

void ComputerTakes() {
    const int32_t allowance = std::min(computerHandAtLead, 6) - cardCount(humanTableRow);
    if (allowance > 0) {
        throwInAllowance = allowance;
        SetStatus(u" ", allowance);
        return;
    }
    computerTakesTable();
    throwInAllowance = -1;
}

void ComputerTakesAll() {
    throwInAllowance = -1;
    computerTakesTable();
    throwInAllowance = -1;
    SetStatus(textOf(IDS_STATUS_YOUR_TURN));
}
