// SPDX-License-Identifier: MIT
// The handheld's defence: transfer, beat, or take.
#include "players/handheld_rules.h"
#include "players/players.h"

namespace players::handheld {

View viewOf(const Position& position) {
    const int32_t me = toMove(position) == NORTH ? NORTH : SOUTH;
    return {position, me, position.hand[static_cast<std::size_t>(me)],
            position.hand[static_cast<std::size_t>(1 - me)], talonSize(position)};
}

bool maySpendTrump(const View& v, CardIndex card, bool attacking) {
    if (!isTrump(v.p, card)) {
        return true;
    }
    const int32_t r = rankOf(card);
    const int32_t t = v.talon;
    const int32_t n = isJapanese(v.p.variant) ? 0 : count(v.mine & rankCards(v.p.trumpRank));
    if ((n < 2 && t > (attacking ? 4 : 16)) || (r > 7 && t > 20) || (r > 10 && t > 18) ||
        (r > 11 && t > 16)) {
        return false;
    }
    switch (r) {
    case 12:
        return t <= (attacking ? 4 : 10);
    case 13:
        return t <= (attacking ? 0 : 5);
    case 14:
        return t <= (attacking ? 0 : 2);
    default:
        return true;
    }
}

bool maySpendSpade(const View& v, CardIndex card) {
    if (!isJapanese(v.p.variant) || suitOf(card) != SUIT_SPADES) {
        return true;
    }
    const int32_t r = rankOf(card);
    const int32_t t = v.talon;
    if ((r > 10 && t > 20) || (r > 11 && t > 18)) {
        return false;
    }
    if (r == 12) {
        return t <= 10;
    }
    return r <= 11 || t <= 8;
}

namespace {

bool wantsTransfer(const View& v, int32_t rank) {
    if (count(v.mine) - 1 <= count(v.p.attack) + 1) {
        return true;
    }
    const int32_t k = count(v.mine & rankCards(rank));
    if (k == 0) {
        return false;
    }
    return k == 2 || v.talon > 0 || !holdsRank(v.theirs, rank);
}

Move transferMove(const View& v) {
    const int32_t rank = rankOf(v.p.lastAttack);
    const CardIndex card = firstInSuitOrder(v, v.mine & rankCards(rank), any);
    // Right after the other side's transfer it still counts as the attacker.
    const bool attacking = count(v.p.attack) > 1;
    if (card < 0 || !wantsTransfer(v, rank) || !maySpendTrump(v, card, attacking) ||
        count(v.theirs) < count(v.p.attack) + 1) {
        return {MoveKind::take, 0};
    }
    return {MoveKind::transfer, bit(card)};
}

CardIndex endgameCover(const View& v) {
    if (v.talon != 0 || count(v.p.attack) > count(v.p.cover) + 1) {
        return -1;
    }
    return firstInSuitOrder(v, v.mine, [&](CardIndex c) {
        return beats(v.p, c, v.p.lastAttack) && !holdsRank(v.theirs, rankOf(c));
    });
}

CardIndex sameSuitCover(const View& v, int32_t suit, int32_t rank) {
    const auto fits = [&](CardIndex c) {
        return rankOf(c) > rank && maySpendSpade(v, c) && maySpendTrump(v, c, false);
    };
    const CardSet ofSuit = v.mine & suitCards(suit);
    if (v.talon >= 16 && suit != v.p.trumpSuit) {
        for (CardSet rest = ofSuit; rest != 0;) {
            const CardIndex highest = 63 - std::countl_zero(rest);
            if (fits(highest)) {
                return highest;
            }
            rest &= ~bit(highest);
        }
        return -1;
    }
    return firstInSuitOrder(v, ofSuit, fits);
}

CardIndex oneCover(const View& v) {
    const CardIndex target = v.p.lastAttack;
    const int32_t suit = suitOf(target);
    const int32_t rank = rankOf(target);
    CardIndex card = endgameCover(v);
    if (card < 0) {
        card = sameSuitCover(v, suit, rank);
    }
    if (card >= 0 || (isJapanese(v.p.variant) && suit == SUIT_SPADES) || suit == v.p.trumpSuit) {
        return card;
    }
    const CardSet trumps = v.mine & suitCards(v.p.trumpSuit);
    card = firstInSuitOrder(
        v, trumps, [&](CardIndex c) { return rankOf(c) == rank && maySpendTrump(v, c, false); });
    return card >= 0 ? card : firstInSuitOrder(v, trumps, [&](CardIndex c) {
        return maySpendTrump(v, c, false);
    });
}

} // namespace

Move defence(const View& v) {
    if (hasTransfers(v.p.variant) && v.p.transferOpen == 1) {
        const Move transfer = transferMove(v);
        if (transfer.kind == MoveKind::transfer && isLegal(v.p, transfer)) {
            return transfer;
        }
    }
    Move answer{MoveKind::cover, 0};
    if (v.p.cover == 0 && count(v.p.attack) > 1) {
        answer.cards = greedyCover(v.p, v.p.attack, v.mine);
    } else {
        const CardIndex card = oneCover(v);
        answer.cards = card >= 0 ? bit(card) : 0;
    }
    return answer.cards != 0 && isLegal(v.p, answer) ? answer : Move{MoveKind::take, 0};
}

} // namespace players::handheld

namespace players {

engine::Move handheldMove(const engine::Position& position) {
    const handheld::View view = handheld::viewOf(position);
    return position.phase == engine::Phase::defend ? handheld::defence(view)
                                                   : handheld::attack(view);
}

} // namespace players
