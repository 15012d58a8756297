// SPDX-License-Identifier: MIT
// The handheld's attack: the lead, the throw-in and what it adds to a take.
#include "players/handheld_rules.h"

namespace players::handheld {

namespace {

// With an empty talon and a hand of two or fewer on either side: a card
// that nothing of the other hand beats.
CardIndex safeLead(const View& v) {
    return firstInSuitOrder(v, v.mine, [&](CardIndex c) {
        if (v.theirs == 0) {
            return true;
        }
        if (count(v.mine) > 2 && hasTransfers(v.p.variant) && holdsRank(v.theirs, rankOf(c))) {
            return false;
        }
        return beatingCards(v.p, v.theirs, c) == 0;
    });
}

CardIndex firstOfRank(const View& v, int32_t rank) {
    return firstInSuitOrder(v, v.mine & rankCards(rank), any);
}

CardIndex japaneseLead(const View& v) {
    const CardIndex spade = firstInSuitOrder(v, v.mine & suitCards(SUIT_SPADES), any);
    if (spade < 0 || v.talon == 0) {
        return spade;
    }
    if (v.talon >= 5 || count(v.mine & rankCards(rankOf(spade))) <= 1) {
        return -1;
    }
    return firstOfRank(v, rankOf(spade));
}

// The rank it leads from a pair or more, within a window that widens as
// the game goes on; 0 for none.
int32_t pairRank(const View& v) {
    int32_t upper = v.talon > 10 ? 11 : (v.talon > 0 ? 13 : 14);
    if (isBulk(v.p.variant)) {
        upper = count(v.theirs) > 8 ? 11 : 14;
    }
    int32_t best = 0;
    int32_t bestCount = 0;
    for (int32_t rank = 6; rank <= upper; ++rank) {
        const int32_t n = count(v.mine & rankCards(rank));
        if (n > bestCount) {
            best = rank;
            bestCount = n;
        }
    }
    return bestCount >= 2 ? best : 0;
}

CardIndex lowestOf(const View& v, CardSet cards) {
    return firstInRankOrder(v, cards, any);
}

CardIndex lead(const View& v) {
    if (v.talon == 0 && (count(v.mine) <= 2 || count(v.theirs) <= 2)) {
        const CardIndex safe = safeLead(v);
        if (safe >= 0) {
            return safe;
        }
    }
    if (isJapanese(v.p.variant)) {
        const CardIndex spade = japaneseLead(v);
        if (spade >= 0) {
            return spade;
        }
    }
    const int32_t rank = pairRank(v);
    if (rank != 0 && count(v.theirs) > 2) {
        return firstOfRank(v, rank);
    }
    const CardIndex plain = lowestOf(v, v.mine & ~suitCards(v.p.trumpSuit));
    return plain >= 0 ? plain : lowestOf(v, v.mine);
}

CardIndex throwIn(const View& v, bool allowTrumps) {
    if (v.theirs == 0) {
        return -1;
    }
    const uint32_t onTable = ranksOf(v.p.attack | v.p.cover);
    const CardSet fitting = cardsOfRanks(v.mine, onTable);
    const CardIndex plain = firstInRankOrder(
        v, fitting, [&](CardIndex c) { return !isTrump(v.p, c) && maySpendSpade(v, c); });
    if (plain >= 0 || !allowTrumps) {
        return plain;
    }
    return firstInRankOrder(v, fitting, [&](CardIndex c) { return maySpendTrump(v, c, true); });
}

} // namespace

Move attack(const View& v) {
    if (v.p.phase == Phase::lead) {
        return {MoveKind::play, bit(lead(v))};
    }
    const CardIndex card = throwIn(v, v.p.phase == Phase::attack);
    const Move play{MoveKind::play, card >= 0 ? bit(card) : 0};
    return card >= 0 && isLegal(v.p, play) ? play : Move{MoveKind::done, 0};
}

} // namespace players::handheld
