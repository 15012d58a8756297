// The one card-beating rule; the human's covers are checked against it too.
#include "computer/defence.h"
#include "game/game_state.h"

bool Beats(const Card& candidate, const Card& target) {
    // Japanese rules: a spade can only be beaten by a higher spade, even a trump
    // does not beat it.
    if (isJapaneseVariant() && target.suit == SUIT_SPADES && candidate.suit != SUIT_SPADES) {
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
