// SPDX-License-Identifier: MIT
// The handheld's decision rules over an engine position: the shared rules
// (what it is willing to spend) and the walks over its hand in the two
// orders it keeps the hand in.
#pragma once

#include "engine/playout.h"
#include "engine/position.h"

namespace players::handheld {

using namespace engine;

struct View {
    const engine::Position& p;
    int32_t me;
    CardSet mine;
    CardSet theirs;
    int32_t talon;
};
View viewOf(const engine::Position& position);

// Whether it will play this trump now (a non-trump always); `attacking`
// picks the stricter column of the attacker.
bool maySpendTrump(const View& v, CardIndex card, bool attacking);
// In the Japanese variants, whether it will play this spade now.
bool maySpendSpade(const View& v, CardIndex card);

// Walks in suit order (non-trumps by suit and rank, then the trumps) or in
// rank order (by rank, within a rank by suit, the trump last); the first
// card for which `keep` holds, or -1.
template <class Keep> CardIndex firstInSuitOrder(const View& v, CardSet cards, Keep keep) {
    const CardSet trumps = cards & suitCards(v.p.trumpSuit);
    for (CardSet rest : {cards & ~trumps, trumps}) {
        for (; rest != 0; rest &= rest - 1) {
            if (keep(lowest(rest))) {
                return lowest(rest);
            }
        }
    }
    return -1;
}
template <class Keep> CardIndex firstInRankOrder(const View& v, CardSet cards, Keep keep) {
    for (int32_t rank = 6; rank <= 14; ++rank) {
        const CardSet ofRank = cards & rankCards(rank);
        const CardSet trump = ofRank & suitCards(v.p.trumpSuit);
        for (CardSet rest : {ofRank & ~trump, trump}) {
            for (; rest != 0; rest &= rest - 1) {
                if (keep(lowest(rest))) {
                    return lowest(rest);
                }
            }
        }
    }
    return -1;
}
inline bool any(CardIndex) {
    return true;
}
inline bool holdsRank(CardSet cards, int32_t rank) {
    return (cards & rankCards(rank)) != 0;
}

Move defence(const View& v);
Move attack(const View& v);

} // namespace players::handheld
