// SPDX-License-Identifier: MIT
// The computer's answer to the human's attack: transfer, beat or take.
#include "cards/table.h"
#include "computer/defence.h"
#include "computer/reasons.h"
#include "game/bout_steps.h"
#include "game/game_state.h"

namespace {

// Position of the first card in computerHand that passes `wanted`, walking
// from the first card or from the last; 0 for none.
template <typename Predicate> int32_t findCard(bool fromLast, Predicate wanted) {
    const int32_t count = cardCount(computerHand);
    for (int32_t step = 0; step < count; ++step) {
        const int32_t index = fromLast ? count - 1 - step : step;
        if (wanted(computerHand.cards[index])) {
            return index + 1;
        }
    }
    return 0;
}

bool playFound(int32_t position, int32_t rule, int32_t number = 0) {
    if (position == 0) {
        return false;
    }
    NoteRuleForCard(rule, position, number);
    playComputerCard(position);
    return true;
}

// After the human has transferred, every card on the table is beaten at once
// or the computer takes them all; it never beats only some of them.
int32_t beatAll() {
    const bool matched = MatchAll(humanTableRow, computerHand);
    if (matched) {
        ShowBoutStep(STEP_CARD);
        moveSelected(computerHand, computerTableRow);
    }
    computerAttacks = 0;
    NoteRule(matched ? resources::RULE_COVER_ALL : resources::RULE_TAKE_ALL);
    return matched ? 1 : 0;
}

int32_t beatOne(const Card& attack, bool canFollowSuit) {
    const int32_t suit = attack.suit;
    const int32_t rank = attack.rank;
    const int32_t trumpSuit = trumpCard.suit;

    if (EndgameCover()) {
        return 1;
    }
    if (canFollowSuit) {
        // With a long talon the low cards of the suit are worth keeping for
        // later, so the highest allowed card is spent instead.
        const bool highest = remaining(deck) >= 16 && suit != trumpSuit;
        const int32_t position = findCard(highest, [&](const Card& c) {
            return c.suit == suit && c.rank > rank && MaySpendSpade(c) && MaySpendTrump(c);
        });
        if (playFound(position,
                      highest ? resources::RULE_COVER_HIGHEST : resources::RULE_COVER_LOWEST,
                      remaining(deck))) {
            return 1;
        }
    }
    if (currentVariant().spadesOnlyBySpades && suit == SUIT_SPADES) {
        NoteRule(resources::RULE_TAKE_SPADE);
        return 0;
    }
    if (suit == trumpSuit) {
        NoteRule(resources::RULE_TAKE_TRUMP);
        return 0;
    }
    if (findSuit(computerHand, trumpSuit) == 0) {
        NoteRule(resources::RULE_TAKE_NO_TRUMP);
        return 0;
    }
    if (playFound(findCard(false,
                           [&](const Card& c) {
                               return c.isTrump == 1 && c.rank == rank && MaySpendTrump(c);
                           }),
                  resources::RULE_COVER_TRUMP_RANK)) {
        return 1;
    }
    if (playFound(findCard(false, [](const Card& c) { return c.isTrump == 1 && MaySpendTrump(c); }),
                  resources::RULE_COVER_TRUMP)) {
        return 1;
    }
    NoteRule(resources::RULE_TAKE_KEPT_TRUMPS, nullptr, remaining(deck));
    return 0;
}

} // namespace

int32_t ComputerDefend() {
    // A game decided just before the answer leaves the new game's table empty:
    // there is nothing to answer and the fresh deal must stay as it is.
    if (cardCount(humanTableRow) == 0) {
        return 1;
    }
    const Card attack = humanTableRow.cards.back();
    const bool canFollowSuit = findSuit(computerHand, attack.suit) != 0;

    computerHand.sortMode = SORT_BY_SUIT;
    resort(computerHand);

    if (transferVariant == 1 && transferOpen == 1 && ComputerTransfer(attack.rank)) {
        return 1;
    }
    transferOpen = 0;

    if (cardCount(computerTableRow) == 0 && cardCount(humanTableRow) >= 2) {
        return beatAll();
    }
    return beatOne(attack, canFollowSuit);
}
