// SPDX-License-Identifier: MIT
#include "computer/reasons.h"

#include "cards/table.h"
#include "game/end_of_game.h"

ComputerReason computerReason;

void NoteRule(int32_t rule, const Card* card, int32_t number) {
    computerReason.rule = rule;
    computerReason.number = number;
    computerReason.suit = card != nullptr ? card->suit : 0;
    computerReason.rank = card != nullptr ? card->rank : 0;
    computerReason.game = newGameSerial;
}

void NoteRuleForCard(int32_t rule, int32_t position, int32_t number) {
    const bool valid = position >= 1 && position <= cardCount(computerHand);
    NoteRule(rule, valid ? &computerHand.cards[position - 1] : nullptr, number);
}
