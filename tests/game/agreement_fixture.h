// SPDX-License-Identifier: MIT
// The rules engine against the program (agreement_test.cpp): games of all six variants played
// through the real main window, where at every point the human may act each
// input (a selection tapped onto the play area, with either answer to the
// transfer question, and the action button) is tried on a copy of the
// program-wide records. The inputs the program accepts must be exactly the
// engine's legal moves, with the same position after the device's answer,
// and every game must end with the same winner.
#pragma once
#include <optional>
#include <random>
#include <tuple>

#include "engine/position.h"
#include "game/end_of_game.h"
#include "opponents/opponent.h"
#include "players/players.h"
#include "table_fixture.h"

namespace agreement {

using engine::CardSet;
using engine::Move;
using engine::MoveKind;
using engine::Position;

inline CardSet setOf(const CardRow& row) {
    CardSet set = 0;
    for (const Card& card : row.cards) {
        set |= engine::bit(engine::cardIndex(card.suit, card.rank));
    }
    return set;
}

inline std::string namesOf(CardSet set) {
    std::string text;
    for (; set != 0; set &= set - 1) {
        const engine::CardIndex card = engine::lowest(set);
        text += notation::cardName(engine::suitOf(card), engine::rankOf(card));
    }
    return text;
}

// What both sides must agree on, in one line.
inline std::string describe(const Position& p) {
    if (p.phase == engine::Phase::over) {
        return "winner " + std::to_string(p.winner);
    }
    CardSet talon = 0;
    for (int32_t i = p.talonNext; i < p.talonEnd; ++i) {
        talon |= engine::bit(p.talon[static_cast<size_t>(i)]);
    }
    const bool bout = p.phase != engine::Phase::lead;
    // The card laid last is the one to beat, and the rank of a transfer.
    const bool lastMatters =
        p.phase == engine::Phase::defend &&
        (p.transferOpen == 1 || engine::count(p.attack) - engine::count(p.cover) == 1);
    return "S " + namesOf(p.hand[0]) + " N " + namesOf(p.hand[1]) + " A " + namesOf(p.attack) +
           " C " + namesOf(p.cover) + " last " +
           namesOf(lastMatters ? engine::bit(p.lastAttack) : 0) + " attacker " +
           std::to_string(p.attacker) + " phase " + std::to_string(static_cast<int>(p.phase)) +
           " talon " + namesOf(talon) + " open " +
           std::to_string(bout && engine::hasTransfers(p.variant) ? p.transferOpen : 1) + " led " +
           std::to_string(p.led) + " at lead " + std::to_string(p.handAtLead[0]) + "," +
           std::to_string(p.handAtLead[1]) + " allowance " + std::to_string(p.allowance);
}

// Everything the program keeps about a game, to try an input and go back.
struct Records {
    std::vector<Card> rows[4];
    int32_t sortModes[4];
    int32_t trumpSuits[4];
    Card trump, talon;
    Deck cards;
    RandomState random;
    int32_t flags[7];
    std::array<uint32_t, 3> wins;
};
inline CardRow* const programRows[4] = {&computerHand, &computerTableRow, &humanTableRow,
                                        &humanHand};
inline int32_t* const programFlags[7] = {&computerAttacks, &transferOpen,       &computerLed,
                                         &lastWinner,      &computerHandAtLead, &humanHandAtLead,
                                         &throwInAllowance};

inline Records save() {
    Records r{};
    for (int i = 0; i < 4; ++i) {
        r.rows[i] = programRows[i]->cards;
        r.sortModes[i] = programRows[i]->sortMode;
        r.trumpSuits[i] = programRows[i]->trumpSuit;
    }
    for (int i = 0; i < 7; ++i) {
        r.flags[i] = *programFlags[i];
    }
    r.trump = trumpCard;
    r.talon = talonCard;
    r.cards = deck;
    r.random = randomState;
    r.wins = {computerWins, humanWins, newGameSerial};
    return r;
}

inline void restore(const Records& r) {
    for (int i = 0; i < 4; ++i) {
        programRows[i]->cards = r.rows[i];
        programRows[i]->sortMode = r.sortModes[i];
        programRows[i]->trumpSuit = r.trumpSuits[i];
    }
    for (int i = 0; i < 7; ++i) {
        *programFlags[i] = r.flags[i];
    }
    trumpCard = r.trump;
    talonCard = r.talon;
    deck = r.cards;
    randomState = r.random;
    computerWins = r.wins[0];
    humanWins = r.wins[1];
    newGameSerial = r.wins[2];
}

// The program's game in the engine's terms, as `describe` writes it; after
// a decided game, its winner.
inline std::string describeProgram(const Records& before) {
    if (computerWins != before.wins[0] || humanWins != before.wins[1]) {
        return computerWins != before.wins[0] ? "winner 1" : "winner 0";
    }
    Position p;
    p.variant = static_cast<int8_t>(gameType);
    p.hand = {setOf(humanHand), setOf(computerHand)};
    p.attacker = static_cast<int8_t>(computerAttacks == 1 ? engine::NORTH : engine::SOUTH);
    const CardRow& attackRow = computerAttacks == 1 ? computerTableRow : humanTableRow;
    p.attack = setOf(attackRow);
    p.cover = setOf(computerAttacks == 1 ? humanTableRow : computerTableRow);
    p.lastAttack = static_cast<int8_t>(
        attackRow.cards.empty()
            ? -1
            : engine::cardIndex(attackRow.cards.back().suit, attackRow.cards.back().rank));
    p.phase = throwInAllowance > 0                               ? engine::Phase::adding
              : p.attack == 0                                    ? engine::Phase::lead
              : engine::count(p.attack) > engine::count(p.cover) ? engine::Phase::defend
                                                                 : engine::Phase::attack;
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
    p.transferOpen = static_cast<int8_t>(transferOpen);
    p.led = static_cast<int8_t>(computerLed == 1 ? engine::NORTH : engine::SOUTH);
    p.handAtLead = {static_cast<int8_t>(humanHandAtLead), static_cast<int8_t>(computerHandAtLead)};
    p.allowance = static_cast<int8_t>(throwInAllowance);
    return describe(p);
}

// The device's moves from `from` on to the human's next turn (or the end)
// that lead to `target`; the cards it plays are never in its final hand.
inline bool followDevice(Position& from, const std::string& target, CardSet finalHand,
                         int32_t depth) {
    if (engine::toMove(from) != engine::NORTH) {
        return describe(from) == target;
    }
    engine::MoveList list;
    engine::legalMoves(from, list);
    for (int32_t i = 0; depth > 0 && i < list.size; ++i) {
        const Move& move = list.moves[static_cast<size_t>(i)];
        Position next = from;
        engine::apply(next, move);
        if ((move.cards & finalHand) == 0 && followDevice(next, target, finalHand, depth - 1)) {
            from = next;
            return true;
        }
    }
    return false;
}

// The selections worth trying: every single card and, with several cards
// to beat, the sets of up to one card more than there are to beat (from the
// cards that beat, the cards of the attacked rank and two others when the
// hand is large).
inline std::vector<CardSet> selections(const Position& p, std::mt19937& random) {
    const CardSet hand = p.hand[engine::SOUTH];
    std::vector<CardSet> found;
    for (CardSet rest = hand; rest != 0; rest &= rest - 1) {
        found.push_back(engine::bit(engine::lowest(rest)));
    }
    const int32_t toBeat = engine::count(p.attack);
    if (p.phase != engine::Phase::defend || p.cover != 0 || toBeat < 2) {
        return found;
    }
    CardSet pool = hand;
    if (engine::count(hand) > 8) {
        pool &= engine::rankCards(engine::rankOf(p.lastAttack));
        for (CardSet rest = hand; rest != 0; rest &= rest - 1) {
            const engine::CardIndex card = engine::lowest(rest);
            for (CardSet a = p.attack; a != 0; a &= a - 1) {
                pool |= engine::beats(p, card, engine::lowest(a)) ? engine::bit(card) : 0;
            }
        }
        for (int i = 0; i < 2; ++i) {
            pool |= engine::bit(static_cast<engine::CardIndex>(random() % 36)) & hand;
        }
    }
    for (CardSet subset = pool; subset != 0; subset = (subset - 1) & pool) {
        const int32_t size = engine::count(subset);
        if (size >= 2 && size <= std::min(toBeat + 1, 4)) {
            found.push_back(subset);
        }
    }
    return found;
}

struct Input {
    CardSet selection = 0; // 0: the action button
    int answer = IDNO;     // to the transfer question, if it is asked
};

} // namespace agreement

