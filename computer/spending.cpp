// SPDX-License-Identifier: MIT
// Holding back trumps, and high spades in the Japanese game, while the talon
// is still large: both sides draw again soon, so a strong card spent now is
// usually wasted.
#include "cards/table.h"
#include "computer/defence.h"
#include "game/game_state.h"

bool MaySpendTrump(const Card& card) {
    if (card.isTrump != 1) {
        return true;
    }
    const int32_t rank = card.rank;
    const int32_t talon = remaining(deck);
    // Holding two or more cards of the turned-up rank makes trumps cheap. In the
    // Japanese game the trump card's rank is one no card has, so this never helps.
    const int32_t trumpRankCards = countRank(computerHand, trumpCard.rank);
    const bool attacking = computerAttacks == 1;

    if (trumpRankCards < 2 && talon > (attacking ? 4 : 16)) {
        return false;
    }
    if (rank > 7 && talon > 20) {
        return false;
    }
    if (rank > 10 && talon > 18) {
        return false;
    }
    if (rank > 11 && talon > 16) {
        return false;
    }
    if (rank == 12) {
        return talon <= (attacking ? 4 : 10);
    }
    if (rank == 13) {
        return talon <= (attacking ? 0 : 5);
    }
    if (rank == 14) {
        return talon <= (attacking ? 0 : 2);
    }
    return true;
}

bool MaySpendSpade(const Card& card) {
    if (!currentVariant().spadesOnlyBySpades || card.suit != SUIT_SPADES) {
        return true;
    }
    const int32_t rank = card.rank;
    const int32_t talon = remaining(deck);
    if (rank > 10 && talon > 20) {
        return false;
    }
    if (rank > 11 && talon > 18) {
        return false;
    }
    if (rank == 12) {
        return talon <= 10;
    }
    if (rank <= 11) {
        return true;
    }
    return talon <= 8;
}
