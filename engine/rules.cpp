// SPDX-License-Identifier: MIT
// Who may do what: the legal moves of a position, as the handheld's game
// accepts them.
#include "engine/playout.h"
#include "engine/position.h"

namespace engine {

bool beats(const Position& position, CardIndex candidate, CardIndex target) {
    const int32_t targetSuit = suitOf(target);
    const int32_t candidateSuit = suitOf(candidate);
    if (isJapanese(position.variant) && targetSuit == SUIT_SPADES && candidateSuit != SUIT_SPADES) {
        return false;
    }
    if (candidateSuit == position.trumpSuit && targetSuit != position.trumpSuit) {
        return true;
    }
    return candidateSuit == targetSuit && rankOf(candidate) > rankOf(target);
}

namespace {

// The first card of a set in the human's hand, which is kept in rank order:
// the lowest rank, within it the lowest suit, a trump after the others.
CardIndex firstInRankOrder(const Position& position, CardSet cards) {
    const uint32_t ranks = ranksOf(cards);
    if (ranks == 0) {
        return -1;
    }
    const CardSet ofRank = cards & rankCards(std::countr_zero(ranks) + 6);
    const CardSet plain = ofRank & ~suitCards(position.trumpSuit);
    return lowest(plain != 0 ? plain : ofRank);
}

bool rankOnTable(const Position& position, CardIndex card) {
    return (ranksOf(position.attack | position.cover) & (1u << (rankOf(card) - 6))) != 0;
}

// Several cards to beat at once: the defender answers them all or takes.
bool severalToBeat(const Position& position) {
    return position.cover == 0 && count(position.attack) > 1;
}

// Whether a transfer with this card may be made, apart from how many cards
// go with it.
bool transferCard(const Position& position, CardIndex card) {
    const int32_t defender = defenderOf(position);
    return hasTransfers(position.variant) && position.transferOpen == 1 &&
           rankOf(card) == rankOf(position.lastAttack) &&
           count(position.hand[1 - defender]) >= count(position.attack) + 1;
}

// A card of the attacked rank that is no trump always transfers when a
// transfer is possible; only a trump leaves the human the choice.
bool forcedTransfer(const Position& position, CardIndex card) {
    return transferCard(position, card) && !isTrump(position, card);
}

bool selectionAllowed(const Position& position, CardSet cards) {
    return count(cards) == 1 || (defenderOf(position) == SOUTH && severalToBeat(position));
}

bool legalCover(const Position& position, CardSet cards) {
    if (defenderOf(position) == SOUTH &&
        forcedTransfer(position, firstInRankOrder(position, cards))) {
        return false;
    }
    if (severalToBeat(position)) {
        return count(cards) == count(position.attack) &&
               greedyCover(position, position.attack, cards) == cards;
    }
    return count(cards) == 1 && beats(position, lowest(cards), position.lastAttack);
}

bool legalTransfer(const Position& position, CardSet cards) {
    if (!selectionAllowed(position, cards)) {
        return false;
    }
    const CardIndex first =
        defenderOf(position) == SOUTH ? firstInRankOrder(position, cards) : lowest(cards);
    return transferCard(position, first);
}

// A single selected card whose cover attempt fails while a transfer is open.
bool legalForgo(const Position& position) {
    if (defenderOf(position) != SOUTH || !hasTransfers(position.variant) ||
        position.transferOpen != 1) {
        return false;
    }
    for (CardSet rest = position.hand[SOUTH]; rest != 0; rest &= rest - 1) {
        const CardIndex card = lowest(rest);
        if (!forcedTransfer(position, card) &&
            (severalToBeat(position) || !beats(position, card, position.lastAttack))) {
            return true;
        }
    }
    return false;
}

bool legalDefence(const Position& position, const Move& move) {
    switch (move.kind) {
    case MoveKind::take:
        return true;
    case MoveKind::cover:
        return legalCover(position, move.cards);
    case MoveKind::transfer:
        return legalTransfer(position, move.cards);
    case MoveKind::forgo:
        return legalForgo(position);
    default:
        return false;
    }
}

bool legalPlay(const Position& position, CardIndex card) {
    const int32_t defender = defenderOf(position);
    switch (position.phase) {
    case Phase::lead:
        return true;
    case Phase::attack:
        return rankOnTable(position, card) && count(position.attack) < 6 &&
               position.hand[defender] != 0;
    case Phase::adding:
        return rankOnTable(position, card) && position.allowance > 0 &&
               (position.attacker == SOUTH || position.hand[defender] != 0);
    default:
        return false;
    }
}

} // namespace

// Each attacking card in suit order (the non-trumps by suit and rank, then
// the trumps by rank) takes the first free card in the same order that
// beats it: the lowest such non-trump, else the lowest such trump.
CardSet greedyCover(const Position& position, CardSet attack, CardSet candidates) {
    const int32_t targetCount = count(attack);
    if (targetCount == 0 || candidates == 0 || targetCount > count(candidates)) {
        return 0;
    }
    const CardSet trumps = suitCards(position.trumpSuit);
    CardSet chosen = 0;
    for (CardSet rest : {attack & ~trumps, attack & trumps}) {
        for (; rest != 0; rest &= rest - 1) {
            const CardSet free = beatingCards(position, candidates & ~chosen, lowest(rest));
            const CardSet plain = free & ~trumps;
            chosen |= free == 0 ? 0 : bit(lowest(plain != 0 ? plain : free));
        }
    }
    return count(chosen) == targetCount ? chosen : 0;
}

bool isLegal(const Position& position, const Move& move) {
    const int32_t mover = toMove(position);
    if (mover == NOBODY || (move.cards & ~position.hand[static_cast<std::size_t>(mover)]) != 0) {
        return false;
    }
    if (position.phase == Phase::defend) {
        const bool cardless = move.kind == MoveKind::take || move.kind == MoveKind::forgo;
        return (move.cards == 0) == cardless && legalDefence(position, move);
    }
    if (move.kind == MoveKind::done) {
        return move.cards == 0 && position.phase != Phase::lead;
    }
    return move.kind == MoveKind::play && count(move.cards) == 1 &&
           legalPlay(position, lowest(move.cards));
}

} // namespace engine