using namespace agreement;

class AgreementTest : public TableTest {
  protected:
    // Selects the cards and taps the play area, or taps the action button.
    static void give(const Input& input) {
        for (Card& card : humanHand.cards) {
            card.selected =
                (input.selection >> engine::cardIndex(card.suit, card.rank)) & 1 ? 1 : 0;
        }
        platform_testing::queueMessageBoxAnswer(input.answer);
        tap(input.selection != 0 ? table_test::point(100, 110) : table_test::point(220, 186));
        bool asked = false;
        for (const auto& box : platform_testing::takeMessageBoxes()) {
            asked = asked || (box.style & 0x0F) == MB_YESNO;
        }
        if (!asked) { // the queued answer is still waiting: a box of our own takes it
            MessageBoxW(nullptr, u"", u"", MB_YESNO);
            platform_testing::takeMessageBoxes();
        }
        platform_testing::takeInvalidations();
    }

    // The engine's move that turns `engine` into what the input made of the
    // program, or none when the program refused the input.
    std::optional<Move> explain(const Position& position, const Input& input, Position& after,
                                bool& explained) {
        const Records before = save();
        const std::string was = describeProgram(before);
        give(input);
        const std::string now = describeProgram(before);
        const bool over = now.starts_with("winner");
        const CardSet finalHand = over ? 0 : setOf(computerHand);
        restore(before);
        explained = now == was;
        if (explained) {
            return std::nullopt;
        }
        const MoveKind kinds[] = {MoveKind::play, MoveKind::cover, MoveKind::transfer,
                                  MoveKind::take, MoveKind::done,  MoveKind::forgo};
        for (MoveKind kind : kinds) {
            const bool cardless =
                kind == MoveKind::take || kind == MoveKind::done || kind == MoveKind::forgo;
            const Move move{kind, cardless ? 0 : input.selection};
            if ((cardless != (input.selection == 0) && kind != MoveKind::forgo) ||
                !engine::isLegal(position, move)) {
                continue;
            }
            after = position;
            engine::apply(after, move);
            if (followDevice(after, now, finalHand, 12)) {
                explained = true;
                return move;
            }
        }
        ADD_FAILURE() << "the program went from\n  " << was << "\nto\n  " << now
                      << "\nwhich no legal move explains (selection " << namesOf(input.selection)
                      << ", answer " << input.answer << ")\nengine " << describe(position);
        return std::nullopt;
    }

