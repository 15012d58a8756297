// SPDX-License-Identifier: MIT
// The handheld computer player's decision rules, numbered, and what each
// means in words a player understands. The computer notes the rule that
// chose each of its moves; "Why?" says it.
#pragma once

#include "platform/win_types.h"
#include "resources/language.h"

namespace resources {

enum ComputerRule : int {
    RULE_NONE = 0,
    // Passing the attack on.
    RULE_TRANSFER_FEW_CARDS,
    RULE_TRANSFER_PAIR,
    RULE_TRANSFER_TALON, // the number: cards in the talon
    RULE_TRANSFER_SAFE,
    // Beating several cards at once, or taking them.
    RULE_COVER_ALL,
    RULE_TAKE_ALL,
    // Beating one card, or taking.
    RULE_COVER_ENDGAME,
    RULE_COVER_LOWEST,
    RULE_COVER_HIGHEST, // the number: cards in the talon
    RULE_TAKE_SPADE,
    RULE_TAKE_TRUMP,
    RULE_TAKE_NO_TRUMP,
    RULE_COVER_TRUMP_RANK,
    RULE_COVER_TRUMP,
    RULE_TAKE_KEPT_TRUMPS, // the number: cards in the talon
    // Opening a bout.
    RULE_LEAD_SAFE,
    RULE_LEAD_SPADE_LAST,
    RULE_LEAD_SPADE_RANK,
    RULE_LEAD_PAIR,
    RULE_LEAD_LOWEST,
    RULE_LEAD_TRUMP,
    // Throwing in, adding to a take, or stopping.
    RULE_THROW_IN,
    RULE_THROW_IN_TRUMP, // the number: cards in the talon
    RULE_STOP,
    RULE_STOP_NO_CARDS,
    RULE_ADD,
    RULE_STOP_ADDING,
    RULE_COUNT
};

// The rule's sentence: it follows "The computer" ("Компьютер"); "%c" stands
// for the cards it played and "%n" for the rule's number. Null for a number
// that is no rule or a language that is neither.
LPCWSTR computerRuleText(int rule, Language language);

} // namespace resources
