// SPDX-License-Identifier: MIT
// The beginner: the lowest card that does the job, no memory, no foresight.
#include "players/players.h"

namespace players {

using namespace engine;

namespace {

// The lowest card by rank, a non-trump before a trump, none for no cards.
CardIndex lowestCard(const Position& position, CardSet cards) {
    const CardSet plain = cards & ~suitCards(position.trumpSuit);
    const CardSet pool = plain != 0 ? plain : cards;
    const uint32_t ranks = ranksOf(pool);
    return ranks == 0 ? -1 : lowest(pool & rankCards(std::countr_zero(ranks) + 6));
}

Move playLowest(const Position& position, CardSet cards) {
    for (; cards != 0;) {
        const CardIndex card = lowestCard(position, cards);
        if (isLegal(position, {MoveKind::play, bit(card)})) {
            return {MoveKind::play, bit(card)};
        }
        cards &= ~bit(card);
    }
    return {MoveKind::done, 0};
}

Move defend(const Position& position, CardSet hand) {
    if (count(position.attack) - count(position.cover) > 1) {
        const Move several{MoveKind::cover, greedyCover(position, position.attack, hand)};
        return several.cards != 0 && isLegal(position, several) ? several : Move{MoveKind::take, 0};
    }
    const CardSet beating = beatingCards(position, hand, position.lastAttack);
    if (beating == 0) {
        return {MoveKind::take, 0};
    }
    const Move cover{MoveKind::cover, bit(lowestCard(position, beating))};
    return isLegal(position, cover) ? cover : Move{MoveKind::take, 0};
}

} // namespace

Move beginnerMove(const Position& position) {
    const CardSet hand = position.hand[toMove(position) == NORTH ? 1 : 0];
    switch (position.phase) {
    case Phase::defend:
        return defend(position, hand);
    case Phase::lead:
        return {MoveKind::play, bit(lowestCard(position, hand))};
    default:
        return playLowest(position, cardsOfRanks(hand, ranksOf(position.attack | position.cover)));
    }
}

} // namespace players
