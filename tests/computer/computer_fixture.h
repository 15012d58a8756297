// SPDX-License-Identifier: MIT
// Positions for the computer player's tests: a variant with its trump, a
// talon of a chosen size and the four rows, built from card names.
#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_row.h"
#include "cards/deck.h"
#include "cards/table.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/testing.h"
#include "support/card_notation.h"
#include "support/position_notation.h"

using namespace notation;

// The trump card "9H" is turned up; "-" is the Japanese set-up: diamonds
// trump, nothing turned up. Trumps are marked in all four rows.
inline void setVariant(int32_t type, const std::string& trump) {
    gameType = type;
    transferVariant = transferVariantFor(type);
    const CardName card = trump == "-" ? CardName{SUIT_DIAMONDS, 2} : parseCard(trump);
    trumpCard.suit = card.suit;
    trumpCard.rank = card.rank;
    trumpCard.hidden = trump == "-" ? 1 : 0;
    for (CardRow* row : {&computerHand, &humanHand, &computerTableRow, &humanTableRow}) {
        setTrumpSuit(*row, card.suit);
    }
}

// A talon of exactly `size` cards.
inline void setTalon(int32_t size) {
    initDeck(deck, 36);
    for (int32_t i = size; i < 36; ++i) {
        deck.slots[i].present = 0;
    }
    deck.remaining = size;
}

inline Card cardNamed(const std::string& name) {
    const CardName parsed = parseCard(name);
    Card card;
    card.rank = parsed.rank;
    card.suit = parsed.suit;
    card.isTrump = card.suit == trumpCard.suit ? 1 : 0;
    card.present = 1;
    return card;
}

class ComputerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        resetGameState();
        SetStatus(nullptr);
        for (CardRow* row : {&computerHand, &humanHand, &computerTableRow, &humanTableRow}) {
            clear(*row);
            row->sortMode = row == &computerHand || row == &humanHand ? SORT_BY_RANK : SORT_NONE;
        }
        setVariant(0, "9H");
        setTalon(23);
    }
};
