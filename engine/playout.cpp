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

Move randomDefence(const Position& position, CardSet hand, Random& random) {
    const int32_t toBeat = count(position.attack) - count(position.cover);
    CardSet transfers = hand & rankCards(rankOf(position.lastAttack));
    if (transfers != 0 && !isLegal(position, {MoveKind::transfer, bit(lowest(transfers))})) {
        transfers = 0;
    }
    if (toBeat > 1) {
        const CardSet cover = greedyCover(position, position.attack, hand);
        const int32_t options = count(transfers) + (cover != 0 ? 2 : 1);
        const int32_t choice = random.below(options);
        if (choice < count(transfers)) {
            return {MoveKind::transfer, bit(nthCard(transfers, choice))};
        }
        return choice == count(transfers) ? Move{MoveKind::take, 0} : Move{MoveKind::cover, cover};
    }
    const CardSet covers = beatingCards(position, hand, position.lastAttack);
    const int32_t choice = random.below(count(covers) + count(transfers) + 1);
    if (choice < count(covers)) {
        return {MoveKind::cover, bit(nthCard(covers, choice))};
    }
    if (choice < count(covers) + count(transfers)) {
        return {MoveKind::transfer, bit(nthCard(transfers, choice - count(covers)))};
    }
    return {MoveKind::take, 0};
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
    const CardSet hand = position.hand[static_cast<std::size_t>(toMove(position))];
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
        if (position.hand[static_cast<std::size_t>(toMove(position))] == 0 &&
            position.phase == Phase::lead) {
            break; // cannot happen in a game dealt by the rules
        }
        apply(position, randomMove(position, random));
    }
    return position.winner;
}

} // namespace engine
