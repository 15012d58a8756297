// SPDX-License-Identifier: MIT
// The program-wide card objects, built before the program starts.
#include "cards/table.h"

namespace {

Card freshCard() {
    Card card;
    resetCard(card);
    return card;
}

Deck fullDeck() {
    Deck built{};
    initDeck(built, 36);
    return built;
}

} // namespace

CardRow computerHand;
CardRow computerTableRow;
CardRow humanTableRow;
CardRow humanHand;
Card trumpCard = freshCard();
Card talonCard = freshCard();
Deck deck = fullDeck();
