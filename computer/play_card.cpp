// SPDX-License-Identifier: MIT
// The computer puts one card of its hand on the table.
#include "cards/table.h"
#include "computer/defence.h"
#include "game/bout_steps.h"

void playComputerCard(int32_t position) {
    if (position >= 1 && position <= cardCount(computerHand)) {
        ShowBoutStep(STEP_CARD);
    }
    placeComputerCard(position);
}

void placeComputerCard(int32_t position) {
    const int32_t count = cardCount(computerHand);
    if (position < 1 || position > count) {
        return;
    }
    // Exactly one card moves, whatever was marked before.
    for (int32_t i = 0; i < count; ++i) {
        computerHand.cards[i].selected = i + 1 == position ? 1 : 0;
    }
    moveSelected(computerHand, computerTableRow);
}
