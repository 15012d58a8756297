// SPDX-License-Identifier: MIT
#include "agreement_fixture.h"

namespace {

class AgreementGames : public AgreementTest {
  protected:
    // Plays the games, the variants in turn, and counts who won.
    void playGames(int32_t games, std::array<int32_t, 2>& wins) {
        std::mt19937 random(20261206);
        for (int32_t game = 0; game < games; ++game) {
            playGame(game, random);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
            ++wins[static_cast<size_t>(lastWinner == 1 ? 1 : 0)];
        }
    }

    void playGame(int32_t game, std::mt19937& random) {
        const int32_t variant = game % 6;
        gameType = variant;
        transferVariant = transferVariantFor(variant);
        lastWinner = game % 7 == 0 ? -1 : lastWinner;
        randomState = RandomState{};
        randomState.state1 = 1 + game * 7919;
        // The order in which the deal will draw the 36 cards.
        std::array<int8_t, engine::CARD_COUNT> order{};
        const RandomState seeded = randomState;
        Deck fresh = deck;
        restock(fresh);
        for (int8_t& card : order) {
            int32_t rank = 0;
            int32_t suit = 0;
            draw(fresh, &rank, &suit);
            card = static_cast<int8_t>(engine::cardIndex(suit, rank));
        }
        randomState = seeded;
        Position position = engine::dealFromOrder(variant, order, lastWinner);
        position.handAtLead = {static_cast<int8_t>(humanHandAtLead),
                               static_cast<int8_t>(computerHandAtLead)};
        const Records dealt = save();
        sendRequest(REQUEST_NEW_GAME);
        platform_testing::takeMessageBoxes();
        ASSERT_TRUE(followDevice(position, describeProgram(dealt), setOf(computerHand), 2))
            << "game " << game << ": the deal differs\n  " << describeProgram(dealt);
        for (int32_t turn = 0; position.phase != engine::Phase::over; ++turn) {
            ASSERT_LT(turn, 1000) << "game " << game << " does not end";
            ASSERT_TRUE(playOneTurn(position, random)) << "game " << game << ", turn " << turn;
        }
        ASSERT_EQ(position.winner, lastWinner) << "game " << game;
    }
};

TEST_F(AgreementGames, TheProgramAcceptsExactlyTheEnginesMovesInGamesOfEveryVariant) {
    std::array<int32_t, 2> wins{};
    playGames(1200, wins);
    // Random inputs against the device's rules: the device wins most games.
    EXPECT_EQ(wins[0] + wins[1], 1200);
    EXPECT_GT(wins[0], 0);
    // The handheld's rules over the engine break ties between cards of one
    // rank by suit, where the device's hand may keep another order.
    EXPECT_GT(replayAgrees, 200 * replayDiffers) << replayAgrees << " against " << replayDiffers;
}

// The beginner and the expert play the device's side through the same game
// flow: each of their answers is a legal move of the engine.
TEST_F(AgreementGames, TheOtherOpponentsAnswerWithLegalMovesThroughTheSameFlow) {
    for (const int32_t kind : {OPPONENT_BEGINNER, OPPONENT_EXPERT}) {
        opponentKind = kind;
        std::array<int32_t, 2> wins{};
        playGames(kind == OPPONENT_BEGINNER ? 120 : 6, wins);
        opponentKind = OPPONENT_HANDHELD;
        EXPECT_EQ(wins[0] + wins[1], kind == OPPONENT_BEGINNER ? 120 : 6) << kind;
    }
}

} // namespace
