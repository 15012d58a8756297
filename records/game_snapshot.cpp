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

RowSnapshot copyRow(const CardRow& row) {
    RowSnapshot copy;
    copy.cards = row.cards;
    copy.sortMode = row.sortMode;
    copy.perLine = row.perLine;
    copy.backStyle = row.backStyle;
    copy.faceDown = row.faceDown;
    copy.trumpSuit = row.trumpSuit;
    copy.originX = row.originX;
    copy.originY = row.originY;
    copy.cardWidth = row.cardWidth;
    copy.cardHeight = row.cardHeight;
    copy.layoutMode = row.layoutMode;
    return copy;
}

void putRow(const RowSnapshot& copy, CardRow& row) {
    row.cards = copy.cards;
    for (Card& card : row.cards) {
        card.window = mainWindow;
    }
    row.sortMode = copy.sortMode;
    row.perLine = copy.perLine;
    row.backStyle = copy.backStyle;
    row.faceDown = copy.faceDown;
    row.trumpSuit = copy.trumpSuit;
    row.window = mainWindow;
    row.originX = copy.originX;
    row.originY = copy.originY;
    row.cardWidth = copy.cardWidth;
    row.cardHeight = copy.cardHeight;
    row.layoutMode = copy.layoutMode;
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
