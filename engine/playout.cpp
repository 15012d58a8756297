// SPDX-License-Identifier: MIT
// Random playouts by masks of cards: no list of moves is built.
#include "engine/playout.h"

namespace engine {

namespace {

CardIndex nthCard(CardSet cards, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        cards &= cards - 1;
    }
    return lowest(cards);
}

// One of the cards, or the card-less move, chosen evenly.
Move pick(CardSet cards, MoveKind kind, MoveKind none, Random& random) {
    const int32_t choice = random.below(count(cards) + 1);
    if (choice == count(cards)) {
        return {none, 0};
    }
    return {kind, bit(nthCard(cards, choice))};
}

CardSet playable(const Position& position, CardSet hand) {
    const CardSet onTable = cardsOfRanks(hand, ranksOf(position.attack | position.cover));
    const CardSet defenderHand = position.hand[static_cast<std::size_t>(defenderOf(position))];
    if (position.phase == Phase::attack) {
        return count(position.attack) < 6 && defenderHand != 0 ? onTable : 0;
    }
    return position.allowance > 0 && (position.attacker == SOUTH || defenderHand != 0) ? onTable
                                                                                       : 0;
}

// Covers or transfers when it can, taking now and then all the same.
Move randomDefence(const Position& position, CardSet hand, Random& random) {
    CardSet transfers = hand & rankCards(rankOf(position.lastAttack));
    if (transfers != 0 && !isLegal(position, {MoveKind::transfer, bit(lowest(transfers))})) {
        transfers = 0;
    }
    CardSet covers = 0;
    Move several{MoveKind::take, 0};
    if (count(position.attack) - count(position.cover) > 1) {
        several.cards = greedyCover(position, position.attack, hand);
        several.kind = several.cards != 0 ? MoveKind::cover : MoveKind::take;
    } else {
        covers = beatingCards(position, hand, position.lastAttack);
    }
    const int32_t coverOptions = count(covers) + (several.cards != 0 ? 1 : 0);
    const int32_t options = coverOptions + count(transfers);
    if (options == 0 || random.below(8) == 0) {
        return {MoveKind::take, 0};
    }
    const int32_t choice = random.below(options);
    if (choice >= coverOptions) {
        return {MoveKind::transfer, bit(nthCard(transfers, choice - coverOptions))};
    }
    return several.cards != 0 ? several : Move{MoveKind::cover, bit(nthCard(covers, choice))};
}

} // namespace

CardSet beatingCards(const Position& position, CardSet hand, CardIndex target) {
    const int32_t suit = suitOf(target);
    const CardSet higher = suitCards(suit) & ~((bit(target) << 1) - 1);
    if (isJapanese(position.variant) && suit == SUIT_SPADES) {
        return hand & higher;
    }
    const CardSet trumps = suit == position.trumpSuit ? 0 : suitCards(position.trumpSuit);
    return hand & (higher | trumps);
}

Move randomMove(const Position& position, Random& random) {
    const CardSet hand = position.hand[toMove(position) == NORTH ? 1 : 0];
    switch (position.phase) {
    case Phase::lead:
        return {MoveKind::play, bit(nthCard(hand, random.below(count(hand))))};
    case Phase::defend:
        return randomDefence(position, hand, random);
    default:
        return pick(playable(position, hand), MoveKind::play, MoveKind::done, random);
    }
}

int32_t randomPlayout(Position position, Random& random, int32_t maxMoves) {
    for (int32_t i = 0; i < maxMoves && position.phase != Phase::over; ++i) {
        if (position.hand[toMove(position) == NORTH ? 1 : 0] == 0 &&
            position.phase == Phase::lead) {
            break; // cannot happen in a game dealt by the rules
        }
        apply(position, randomMove(position, random));
    }
    return position.winner;
}

} // namespace engine
