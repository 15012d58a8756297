// The computer's steps of a bout, run by the requests the game sends to the
// main window.
#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "game/bout.h"
#include "game/bout_rows.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/status_line.h"
#include "resources/resource_ids.h"
#include "window/main_window.h"
#include "window/texts.h"

namespace {

void computerTakesTable() {
    takeRow(computerTableRow, computerHand);
    takeRow(humanTableRow, computerHand);
    refresh(computerHand);
    Refill(humanHand);
}

} // namespace

void ComputerTurn() {
    invalidateActionButton();
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
    invalidateActionButton();
}

int32_t ComputerAttackStep() {
    computerAttacks = 1;
    if (cardCount(computerTableRow) > 0) {
        return ComputerThrowIn(1);
    }
    if (cardCount(humanTableRow) > 0) {
        ShowMessage(mainWindow, textOf(IDS_ERROR_TABLE_IN_USE));
        return -1;
    }
    return ComputerLead();
}

void ComputerAnswerTurn() {
    const uint32_t game = newGameSerial;
    GameOverCheck();
    if (newGameSerial != game) {
        return;
    }
    invalidateActionButton();
    if (ComputerDefend() == 0) {
        ComputerTakes();
    }
    invalidateActionButton();
    GameOverCheck();
}

void ComputerTakes() {
    const int32_t allowance = smaller(computerHandAtLead, 6) - cardCount(humanTableRow);
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
