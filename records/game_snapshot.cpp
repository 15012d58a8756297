// SPDX-License-Identifier: MIT
#include "records/game_snapshot.h"

#include <algorithm>
#include <utility>

#include "cards/table.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "game/variants.h"
#include "platform/window_api.h"
#include "window/main_window.h"

namespace {

CardRow* const tableRows[4] = {&computerHand, &computerTableRow, &humanTableRow, &humanHand};

// A row and its snapshot name what a snapshot keeps alike: one copy serves
// both ways.
template <class From, class To> void copyRowFields(const From& from, To& to) {
    to.cards = from.cards;
    to.sortMode = from.sortMode;
    to.perLine = from.perLine;
    to.backStyle = from.backStyle;
    to.faceDown = from.faceDown;
    to.trumpSuit = from.trumpSuit;
    to.originX = from.originX;
    to.originY = from.originY;
    to.cardWidth = from.cardWidth;
    to.cardHeight = from.cardHeight;
    to.layoutMode = from.layoutMode;
}

RowSnapshot copyRow(const CardRow& row) {
    RowSnapshot copy;
    copyRowFields(row, copy);
    return copy;
}

// The window is this run's, not the one the snapshot was taken in.
void putRow(const RowSnapshot& copy, CardRow& row) {
    copyRowFields(copy, row);
    for (Card& card : row.cards) {
        card.window = mainWindow;
    }
    row.window = mainWindow;
}

std::vector<std::pair<int32_t, int32_t>> cardsOf(const RowSnapshot& row) {
    std::vector<std::pair<int32_t, int32_t>> cards;
    for (const Card& card : row.cards) {
        cards.emplace_back(card.suit, card.rank);
    }
    std::sort(cards.begin(), cards.end());
    return cards;
}

} // namespace

GameSnapshot TakeSnapshot() {
    GameSnapshot s;
    for (int i = 0; i < 4; ++i) {
        s.rows[i] = copyRow(*tableRows[i]);
    }
    s.trump = trumpCard;
    s.talon = talonCard;
    s.deck = deck;
    s.random = randomState;
    s.gameType = gameType;
    s.computerAttacks = computerAttacks;
    s.transferOpen = transferOpen;
    s.computerLed = computerLed;
    s.lastWinner = lastWinner;
    s.computerHandAtLead = computerHandAtLead;
    s.humanHandAtLead = humanHandAtLead;
    s.throwInAllowance = throwInAllowance;
    s.buttonPressed = buttonPressed;
    s.statusShown = statusText != nullptr;
    s.status = statusBuffer;
    return s;
}

void RestoreSnapshot(const GameSnapshot& s) {
    for (int i = 0; i < 4; ++i) {
        putRow(s.rows[i], *tableRows[i]);
    }
    trumpCard = s.trump;
    talonCard = s.talon;
    trumpCard.window = mainWindow;
    talonCard.window = mainWindow;
    deck = s.deck;
    randomState = s.random;
    gameType = s.gameType;
    transferVariant = transferVariantFor(gameType);
    computerAttacks = s.computerAttacks;
    transferOpen = s.transferOpen;
    computerLed = s.computerLed;
    lastWinner = s.lastWinner;
    computerHandAtLead = s.computerHandAtLead;
    humanHandAtLead = s.humanHandAtLead;
    throwInAllowance = s.throwInAllowance;
    buttonPressed = s.buttonPressed;
    const size_t length = std::min(s.status.size(), size_t{255});
    std::copy_n(s.status.begin(), length, statusBuffer);
    statusBuffer[length] = 0;
    statusText = s.statusShown ? statusBuffer : nullptr;
    InvalidateRect(mainWindow, nullptr, FALSE);
}

bool MoveBetween(const GameSnapshot& before, const GameSnapshot& after) {
    if (before.deck.remaining != after.deck.remaining ||
        before.computerAttacks != after.computerAttacks ||
        before.throwInAllowance != after.throwInAllowance ||
        before.transferOpen != after.transferOpen) {
        return true;
    }
    for (int i = 0; i < 4; ++i) {
        if (cardsOf(before.rows[i]) != cardsOf(after.rows[i])) {
            return true;
        }
    }
    return false;
}
