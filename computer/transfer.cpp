// SPDX-License-Identifier: MIT
// Whether the computer would rather pass the attack on than answer it.
#include "cards/table.h"
#include "computer/defence.h"
#include "computer/reasons.h"
#include "game/bout_steps.h"
#include "game/game_state.h"
#include "game/status_line.h"

namespace {

// The rule by which the computer wants to transfer, RULE_NONE when it does not.
int32_t transferRule(int32_t rank) {
    // Nearly out of cards: passing the attack on is always worth it.
    if (cardCount(computerHand) - 1 <= cardCount(humanTableRow) + 1) {
        return resources::RULE_TRANSFER_FEW_CARDS;
    }
    const int32_t held = countRank(computerHand, rank);
    if (held == 0) {
        return resources::RULE_NONE;
    }
    if (held == 2) {
        return resources::RULE_TRANSFER_PAIR;
    }
    if (remaining(deck) > 0) {
        return resources::RULE_TRANSFER_TALON;
    }
    // Nothing left to draw: the human could only transfer back with a card of
    // the same rank.
    return countRank(humanHand, rank) == 0 ? resources::RULE_TRANSFER_SAFE : resources::RULE_NONE;
}

} // namespace

bool WantsTransfer(int32_t rank) {
    return transferRule(rank) != resources::RULE_NONE;
}

bool ComputerTransfer(int32_t rank) {
    // In suit order the first card of the rank is the non-trump of the lowest
    // suit, the trump only when there is no other.
    const int32_t position = findRank(computerHand, rank);
    if (position == 0) {
        return false;
    }
    if (!WantsTransfer(rank)) {
        return false;
    }
    if (!MaySpendTrump(computerHand.cards[position - 1])) {
        return false;
    }
    // The human must be able to answer every card that would then lie there.
    if (cardCount(humanHand) < cardCount(humanTableRow) + 1) {
        return false;
    }
    // Both cards of the transfer come in one step.
    ShowBoutStep(STEP_CARD);
    NoteRuleForCard(transferRule(rank), position, remaining(deck));
    selectAll(humanTableRow);
    moveSelected(humanTableRow, computerTableRow);
    placeComputerCard(position);
    // The bout stays open for transfers: the human may pass it straight back.
    transferOpen = 1;
    AnnounceComputerTransfer();
    computerAttacks = 1;
    return true;
}