    // A refused input: the engine allows no move that it would make.
    static bool refusedByEngine(const Position& p, const Input& input) {
        if (input.selection == 0) {
            return !engine::isLegal(p, {MoveKind::done, 0}) &&
                   !engine::isLegal(p, {MoveKind::take, 0});
        }
        for (MoveKind kind : {MoveKind::play, MoveKind::cover, MoveKind::transfer}) {
            if (engine::isLegal(p, {kind, input.selection})) {
                return false;
            }
        }
        return !engine::isLegal(p, {MoveKind::forgo, 0});
    }

    // Tries every input, checks them against the engine's moves, then plays
    // one of the accepted moves at random.
    bool playOneTurn(Position& position, std::mt19937& random) {
        std::vector<Input> inputs{Input{}};
        const bool asked =
            engine::hasTransfers(position.variant) && position.phase == engine::Phase::defend;
        for (CardSet selection : selections(position, random)) {
            inputs.push_back({selection, IDYES});
            if (asked) {
                inputs.push_back({selection, IDNO});
            }
        }
        std::vector<std::tuple<Move, Position, Input>> accepted;
        for (const Input& input : inputs) {
            Position after;
            bool explained = false;
            const std::optional<Move> move = explain(position, input, after, explained);
            if (!explained) {
                return false;
            }
            if (!move) {
                EXPECT_TRUE(refusedByEngine(position, input))
                    << describe(position) << "\nrefused: " << namesOf(input.selection);
            } else if (std::find_if(accepted.begin(), accepted.end(), [&](const auto& seen) {
                           return std::get<0>(seen) == *move;
                       }) == accepted.end()) {
                accepted.emplace_back(*move, after, input);
            }
        }
        engine::MoveList list;
        engine::legalMoves(position, list);
        for (int32_t i = 0; i < list.size; ++i) {
            const Move& move = list.moves[static_cast<size_t>(i)];
            EXPECT_TRUE(engine::count(move.cards) > 4 ||
                        std::any_of(accepted.begin(), accepted.end(),
                                    [&](const auto& seen) { return std::get<0>(seen) == move; }))
                << describe(position) << "\nthe program refuses the engine's move "
                << static_cast<int>(move.kind) << " " << namesOf(move.cards);
        }
        if (accepted.empty() || ::testing::Test::HasFailure()) {
            return false;
        }
        // Play it for real: the program must come where the trial came.
        const auto& [move, after, input] = accepted[random() % accepted.size()];
        const Records before = save();
        give(input);
        // The trial's position, unless the device may choose otherwise now.
        Position next = position;
        engine::apply(next, move);
        const std::string now = describeProgram(before);
        if (opponentKind == OPPONENT_HANDHELD) {
            countReplay(next, now);
        }
        position = after;
        if (describe(after) != now) {
            position = next;
            const CardSet finalHand = now.starts_with("winner") ? 0 : setOf(computerHand);
            EXPECT_TRUE(followDevice(position, now, finalHand, 12)) << now;
        }
        return !::testing::Test::HasFailure();
    }

    // The device's answer once more by the handheld's rules written over the
    // engine: how often it comes to the same position.
    void countReplay(Position replayed, const std::string& target) {
        while (engine::toMove(replayed) == engine::NORTH) {
            engine::apply(replayed, players::handheldMove(replayed));
        }
        ++(describe(replayed) == target ? replayAgrees : replayDiffers);
    }
    int32_t replayAgrees = 0;
    int32_t replayDiffers = 0;
};
