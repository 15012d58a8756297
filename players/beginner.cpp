// SPDX-License-Identifier: MIT
// The beginner: the lowest card that does the job, or whatever comes to
// hand; no memory, no foresight.
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

CardIndex anyCard(CardSet cards, Random& random) {
    for (int32_t skip = random.below(count(cards)); skip > 0; --skip) {
        cards &= cards - 1;
    }
    return lowest(cards);
}

Move defend(const Position& position, CardSet hand, Random& random) {
    if (count(position.attack) - count(position.cover) > 1) {
        const Move several{MoveKind::cover, greedyCover(position, position.attack, hand)};
        return several.cards != 0 && isLegal(position, several) ? several : Move{MoveKind::take, 0};
    }
    const CardSet beating = beatingCards(position, hand, position.lastAttack);
    if (beating == 0) {
        return {MoveKind::take, 0};
    }
    const Move cover{MoveKind::cover, bit(random.below(2) == 0 ? lowestCard(position, beating)
                                                               : anyCard(beating, random))};
    return isLegal(position, cover) ? cover : Move{MoveKind::take, 0};
}

// Half the time the lowest card; else any card but a trump, at random (a
// trump only when it holds nothing else).
Move lead(const Position& position, CardSet hand, Random& random) {
    const CardSet plain = hand & ~suitCards(position.trumpSuit);
    const CardSet pool = plain != 0 ? plain : hand;
    if (hand == 0) {
        return {MoveKind::done, 0}; // no card to lead: never so in a game
    }
    if (random.below(2) == 0) {
        return {MoveKind::play, bit(lowestCard(position, hand))};
    }
    return {MoveKind::play, bit(anyCard(pool, random))};
}

} // namespace

Move beginnerMove(const Position& position, Random& random) {
    const CardSet hand = position.hand[toMove(position) == NORTH ? 1 : 0];
    switch (position.phase) {
    case Phase::defend:
        return defend(position, hand, random);
    case Phase::lead:
        return lead(position, hand, random);
    default:
        return playLowest(position, cardsOfRanks(hand, ranksOf(position.attack | position.cover)));
    }
}

} // namespace players
