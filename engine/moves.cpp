// SPDX-License-Identifier: MIT
// The list of legal moves: every single card that may be played, and the
// sets of cards that may beat or pass on several attacking cards.
#include "engine/position.h"

namespace engine {

namespace {

void addIfLegal(const Position& position, const Move& move, MoveList& list) {
    if (isLegal(position, move)) {
        list.add(move);
    }
}

void eachCard(const Position& position, MoveKind kind, CardSet cards, MoveList& list) {
    for (; cards != 0; cards &= cards - 1) {
        addIfLegal(position, {kind, bit(lowest(cards))}, list);
    }
}

// Every subset of `pool` with `size` cards, added as covers when they cover.
void coverSets(const Position& position, CardSet pool, int32_t size, CardSet chosen,
               MoveList& list) {
    if (size == 0) {
        addIfLegal(position, {MoveKind::cover, chosen}, list);
        return;
    }
    for (CardSet rest = pool; count(rest) >= size && list.size < MAX_MOVES; rest &= rest - 1) {
        const CardSet card = bit(lowest(rest));
        coverSets(position, rest & ~card, size - 1, chosen | card, list);
    }
}

// Cards that beat at least one of the attacking cards.
CardSet usefulCovers(const Position& position, CardSet hand) {
    CardSet useful = 0;
    for (CardSet rest = hand; rest != 0; rest &= rest - 1) {
        const CardIndex card = lowest(rest);
        for (CardSet target = position.attack; target != 0; target &= target - 1) {
            if (beats(position, card, lowest(target))) {
                useful |= bit(card);
                break;
            }
        }
    }
    return useful;
}

void defenceMoves(const Position& position, MoveList& list) {
    const CardSet hand = position.hand[toMove(position) == NORTH ? 1 : 0];
    list.add({MoveKind::take, 0});
    const int32_t toBeat = count(position.attack) - count(position.cover);
    if (toBeat == 1) {
        eachCard(position, MoveKind::cover, hand, list);
    } else {
        coverSets(position, usefulCovers(position, hand), toBeat, 0, list);
    }
    const CardSet ofRank = hand & rankCards(rankOf(position.lastAttack));
    if (toBeat == 1 || toMove(position) == NORTH) {
        eachCard(position, MoveKind::transfer, ofRank, list);
    } else {
        // Every non-empty subset of the cards of the attacked rank.
        for (CardSet subset = ofRank; subset != 0; subset = (subset - 1) & ofRank) {
            addIfLegal(position, {MoveKind::transfer, subset}, list);
        }
    }
    addIfLegal(position, {MoveKind::forgo, 0}, list);
}

} // namespace

void legalMoves(const Position& position, MoveList& list) {
    list.size = 0;
    const int32_t mover = toMove(position);
    if (mover == NOBODY) {
        return;
    }
    if (position.phase == Phase::defend) {
        defenceMoves(position, list);
        return;
    }
    eachCard(position, MoveKind::play, position.hand[static_cast<std::size_t>(mover)], list);
    addIfLegal(position, {MoveKind::done, 0}, list);
}

} // namespace engine
