#include "computer_fixture.h"

#include "cards/deck.h"
#include "cards/table.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/testing.h"

namespace {

void clearRow(CardRow& row, int32_t sortMode) {
    clear(row);
    row.sortMode = sortMode;
    row.trumpSuit = 0;
}

void markTrumps(int32_t suit) {
    setTrumpSuit(computerHand, suit);
    setTrumpSuit(humanHand, suit);
    setTrumpSuit(computerTableRow, suit);
    setTrumpSuit(humanTableRow, suit);
}

} // namespace

Card cardNamed(const std::string& name) {
    Card card;
    const notation::CardName parsed = notation::parseCard(name);
    if (parsed.suit == UNSET) {
        return card;
    }
    card.rank = parsed.rank;
    card.suit = parsed.suit;
    card.isTrump = card.suit == trumpCard.suit ? 1 : 0;
    card.present = 1;
    return card;
}

void setTrump(const std::string& name) {
    const notation::CardName parsed = notation::parseCard(name);
    trumpCard.rank = parsed.rank;
    trumpCard.suit = parsed.suit;
    trumpCard.hidden = 0;
    markTrumps(trumpCard.suit);
}

void setJapaneseTrump() {
    trumpCard.suit = SUIT_DIAMONDS;
    trumpCard.rank = 2;
    trumpCard.hidden = 1;
    markTrumps(SUIT_DIAMONDS);
}

void setTalon(int32_t size) {
    initDeck(deck, 36);
    for (int32_t i = size; i < 36; ++i) {
        deck.slots[i].present = 0;
    }
    deck.remaining = size;
    ASSERT_EQ(remaining(deck), size);
}

void setGameType(int32_t type) {
    gameType = type;
    transferVariant = transferVariantFor(type);
}

void ComputerTest::SetUp() {
    platform_testing::resetPlatform();
    resetGameState();
    SetStatus(nullptr);
    clearRow(humanHand, SORT_BY_RANK);
    clearRow(computerHand, SORT_BY_RANK);
    clearRow(humanTableRow, SORT_NONE);
    clearRow(computerTableRow, SORT_NONE);
    setGameType(0);
    setTrump("9H");
    setTalon(23);
}

void ComputerTest::TearDown() {
    clear(humanHand);
    clear(computerHand);
    clear(humanTableRow);
    clear(computerTableRow);
}
