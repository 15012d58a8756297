// SPDX-License-Identifier: MIT
// A position of two-player Durak as the handheld plays it, as a value: the
// hands, the table, the talon in the order it will be drawn, the trump and
// the state of the bout. Seat 0 is the human's seat (south), seat 1 the
// device's (north); where the handheld treats the two differently (who may
// add to a take, whose hand a take refills, how many cards one transfer
// may pass) the rules follow the seat.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/cards.h"

namespace engine {

constexpr int32_t SOUTH = 0;
constexpr int32_t NORTH = 1;
constexpr int32_t NOBODY = -1;

enum class Phase : int8_t {
    lead,   // the attacker opens a bout on an empty table
    defend, // the defender answers one or more uncovered cards
    attack, // everything is covered: the attacker throws in or ends the bout
    adding, // the defender takes: the attacker may add up to `allowance` cards
    over,   // the game is decided: see `winner`
};

enum class MoveKind : int8_t {
    play,     // lead, throw in or add one card
    cover,    // beat the uncovered card, or all of them at once
    transfer, // pass the attack on with cards of the attacked rank
    take,     // the defender takes the table
    done,     // the attacker ends the bout, or stops adding to a take
    forgo,    // south only: a refused cover, which still closes the transfer
};

struct Move {
    MoveKind kind = MoveKind::done;
    CardSet cards = 0;
    bool operator==(const Move&) const = default;
};

struct Position {
    std::array<CardSet, 2> hand{};
    // The cards of each hand that the other side has seen: taken from the
    // table, or the turned-up trump card.
    std::array<CardSet, 2> shown{};
    CardSet attack = 0; // the attacker's cards of this bout
    CardSet cover = 0;  // the defender's cards of this bout
    // The talon in drawing order, talon[talonNext] drawn next; outside the
    // Japanese variants the turned-up trump card is its last card.
    std::array<int8_t, CARD_COUNT> talon{};
    int8_t talonNext = 0;
    int8_t talonEnd = 0;
    int8_t variant = 0; // 0..5 as the handheld numbers them
    int8_t trumpSuit = SUIT_DIAMONDS;
    int8_t trumpRank = 2; // the turned-up card's rank; 2 (none) when Japanese
    int8_t attacker = SOUTH;
    Phase phase = Phase::lead;
    int8_t lastAttack = -1; // the attacking card laid last: the one to beat
    int8_t transferOpen = 1;
    int8_t led = SOUTH; // who opened the bout on an empty table
    // Each side's hand size when the other side last opened a bout; it caps
    // what may be added when that side takes.
    std::array<int8_t, 2> handAtLead{};
    int8_t allowance = -1; // cards the attacker may still add to a take
    int8_t winner = NOBODY;
};

// The variant table of the handheld.
constexpr bool hasTransfers(int32_t variant) {
    return variant % 2 == 1;
}
constexpr bool isBulk(int32_t variant) {
    return variant == 2 || variant == 3;
}
constexpr bool isJapanese(int32_t variant) {
    return variant >= 4;
}
constexpr int32_t refillTarget(int32_t variant) {
    return isBulk(variant) ? 18 : 6;
}

constexpr int32_t defenderOf(const Position& position) {
    return 1 - position.attacker;
}
// The side to move now: the defender while cards are uncovered, otherwise
// the attacker; NOBODY once the game is decided.
constexpr int32_t toMove(const Position& position) {
    if (position.phase == Phase::over) {
        return NOBODY;
    }
    return position.phase == Phase::defend ? defenderOf(position) : position.attacker;
}
// Cards left to draw, the waiting trump card included.
constexpr int32_t cardsToDraw(const Position& position) {
    return position.talonEnd - position.talonNext;
}
// The talon as the rules count it: the waiting trump card not included.
constexpr int32_t talonSize(const Position& position) {
    const int32_t left = cardsToDraw(position);
    return left > 0 && !isJapanese(position.variant) ? left - 1 : left;
}
constexpr bool isTrump(const Position& position, CardIndex card) {
    return suitOf(card) == position.trumpSuit;
}
// The handheld's one card-beating rule (spades only by spades when Japanese).
bool beats(const Position& position, CardIndex candidate, CardIndex target);
// The handheld's several-card cover: attack and candidates each in suit
// order (trumps last), every attacking card takes the first free candidate
// that beats it. The chosen cards, or 0 when some card stays unbeaten.
CardSet greedyCover(const Position& position, CardSet attack, CardSet candidates);

// A deal from the 36 cards in the order the handheld draws them: the
// turned-up trump first (not in the Japanese variants), then the human's
// hand, the device's hand and the talon. `lastWinner` picks the first
// attacker as the handheld does: NOBODY the lower trump, else the winner.
Position dealFromOrder(int32_t variant, const std::array<int8_t, CARD_COUNT>& order,
                       int32_t lastWinner);
// The same from a shuffle by a 64-bit seed.
Position dealFromSeed(int32_t variant, uint64_t seed, int32_t lastWinner);

bool isLegal(const Position& position, const Move& move);
// Every legal move, in a fixed order. Transfers of several cards are listed
// as sets of cards of the attacked rank; `isLegal` also takes the sets with
// higher cards beside them that the human's multiple selection allows.
constexpr int32_t MAX_MOVES = 1024;
struct MoveList {
    std::array<Move, MAX_MOVES> moves;
    int32_t size = 0;
    void add(const Move& move) {
        if (size < MAX_MOVES) {
            moves[static_cast<std::size_t>(size++)] = move;
        }
    }
};
void legalMoves(const Position& position, MoveList& list);
// Applies a legal move (an illegal one is undefined).
void apply(Position& position, const Move& move);
// Tops a hand up from the talon, the turned-up trump card last.
void refillHand(Position& position, int32_t seat);

} // namespace engine
