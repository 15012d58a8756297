// SPDX-License-Identifier: MIT
// Endgame lead: a card the human can neither beat nor transfer.
#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "computer/reasons.h"
#include "game/beats.h"
#include "game/game_state.h"

namespace {

bool humanCanBeat(const Card& card) {
    for (const Card& human : humanHand.cards) {
        if (Beats(human, card)) {
            return true;
        }
    }
    return false;
}

} // namespace

int32_t FindSafeLead() {
    computerHand.sortMode = SORT_BY_SUIT;
    resort(computerHand);

    for (int32_t i = 0; i < cardCount(computerHand); ++i) {
        const Card& card = computerHand.cards[i];
        if (cardCount(humanHand) == 0) {
            return i + 1;
        }
        // While the computer holds more than two cards, a card the human could
        // transfer back is no safe lead.
        if (cardCount(computerHand) > 2 && transferVariant == 1 &&
            countRank(humanHand, card.rank) > 0) {
            continue;
        }
        if (humanCanBeat(card)) {
            continue;
        }
        return i + 1;
    }
    return 0;
}

int32_t PlaySafeLead() {
    const int32_t position = FindSafeLead();
    if (position == 0) {
        return 0;
    }
    NoteRuleForCard(resources::RULE_LEAD_SAFE, position);
    playComputerCard(position);
    return 1;
}
