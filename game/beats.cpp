// SPDX-License-Identifier: MIT
#include "game/beats.h"

#include "game/game_state.h"

bool Beats(const Card& candidate, const Card& target) {
    // In the Japanese variants a spade is beaten by a higher spade only; not
    // even a trump beats it.
    if (currentVariant().spadesOnlyBySpades && target.suit == SUIT_SPADES &&
        candidate.suit != SUIT_SPADES) {
        return false;
    }
    if (candidate.isTrump == 1 && target.isTrump != 1) {
        return true;
    }
    if (candidate.suit == target.suit) {
        return candidate.rank > target.rank;
    }
    return false;
}
