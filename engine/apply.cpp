// SPDX-License-Identifier: MIT
// Applying a move: the cards move, and the bout goes on as the handheld's
// game flow takes it on (refills, whose turn, the end of the game).
#include <algorithm>

#include "engine/position.h"

namespace engine {

namespace {

// The human's selected cards arrive in rank order, so the last of them lies
// on top: the highest rank, a trump after the others of that rank.
CardIndex lastInRankOrder(const Position& position, CardSet cards) {
    const int32_t rank = 31 - std::countl_zero(ranksOf(cards)) + 6;
    const CardSet ofRank = cards & rankCards(rank);
    const CardSet trump = ofRank & suitCards(position.trumpSuit);
    const CardSet plain = ofRank & ~trump;
    return trump != 0 ? lowest(trump) : 63 - std::countl_zero(plain);
}

// A side without cards wins once nothing is left to draw; the device's side
// is looked at first.
void checkOver(Position& position) {
    if (cardsToDraw(position) != 0) {
        return;
    }
    for (int32_t seat : {NORTH, SOUTH}) {
        if (position.hand[static_cast<std::size_t>(seat)] == 0) {
            position.winner = static_cast<int8_t>(seat);
            position.phase = Phase::over;
            return;
        }
    }
}

void clearTable(Position& position) {
    position.attack = 0;
    position.cover = 0;
    position.lastAttack = -1;
    position.allowance = -1;
    position.transferOpen = 1;
}

void refillBoth(Position& position) {
    refillHand(position, position.led);
    refillHand(position, 1 - position.led);
}

// Every card covered and the attacker done: the cards leave the game and
// the defender opens the next bout.
void endBout(Position& position) {
    clearTable(position);
    refillBoth(position);
    position.attacker = static_cast<int8_t>(1 - position.attacker);
    position.phase = Phase::lead;
    checkOver(position);
}

// The defender takes the table. When the device takes, only the human's
// hand is refilled; when the human takes, both are, and the device leads.
void defenderTakes(Position& position) {
    const int32_t defender = defenderOf(position);
    position.hand[static_cast<std::size_t>(defender)] |= position.attack | position.cover;
    position.shown[static_cast<std::size_t>(defender)] |= position.attack | position.cover;
    clearTable(position);
    if (defender == NORTH) {
        refillHand(position, SOUTH);
    } else {
        refillBoth(position);
    }
    position.phase = Phase::lead;
    checkOver(position);
}

void layAttack(Position& position, int32_t seat, CardSet cards, CardIndex last) {
    position.hand[static_cast<std::size_t>(seat)] &= ~cards;
    position.shown[static_cast<std::size_t>(seat)] &= ~cards;
    position.attack |= cards;
    position.lastAttack = static_cast<int8_t>(last);
}

void take(Position& position) {
    const int32_t defender = defenderOf(position);
    position.transferOpen = defender == SOUTH ? 1 : 0;
    const int32_t allowance =
        std::min<int32_t>(position.handAtLead[static_cast<std::size_t>(defender)], 6) -
        count(position.attack);
    if (allowance > 0) {
        position.phase = Phase::adding;
        position.allowance = static_cast<int8_t>(allowance);
    } else {
        defenderTakes(position);
    }
}

void cover(Position& position, CardSet cards) {
    const int32_t defender = defenderOf(position);
    position.hand[static_cast<std::size_t>(defender)] &= ~cards;
    position.shown[static_cast<std::size_t>(defender)] &= ~cards;
    position.cover |= cards;
    position.transferOpen = 0;
    position.phase = Phase::attack;
    checkOver(position);
    if (position.phase != Phase::over && defender == SOUTH && count(position.cover) >= 6) {
        endBout(position);
    }
}

void transfer(Position& position, CardSet cards) {
    const int32_t defender = defenderOf(position);
    const CardIndex last = defender == SOUTH ? lastInRankOrder(position, cards) : lowest(cards);
    layAttack(position, defender, cards, last);
    position.attacker = static_cast<int8_t>(defender);
    checkOver(position);
}

void defend(Position& position, const Move& move) {
    switch (move.kind) {
    case MoveKind::take:
        take(position);
        break;
    case MoveKind::cover:
        cover(position, move.cards);
        break;
    case MoveKind::transfer:
        transfer(position, move.cards);
        break;
    default: // forgo
        position.transferOpen = 0;
        break;
    }
}

void lead(Position& position, CardIndex card) {
    const int32_t other = defenderOf(position);
    position.handAtLead[static_cast<std::size_t>(other)] =
        static_cast<int8_t>(count(position.hand[static_cast<std::size_t>(other)]));
    position.transferOpen = 1;
    position.led = position.attacker;
    layAttack(position, position.attacker, bit(card), card);
    position.phase = Phase::defend;
    checkOver(position);
}

void add(Position& position, CardIndex card) {
    layAttack(position, position.attacker, bit(card), card);
    position.allowance = static_cast<int8_t>(position.allowance - 1);
    checkOver(position);
    if (position.phase != Phase::over && position.allowance <= 0) {
        defenderTakes(position);
    }
}

} // namespace

void refillHand(Position& position, int32_t seat) {
    CardSet& hand = position.hand[static_cast<std::size_t>(seat)];
    const int32_t target = refillTarget(position.variant);
    while (count(hand) < target && position.talonNext < position.talonEnd) {
        hand |= bit(position.talon[static_cast<std::size_t>(position.talonNext++)]);
    }
    if (position.talonNext == CARD_COUNT && !isJapanese(position.variant)) {
        // The turned-up trump card, seen by both, was the last card drawn.
        const CardSet trump = bit(position.talon[CARD_COUNT - 1]);
        position.shown[static_cast<std::size_t>(seat)] |= trump & hand;
    }
}

void apply(Position& position, const Move& move) {
    const CardIndex card = lowest(move.cards);
    switch (position.phase) {
    case Phase::lead:
        lead(position, card);
        break;
    case Phase::defend:
        defend(position, move);
        break;
    case Phase::attack:
        if (move.kind == MoveKind::done) {
            endBout(position);
        } else {
            position.transferOpen = 0;
            layAttack(position, position.attacker, move.cards, card);
            position.phase = Phase::defend;
            checkOver(position);
        }
        break;
    case Phase::adding:
        if (move.kind == MoveKind::done) {
            defenderTakes(position);
        } else {
            add(position, card);
        }
        break;
    case Phase::over:
        break;
    }
}

} // namespace engine
