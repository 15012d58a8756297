// SPDX-License-Identifier: MIT
// The computer opens a bout.
#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "computer/reasons.h"
#include "game/game_state.h"

int32_t ComputerLead() {
    humanHandAtLead = cardCount(humanHand);
    transferOpen = 1;
    computerLed = 1;

    const bool endgame =
        remaining(deck) == 0 && (cardCount(computerHand) <= 2 || cardCount(humanHand) <= 2);
    if (endgame && PlaySafeLead() == 1) {
        return 1;
    }
    if (currentVariant().spadesOnlyBySpades && JapaneseLead() == 1) {
        return 1;
    }
    return BasicLead();
}

namespace {

// Position of the lowest-ranked card of computerHand that passes `wanted`; of
// equal ranks the first one stays the choice. 0 for none.
template <typename Predicate> int32_t lowestCard(Predicate wanted) {
    int32_t found = 0;
    for (int32_t i = 0; i < cardCount(computerHand); ++i) {
        const Card& card = computerHand.cards[i];
        if (wanted(card) && (found == 0 || card.rank < computerHand.cards[found - 1].rank)) {
            found = i + 1;
        }
    }
    return found;
}

} // namespace

int32_t BasicLead() {
    const int32_t pairRank = PairRank();
    if (pairRank != 0 && cardCount(humanHand) > 2) {
        // One card of the pair only: the others are kept for throwing in.
        NoteRuleForCard(resources::RULE_LEAD_PAIR, findRank(computerHand, pairRank));
        playComputerCard(findRank(computerHand, pairRank));
        return 1;
    }
    int32_t position = lowestCard([](const Card& card) { return card.isTrump != 1; });
    int32_t rule = resources::RULE_LEAD_LOWEST;
    if (position == 0) {
        position = lowestCard([](const Card&) { return true; });
        rule = resources::RULE_LEAD_TRUMP;
    }
    if (position == 0) {
        return 0;
    }
    NoteRuleForCard(rule, position);
    playComputerCard(position);
    return 1;
}
