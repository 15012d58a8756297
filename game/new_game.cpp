// SPDX-License-Identifier: MIT
#include "game/new_game.h"

#include "cards/table.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "game/table_view.h"
#include "game/texts.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "settings/settings_store.h"

namespace {

void configureRow(CardRow& row, int32_t originY, int32_t perLine, int32_t layoutMode,
                  int32_t sortMode, int32_t faceDown) {
    row.originX = 2;
    row.originY = originY;
    row.perLine = perLine;
    row.layoutMode = layoutMode;
    row.sortMode = sortMode;
    row.faceDown = faceDown;
    row.window = tableWindow();
}

void configureRows() {
    configureRow(computerHand, 25, 18, computerHandStyle, SORT_NONE, computerHandShownFaceDown());
    configureRow(computerTableRow, 73, 7, 2, SORT_NONE, 0);
    configureRow(humanTableRow, 94, 7, 2, SORT_NONE, 0);
    configureRow(humanHand, 141, 7, 2, SORT_BY_SUIT, 0);
}

void placeTalonCard() {
    talonCard.suit = SUIT_DIAMONDS;
    talonCard.rank = 1;
    placeCard(talonCard, 205, 25);
    attachWindow(talonCard, tableWindow());
    talonCard.faceDown = 1;
    talonCard.hidden = 0;
    repaintCard(talonCard);
}

// Rank 2 exists in no 36-card deck: the Japanese variants' trump card is
// only the carrier of the trump suit and is never dealt or shown.
void placeTrumpCard(int32_t suit, int32_t rank, int32_t hidden) {
    trumpCard.suit = suit;
    trumpCard.rank = rank;
    trumpCard.hidden = hidden;
    placeCard(trumpCard, 205, 50);
    attachWindow(trumpCard, tableWindow());
    repaintCard(trumpCard);
}

} // namespace

void NewGame() {
    newGameSerial = newGameSerial + 1;
    SetStatus(nullptr);
    clear(humanHand);
    clear(computerHand);
    clear(humanTableRow);
    clear(computerTableRow);
    restock(deck);
    configureRows();
    transferOpen = 1;
    computerLed = 0;

    int32_t turnedRank = UNSET;
    int32_t turnedSuit = UNSET;
    if (!currentVariant().diamondsTrump) {
        draw(deck, &turnedRank, &turnedSuit);
    }
    placeTalonCard();
    if (currentVariant().diamondsTrump) {
        placeTrumpCard(SUIT_DIAMONDS, 2, 1);
    } else {
        placeTrumpCard(turnedSuit, turnedRank, 0);
    }
    setTrumpSuit(computerHand, trumpCard.suit);
    setTrumpSuit(humanHand, trumpCard.suit);
    setTrumpSuit(computerTableRow, trumpCard.suit);
    setTrumpSuit(humanTableRow, trumpCard.suit);

    Refill(humanHand);
    Refill(computerHand);

    setBackStyle(humanHand, cardBackIndex);
    setBackStyle(computerHand, cardBackIndex);
    talonCard.backStyle = cardBackIndex;
    repaintCard(talonCard);

    throwInAllowance = -1;
    handLayoutRule(humanHand);
    ChooseFirstAttacker();
    repaintActionButton();
}

void Refill(CardRow& hand) {
    const int32_t target = refillTarget();
    while (cardCount(hand) < target) {
        if (remaining(deck) == 0) {
            break;
        }
        int32_t rank = UNSET;
        int32_t suit = UNSET;
        if (draw(deck, &rank, &suit) >= 0) {
            addCard(hand, suit, rank);
        }
    }
    // The turned-up trump is always the last card dealt.
    if (cardCount(hand) < target && remaining(deck) == 0 && trumpCard.hidden == 0) {
        addCard(hand, trumpCard.suit, trumpCard.rank);
        setHidden(trumpCard, 1);
    }
    if (remaining(deck) == 0) {
        setHidden(talonCard, 1);
    }
    refresh(hand);
    repaintTalonCount();
}

namespace {

// The first game of a run goes to the lower trump.
bool computerHoldsLowerTrump() {
    const int32_t c = findSuit(computerHand, trumpCard.suit);
    const int32_t h = findSuit(humanHand, trumpCard.suit);
    if (c == 0) {
        return false;
    }
    if (h == 0) {
        return true;
    }
    return computerHand.cards[c - 1].rank <= humanHand.cards[h - 1].rank;
}

} // namespace

void ChooseFirstAttacker() {
    humanHand.sortMode = SORT_BY_RANK;
    resort(humanHand);
    computerHand.sortMode = SORT_BY_RANK;
    resort(computerHand);

    bool computerFirst = false;
    if (lastWinner == -1) {
        computerFirst = computerHoldsLowerTrump();
    } else {
        computerFirst = lastWinner != 0;
    }
    if (!computerFirst) {
        SetStatus(textOf(IDS_STATUS_YOUR_TURN));
        computerAttacks = 0;
        return;
    }
    computerAttacks = 1;
    sendRequest(REQUEST_COMPUTER_ATTACK);
}
