// SPDX-License-Identifier: MIT
// The game's position as the engine sees it, the opponent's move, and the
// move carried out on the program's rows as the handheld's rules do.
#include "opponents/opponent.h"
#include "opponents/game_position.h"

#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "game/bout_steps.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "game/table_view.h"
#include "platform/runtime.h"
#include "platform/window_api.h"
#include "players/players.h"
#include "settings/settings_store.h"

int32_t opponentKind = OPPONENT_HANDHELD;
LastDecision lastDecision;

namespace {

using engine::CardSet;

// Every card that has lain on the table in this game: what the human holds
// of them the device has seen.
CardSet seenOnTable = 0;
uint32_t seenInGame = 0;
engine::Random searchRandom(20261206);

CardSet setOf(const CardRow& row) {
    CardSet set = 0;
    for (const Card& card : row.cards) {
        set |= engine::bit(engine::cardIndex(card.suit, card.rank));
    }
    return set;
}

void noteTable() {
    if (seenInGame != newGameSerial) {
        seenInGame = newGameSerial;
        seenOnTable = 0;
    }
    seenOnTable |= setOf(humanTableRow) | setOf(computerTableRow);
}

engine::CardIndex lastOf(const CardRow& row) {
    return row.cards.empty() ? -1 : engine::cardIndex(row.cards.back().suit, row.cards.back().rank);
}

void fillTalon(engine::Position& p) {
    for (int32_t i = 0; i < deck.capacity; ++i) {
        if (deck.slots[i].present == 1) {
            p.talon[static_cast<size_t>(p.talonEnd++)] =
                static_cast<int8_t>(engine::cardIndex(deck.slots[i].suit, deck.slots[i].rank));
        }
    }
    if (trumpCard.hidden == 0) {
        p.talon[static_cast<size_t>(p.talonEnd++)] =
            static_cast<int8_t>(engine::cardIndex(trumpCard.suit, trumpCard.rank));
    }
}

} // namespace

// The game as either side sees it, in the given phase with the given
// attacker. The talon's order is unknown and left in slot order.
engine::Position gamePosition(engine::Phase phase, int32_t attacker) {
    noteTable();
    engine::Position p;
    p.variant = static_cast<int8_t>(gameType);
    p.trumpSuit = static_cast<int8_t>(trumpCard.suit);
    p.trumpRank = static_cast<int8_t>(trumpCard.rank);
    p.hand = {setOf(humanHand), setOf(computerHand)};
    CardSet trumpSeen = 0;
    if (!engine::isJapanese(gameType)) {
        trumpSeen = engine::bit(engine::cardIndex(trumpCard.suit, trumpCard.rank));
    }
    p.shown = {p.hand[0] & (seenOnTable | trumpSeen), p.hand[1] & (seenOnTable | trumpSeen)};
    const CardRow& attackRow = attacker == engine::NORTH ? computerTableRow : humanTableRow;
    p.attack = setOf(attackRow);
    p.cover = setOf(attacker == engine::NORTH ? humanTableRow : computerTableRow);
    p.lastAttack = static_cast<int8_t>(lastOf(attackRow));
    p.attacker = static_cast<int8_t>(attacker);
    p.phase = phase;
    fillTalon(p);
    p.transferOpen = static_cast<int8_t>(transferOpen);
    p.led = static_cast<int8_t>(computerLed == 1 ? engine::NORTH : engine::SOUTH);
    p.handAtLead = {static_cast<int8_t>(humanHandAtLead), static_cast<int8_t>(computerHandAtLead)};
    return p;
}

namespace {

engine::Move chosenMove(const engine::Position& p) {
    lastDecision = {true, p.phase, {}, {}};
    if (opponentKind == OPPONENT_EXPERT && tableWindow() != nullptr) {
        // The human's move is shown before the search begins, so a tap never
        // looks ignored while the expert thinks.
        UpdateWindow(tableWindow());
    }
    engine::Move move =
        opponentKind == OPPONENT_EXPERT
            ? players::expertMove(p, players::EXPERT_BUDGET, searchRandom, &lastDecision.report)
            : players::beginnerMove(p, searchRandom);
    if (!engine::isLegal(p, move)) {
        move = players::beginnerMove(p, searchRandom);
    }
    lastDecision.move = move;
    return move;
}

// Moves the cards of the set from the device's hand to its table row.
void playCards(CardSet cards, bool stepFirst = true) {
    if (stepFirst) {
        ShowBoutStep(STEP_CARD);
    }
    for (Card& card : computerHand.cards) {
        card.selected = (cards >> engine::cardIndex(card.suit, card.rank)) & 1 ? 1 : 0;
    }
    moveSelected(computerHand, computerTableRow);
    noteTable();
}

} // namespace

void ReadOpponentSetting() {
    opponentKind = static_cast<int32_t>(
        platform::readStoredValueAsked(StoredValue::Opponent, RequestedOpponent()));
}

void ChooseOpponent(int32_t kind) {
    if (kind < OPPONENT_HANDHELD || kind > OPPONENT_EXPERT) {
        return;
    }
    opponentKind = kind;
    lastDecision = {};
    platform::writeStoredValue(StoredValue::Opponent, static_cast<uint32_t>(kind));
}

int32_t OpponentDefend() {
    if (cardCount(humanTableRow) == 0) {
        return 1; // a new game has begun: nothing to answer
    }
    const engine::Position p = gamePosition(engine::Phase::defend, engine::SOUTH);
    const bool several = cardCount(computerTableRow) == 0 && cardCount(humanTableRow) > 1;
    const engine::Move move = chosenMove(p);
    if (move.kind == engine::MoveKind::transfer) {
        ShowBoutStep(STEP_CARD); // both cards of the transfer in one step
        selectAll(humanTableRow);
        moveSelected(humanTableRow, computerTableRow);
        playCards(move.cards, false);
        transferOpen = 1;
        AnnounceComputerTransfer();
        computerAttacks = 1;
        return 1;
    }
    transferOpen = 0;
    if (several) {
        computerAttacks = 0;
    }
    if (move.kind != engine::MoveKind::cover) {
        return 0;
    }
    playCards(move.cards);
    return 1;
}

int32_t OpponentLead() {
    if (cardCount(computerHand) == 0) {
        return 0;
    }
    humanHandAtLead = cardCount(humanHand);
    transferOpen = 1;
    computerLed = 1;
    engine::Position p = gamePosition(engine::Phase::lead, engine::NORTH);
    playCards(chosenMove(p).cards);
    return 1;
}

int32_t OpponentThrowIn(int32_t allowTrumps, int32_t adding) {
    transferOpen = 0;
    if (cardCount(humanHand) == 0) {
        return 0;
    }
    engine::Position p = gamePosition(
        allowTrumps == 1 ? engine::Phase::attack : engine::Phase::adding, engine::NORTH);
    if (allowTrumps == 0) {
        // The human takes: the engine sees the human as the defender.
        p.allowance = static_cast<int8_t>(adding);
        p.attacker = engine::NORTH;
    }
    const engine::Move move = chosenMove(p);
    if (move.kind != engine::MoveKind::play) {
        return 0;
    }
    playCards(move.cards);
    return 1;
}
