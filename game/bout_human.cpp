// SPDX-License-Identifier: MIT
// The human's plays on the table: lead, throw-in, cover, transfer, and the
// cards added while the computer takes.
#include "cards/table.h"
#include "computer/defence.h"
#include "game/beats.h"
#include "game/bout.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "game/table_view.h"
#include "game/texts.h"
#include "platform/messages.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"

namespace {

bool rankOnTable(int32_t rank) {
    return findRank(humanTableRow, rank) != 0 || findRank(computerTableRow, rank) != 0;
}

const Card& lastCard(const CardRow& row) {
    return row.cards.back();
}

void playSelectedToTable() {
    moveSelected(humanHand, humanTableRow);
    resort(humanHand);
}

void humanAttacks(int32_t rank) {
    if (cardCount(humanTableRow) == 0 && cardCount(computerTableRow) == 0) {
        transferOpen = 1;
        computerLed = 0;
        computerHandAtLead = cardCount(computerHand);
    } else {
        transferOpen = 0;
        if (cardCount(humanTableRow) >= 6) {
            SetStatus(textOf(IDS_STATUS_SIX_CARDS));
            GameOverCheck();
            return;
        }
        if (cardCount(computerHand) == 0) {
            SetStatus(textOf(IDS_STATUS_NO_CARDS));
            GameOverCheck();
            return;
        }
        if (!rankOnTable(rank)) {
            return;
        }
    }
    playSelectedToTable();
    sendRequest(REQUEST_COMPUTER_ANSWER);
}

// A trump of the attacked rank could as well cover the attack, so the human
// is asked which he means; any answer but Yes makes it a cover attempt.
bool transferWanted(const Card& card) {
    if (transferVariant != 1 || transferOpen != 1) {
        return false;
    }
    if (card.rank != lastCard(computerTableRow).rank) {
        return false;
    }
    if (cardCount(computerHand) < cardCount(computerTableRow) + 1) {
        return false;
    }
    if (card.suit != trumpCard.suit) {
        return true;
    }
    return MessageBoxW(tableWindow(), textOf(IDS_ASK_TRANSFER), u"", MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}

void transferToComputer() {
    selectAll(computerTableRow);
    moveSelected(computerTableRow, humanTableRow);
    moveSelected(humanHand, humanTableRow);
    sendRequest(REQUEST_COMPUTER_ANSWER);
}

// After a cover the computer may throw in more, unless the sixth card of the
// bout has just been beaten.
void afterCover() {
    if (cardCount(humanTableRow) >= 6) {
        EndBout(0);
    } else {
        sendRequest(REQUEST_COMPUTER_ATTACK);
    }
}

void coverSeveral() {
    const int32_t toCover = cardCount(computerTableRow);
    if (countSelected(humanHand) != toCover) {
        SetStatus(textOf(IDS_STATUS_SELECT_COUNT), toCover);
        return;
    }
    bool matched = false;
    {
        CardRow scratch;
        setTrumpSuit(scratch, trumpCard.suit);
        copySelected(humanHand, scratch);
        matched = MatchAll(computerTableRow, scratch);
    }
    if (!matched) {
        SetStatus(textOf(IDS_STATUS_WRONG_CARDS));
        return;
    }
    playSelectedToTable();
    afterCover();
}

void humanDefends(const Card& card) {
    if (cardCount(computerTableRow) == 0) {
        ShowMessage(tableWindow(), textOf(IDS_ERROR_NO_ANSWER));
        return;
    }
    if (transferWanted(card)) {
        transferToComputer();
        return;
    }
    transferOpen = 0;
    if (cardCount(computerTableRow) > 1 && cardCount(humanTableRow) == 0) {
        coverSeveral();
        return;
    }
    if (!Beats(card, lastCard(computerTableRow))) {
        return;
    }
    playSelectedToTable();
    afterCover();
}

} // namespace

void HumanPlay() {
    const int32_t p = firstSelected(humanHand);
    const uint32_t game = newGameSerial;
    GameOverCheck();
    if (newGameSerial != game) {
        return;
    }
    if (p == 0) {
        SetStatus(textOf(IDS_STATUS_SELECT_CARDS));
        return;
    }
    // A copy: the moves below rebuild humanHand's array.
    const Card card = humanHand.cards[p - 1];
    if (computerAttacks == 0) {
        humanAttacks(card.rank);
    } else {
        humanDefends(card);
    }
}

void HumanThrowInToTaker() {
    const int32_t p = firstSelected(humanHand);
    const uint32_t game = newGameSerial;
    GameOverCheck();
    if (newGameSerial != game) {
        return;
    }
    if (p == 0) {
        SetStatus(u" ", throwInAllowance);
        return;
    }
    if (throwInAllowance <= 0) {
        ComputerTakesAll();
        return;
    }
    if (!rankOnTable(humanHand.cards[p - 1].rank)) {
        return;
    }
    playSelectedToTable();
    GameOverCheck();
    if (newGameSerial != game) {
        return;
    }
    throwInAllowance = throwInAllowance - 1;
    if (throwInAllowance <= 0) {
        ComputerTakesAll();
    } else {
        SetStatus(u" ", throwInAllowance);
    }
}

void ToggleHandSort() {
    if (cardCount(humanHand) == 0) {
        return;
    }
    humanHand.sortMode = humanHand.sortMode == SORT_BY_SUIT ? SORT_BY_RANK : SORT_BY_SUIT;
    resort(humanHand);
}
