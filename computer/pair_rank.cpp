// SPDX-License-Identifier: MIT
// The rank the computer leads from a pair or more.
#include "cards/table.h"
#include "computer/attack.h"
#include "game/game_state.h"

namespace {

// High pairs are kept back while much is still to be drawn. When the whole
// pack is dealt at once nothing is drawn, and the human's hand tells how
// much of the game is left.
int32_t highestRankConsidered() {
    if (currentVariant().handSize == 18) {
        return cardCount(humanHand) > 8 ? 11 : 14;
    }
    const int32_t talon = remaining(deck);
    if (talon > 10) {
        return 11;
    }
    return talon >= 1 ? 13 : 14;
}

} // namespace

int32_t PairRank() {
    const int32_t highest = highestRankConsidered();
    int32_t best = 0;
    int32_t bestCount = 0;
    for (int32_t rank = 6; rank <= highest; ++rank) {
        // Strictly more, so the lowest rank wins a tie.
        const int32_t count = countRank(computerHand, rank);
        if (count > bestCount) {
            best = rank;
            bestCount = count;
        }
    }
    return bestCount >= 2 ? best : 0;
}
