// SPDX-License-Identifier: MIT
// The opponents over the engine: every move they choose is legal, matches
// are the same for the same seed, and the interval printed with them.
#include <gtest/gtest.h>

#include "players/match.h"
#include "players/players.h"

namespace {

using namespace players;

TEST(PlayersTest, EveryOpponentPlaysOnlyLegalMovesAndFinishesItsGames) {
    struct Case {
        Kind a, b;
        int32_t deals;
    };
    const Case cases[] = {
        {Kind::handheld, Kind::beginner, 60},
        {Kind::beginner, Kind::beginner, 60},
        {Kind::expert, Kind::beginner, 2},
    };
    for (int32_t variant = 0; variant < 6; ++variant) {
        for (const Case& c : cases) {
            const MatchResult result = playMatch(c.deals, variant, 7, c.a, c.b, 2);
            EXPECT_EQ(result.illegal, 0) << kindName(c.a) << " " << kindName(c.b) << " " << variant;
            EXPECT_EQ(result.unfinished, 0)
                << kindName(c.a) << " " << kindName(c.b) << " " << variant;
            EXPECT_EQ(result.wins + result.losses, 2 * c.deals);
        }
    }
}

TEST(PlayersTest, AMatchIsTheSameForTheSameSeedOnAnyNumberOfThreads) {
    const MatchResult one = playMatch(40, 1, 99, Kind::handheld, Kind::beginner, 1);
    const MatchResult three = playMatch(40, 1, 99, Kind::handheld, Kind::beginner, 3);
    EXPECT_EQ(one.wins, three.wins);
    EXPECT_EQ(one.losses, three.losses);
}

TEST(PlayersTest, TheMatchReportGivesTheWilsonInterval) {
    const Interval half = wilsonInterval(50, 100);
    EXPECT_NEAR(half.low, 0.4038, 1e-4);
    EXPECT_NEAR(half.high, 0.5962, 1e-4);
    const Interval none = wilsonInterval(0, 10);
    EXPECT_NEAR(none.low, 0.0, 1e-9);
    EXPECT_NEAR(none.high, 0.2775, 1e-4);
    const MatchResult result{30, 10, 0, 0};
    EXPECT_EQ(describeMatch(result, 20, 3, Kind::expert, Kind::handheld),
              "expert against handheld, variant 3, 20 deals, 40 games\nwins 30, losses 10\n"
              "win rate of expert 75.0 % (95 % Wilson interval 59.8 % to 85.8 %)\n");
}

// The expert guesses the other hand with exactly its number of cards, and
// never guesses the turned-up trump card into it: that card is drawn last
// from the talon whatever else is hidden. Diamonds are trumps. In the first
// end game north holds 7S and 8S against one low heart and the talon is
// empty: whatever north leads is taken, and its last card wins. In the
// second the turned-up AD waits in the talon: north leads 9S, south takes
// and north draws the ace, so north wins every playout; had the ace been
// guessed into the south hand, it would cover the 9S.
TEST(PlayersTest, TheExpertWinsEveryPlayoutOfAnEndGameThatCannotBeLost) {
    using namespace engine;
    struct Case {
        CardSet north;
        int8_t turnedUp; // -1: the talon is empty
        Move best;
        bool everyMoveWins;
    };
    const Case cases[] = {
        {bit(cardIndex(4, 7)) | bit(cardIndex(4, 8)), -1, {}, true},
        {bit(cardIndex(4, 9)) | bit(cardIndex(4, 10)),
         cardIndex(SUIT_DIAMONDS, 14),
         {MoveKind::play, bit(cardIndex(4, 9))},
         false},
    };
    for (const Case& c : cases) {
        for (int8_t variant : {int8_t{0}, int8_t{1}, int8_t{2}, int8_t{3}}) {
            Position position;
            position.variant = variant;
            position.trumpSuit = int8_t{SUIT_DIAMONDS};
            position.trumpRank = c.turnedUp < 0 ? int8_t{10} : int8_t{14};
            position.attacker = NORTH;
            position.led = NORTH;
            position.hand = {bit(cardIndex(2, 6)), c.north};
            position.handAtLead = {1, 2};
            if (c.turnedUp >= 0) {
                position.talon[0] = c.turnedUp;
                position.talonEnd = 1;
            }
            Random random(5);
            ExpertReport report;
            const Move move = expertMove(position, 400, random, &report);
            EXPECT_EQ(report.playouts, 400) << int{variant};
            EXPECT_EQ(report.bestWins, 1.0) << int{variant};
            if (c.everyMoveWins) {
                EXPECT_EQ(report.secondWins, 1.0) << int{variant};
            } else {
                EXPECT_TRUE(move == c.best) << int{variant};
            }
        }
    }
}

} // namespace
