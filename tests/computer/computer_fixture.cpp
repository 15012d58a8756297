#include "computer_fixture.h"

#include <sstream>

#include "cards/deck.h"
#include "cards/table.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/testing.h"

namespace {

const std::string rankLetters = "6789TJQKA";
const std::string suitLetters = "DHCS";

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
    const auto rank = rankLetters.find(name.size() == 2 ? name[0] : '?');
    const auto suit = suitLetters.find(name.size() == 2 ? name[1] : '?');
    if (rank == std::string::npos || suit == std::string::npos) {
        ADD_FAILURE() << "not a card name: " << name;
        return card;
    }
    card.rank = static_cast<int32_t>(rank) + 6;
    card.suit = static_cast<int32_t>(suit) + 1;
    card.isTrump = card.suit == trumpCard.suit ? 1 : 0;
    card.present = 1;
    return card;
}

void fill(CardRow& row, const std::string& cardNames) {
    std::istringstream words(cardNames);
    std::string word;
    while (words >> word) {
        const Card card = cardNamed(word);
        if (card.suit != UNSET) {
            addCard(row, card.suit, card.rank);
        }
    }
    refresh(row);
}

std::string nameOf(const Card& card) {
    if (card.rank < 6 || card.rank > 14 || card.suit < 1 || card.suit > 4) {
        return "??";
    }
    return std::string{rankLetters[card.rank - 6], suitLetters[card.suit - 1]};
}

std::string names(const CardRow& row) {
    std::string text;
    for (const Card& card : row.cards) {
        text += (text.empty() ? "" : " ") + nameOf(card);
    }
    return text;
}

std::string selectedNames(const CardRow& row) {
    std::string text;
    for (const Card& card : row.cards) {
        if (card.selected != 0) {
            text += (text.empty() ? "" : " ") + nameOf(card);
        }
    }
    return text;
}

void setTrump(const std::string& name) {
    const auto rank = rankLetters.find(name.size() == 2 ? name[0] : '?');
    const auto suit = suitLetters.find(name.size() == 2 ? name[1] : '?');
    ASSERT_NE(rank, std::string::npos) << name;
    ASSERT_NE(suit, std::string::npos) << name;
    trumpCard.rank = static_cast<int32_t>(rank) + 6;
    trumpCard.suit = static_cast<int32_t>(suit) + 1;
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
