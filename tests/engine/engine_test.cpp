// SPDX-License-Identifier: MIT
// The rules engine on hand-made positions: beating, the several-card cover,
// the legal moves of each phase and where the cards go.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/playout.h"
#include "engine/position.h"
#include "support/card_notation.h"

namespace {

using namespace engine;

CardSet cards(const std::string& names) {
    CardSet set = 0;
    for (const notation::CardName& card : notation::parseCards(names)) {
        set |= bit(cardIndex(card.suit, card.rank));
    }
    return set;
}

std::string names(CardSet set) {
    std::string text;
    for (; set != 0; set &= set - 1) {
        const CardIndex card = lowest(set);
        text += (text.empty() ? "" : " ") + notation::cardName(suitOf(card), rankOf(card));
    }
    return text;
}

// South defends against north's cards; hearts are trumps, the talon is long.
Position defending(int32_t variant, const std::string& south, const std::string& north,
                   const std::string& attack, const std::string& last) {
    Position position;
    position.variant = static_cast<int8_t>(variant);
    position.trumpSuit = isJapanese(variant) ? 1 : 2;
    position.talonEnd = 20;
    position.hand = {cards(south), cards(north)};
    position.attack = cards(attack);
    position.lastAttack = static_cast<int8_t>(lowest(cards(last)));
    position.attacker = NORTH;
    position.phase = Phase::defend;
    return position;
}

std::string moveText(const Move& move) {
    static const char* kinds[] = {"play", "cover", "transfer", "take", "done", "forgo"};
    const std::string kind = kinds[static_cast<int>(move.kind)];
    return move.cards == 0 ? kind : kind + " " + names(move.cards);
}

std::string listed(const Position& position) {
    MoveList list;
    legalMoves(position, list);
    std::string text;
    for (int32_t i = 0; i < list.size; ++i) {
        text += (i == 0 ? "" : ", ") + moveText(list.moves[static_cast<size_t>(i)]);
    }
    return text;
}

TEST(EngineTest, BeatingFollowsTheHandheldsRule) {
    struct Case {
        int32_t variant;
        const char* candidate;
        const char* target;
        bool beats;
    };
    const Case cases[] = {
        {0, "8C", "7C", true},  {0, "6C", "7C", false}, {0, "6H", "AC", true},
        {0, "7H", "8H", false}, {0, "AS", "6C", false}, {4, "6D", "7S", false},
        {4, "8S", "7S", true},  {4, "6D", "AC", true},
    };
    for (const Case& c : cases) {
        const Position position = defending(c.variant, "", "", "", "");
        EXPECT_EQ(beats(position, lowest(cards(c.candidate)), lowest(cards(c.target))), c.beats)
            << c.candidate << " on " << c.target << " in variant " << c.variant;
    }
}

TEST(EngineTest, TheSeveralCardCoverIsGreedyInSuitOrder) {
    const Position position = defending(0, "", "", "", "");
    EXPECT_EQ(names(greedyCover(position, cards("7C 8C"), cards("9C TC 6H"))), "9C TC");
    EXPECT_EQ(names(greedyCover(position, cards("7C 7S"), cards("8C 6H AD"))), "6H 8C");
    EXPECT_EQ(names(greedyCover(position, cards("7C 6H"), cards("9H 8H"))), "8H 9H");
    EXPECT_EQ(greedyCover(position, cards("7C 7H"), cards("8C 6H")), 0u);
    EXPECT_EQ(greedyCover(position, cards("7C 8C 9C"), cards("TC JC")), 0u);
}

TEST(EngineTest, LegalMovesOfEachKindOfDefence) {
    struct Case {
        int32_t variant;
        const char *south, *north, *attack, *last, *moves;
    };
    const Case cases[] = {
        {0, "8C 6H 7D", "6C 7C", "7C", "7C", "take, cover 6H, cover 8C"},
        {1, "7D 7H 9S", "6C 8C", "7C", "7C", "take, cover 7H, transfer 7D, transfer 7H, forgo"},
        {1, "7D 9S", "6C", "7C", "7C", "take, forgo"},
        {1, "7D 7S 8C 8H", "6C 6D 6S 9D", "7C 7H", "7H",
         "take, cover 8H 8C, transfer 7D 7S, transfer 7S, transfer 7D, forgo"},
        {4, "8S 6D", "6C", "7S", "7S", "take, cover 8S"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(listed(defending(c.variant, c.south, c.north, c.attack, c.last)), c.moves)
            << c.south << " against " << c.attack;
    }
}

// The turned-up trump card is the talon's last card: whoever draws it holds
// a card the other side has seen. In the Japanese variants nothing is turned
// up, so the last card drawn stays unseen.
TEST(EngineTest, TheLastCardDrawnIsShownOnlyWhenItWasTurnedUp) {
    for (int32_t variant : {0, 1, 2, 3, 4, 5}) {
        Position position = dealFromSeed(variant, 7, NOBODY);
        if (position.talonEnd != CARD_COUNT) {
            continue; // the whole pack dealt at once: nothing is drawn
        }
        const CardIndex last = position.talon[CARD_COUNT - 1];
        position.talonNext = CARD_COUNT - 2;
        position.hand[SOUTH] = 0;
        position.shown[SOUTH] = 0;
        refillHand(position, SOUTH);
        EXPECT_EQ(names(position.hand[SOUTH] & bit(last)), names(bit(last))) << variant;
        EXPECT_EQ(names(position.shown[SOUTH]), isJapanese(variant) ? "" : names(bit(last)))
            << variant;
    }
}

// Every random move of a playout is a legal one, in every variant, all the
// way to the end of the game, and a random playout plays those very moves.
TEST(EngineTest, RandomMovesAreLegalToTheEndOfTheGame) {
    Random random(11);
    for (int32_t game = 0; game < 60; ++game) {
        Position position = dealFromSeed(game % 6, 1000 + static_cast<uint64_t>(game), NOBODY);
        Random same = random;
        const int32_t playoutWinner = randomPlayout(position, same);
        int32_t moves = 0;
        while (position.phase != Phase::over && moves++ < 1000) {
            const Move move = randomMove(position, random);
            ASSERT_TRUE(isLegal(position, move)) << "game " << game << ", " << moveText(move);
            apply(position, move);
        }
        EXPECT_EQ(position.phase, Phase::over) << game;
        EXPECT_EQ(playoutWinner, position.winner) << game;
    }
}

// Against two uncovered cards the random defender covers both with the
// handheld's greedy choice, or takes.
TEST(EngineTest, RandomDefenceCoversSeveralCardsTogether) {
    const Position position = defending(0, "7C 7D 9S", "AS", "6C 6D", "6D");
    Random random(5);
    std::set<std::string> seen;
    for (int32_t i = 0; i < 64; ++i) {
        seen.insert(moveText(randomMove(position, random)));
    }
    EXPECT_EQ(seen, (std::set<std::string>{"cover 7D 7C", "take"}));
}

} // namespace
