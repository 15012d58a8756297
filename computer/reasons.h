// SPDX-License-Identifier: MIT
// Which of the computer's rules chose its last move: a note kept beside the
// game for "Why?", which changes none of the computer's choices.
#pragma once

#include <cstdint>

#include "cards/card.h"
#include "resources/computer_rules.h"

struct ComputerReason {
    int32_t rule = resources::RULE_NONE;
    int32_t number = 0; // what the rule went by: the cards in the talon
    int32_t suit = 0;   // the card played, when the rule played one
    int32_t rank = 0;
    uint32_t game = 0; // newGameSerial of the game it was noted in
};
extern ComputerReason computerReason;

// Notes the rule with the card it plays (if any) and its number.
void NoteRule(int32_t rule, const Card* card = nullptr, int32_t number = 0);
// The same for card `position` (1-based) of computerHand.
void NoteRuleForCard(int32_t rule, int32_t position, int32_t number = 0);
