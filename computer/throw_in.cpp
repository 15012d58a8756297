// SPDX-License-Identifier: MIT
// One more card of a rank already on the table: a throw-in during the
// computer's attack, or a card added to what the human takes.
#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "computer/reasons.h"
#include "game/game_state.h"

namespace {

bool rankOnTable(int32_t rank) {
    return countRank(humanTableRow, rank) > 0 || countRank(computerTableRow, rank) > 0;
}

template <typename Predicate> int32_t firstCard(Predicate wanted) {
    for (int32_t i = 0; i < cardCount(computerHand); ++i) {
        if (wanted(computerHand.cards[i])) {
            return i + 1;
        }
    }
    return 0;
}

} // namespace

int32_t ComputerThrowIn(int32_t allowTrumps) {
    computerHand.sortMode = SORT_BY_RANK;
    resort(computerHand);
    transferOpen = 0;

    if (cardCount(humanHand) == 0) {
        NoteRule(resources::RULE_STOP_NO_CARDS);
        return 0;
    }
    int32_t position = firstCard([](const Card& card) {
        return card.isTrump != 1 && MaySpendSpade(card) && rankOnTable(card.rank);
    });
    // The second pass may spend trumps, and spades the first pass held back.
    if (position == 0 && allowTrumps == 1) {
        position = firstCard(
            [](const Card& card) { return MaySpendTrump(card) && rankOnTable(card.rank); });
    }
    if (position == 0) {
        NoteRule(allowTrumps == 1 ? resources::RULE_STOP : resources::RULE_STOP_ADDING);
        return 0;
    }
    const bool trump = computerHand.cards[position - 1].isTrump == 1;
    NoteRuleForCard(allowTrumps == 0 ? resources::RULE_ADD
                    : trump          ? resources::RULE_THROW_IN_TRUMP
                                     : resources::RULE_THROW_IN,
                    position, remaining(deck));
    playComputerCard(position);
    return 1;
}
