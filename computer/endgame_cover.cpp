// SPDX-License-Identifier: MIT
// With nothing left to draw, cover with a card whose rank the human cannot
// throw in after it.
#include "cards/table.h"
#include "computer/defence.h"
#include "computer/reasons.h"
#include "game/beats.h"

bool EndgameCover() {
    if (remaining(deck) > 0) {
        return false;
    }
    if (cardCount(humanTableRow) > cardCount(computerTableRow) + 1) {
        return false;
    }
    if (cardCount(computerHand) == 0 || cardCount(humanTableRow) == 0) {
        return false;
    }
    const Card target = humanTableRow.cards.back();
    for (int32_t i = 0; i < cardCount(computerHand); ++i) {
        const Card& candidate = computerHand.cards[i];
        if (Beats(candidate, target) && countRank(humanHand, candidate.rank) == 0) {
            NoteRule(resources::RULE_COVER_ENDGAME, &candidate);
            playComputerCard(i + 1);
            return true;
        }
    }
    return false;
}
