// SPDX-License-Identifier: MIT
// Japanese game: spades, which only spades beat, are led late in the game.
#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "computer/reasons.h"

int32_t JapaneseLead() {
    const int32_t spade = findSuit(computerHand, SUIT_SPADES);
    if (spade == 0) {
        return 0;
    }
    const int32_t talon = remaining(deck);
    if (talon == 0) {
        NoteRuleForCard(resources::RULE_LEAD_SPADE_LAST, spade);
        playComputerCard(spade);
        return 1;
    }
    if (talon >= 5) {
        return 0;
    }
    const int32_t rank = computerHand.cards[spade - 1].rank;
    if (countRank(computerHand, rank) <= 1) {
        return 0;
    }
    // Lead from the spade's rank, with the first card of it (not necessarily
    // the spade) so the rest can follow as throw-ins.
    NoteRuleForCard(resources::RULE_LEAD_SPADE_RANK, findRank(computerHand, rank));
    playComputerCard(findRank(computerHand, rank));
    return 1;
}
