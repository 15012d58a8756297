#include "cards/table.h"
#include "computer/defence.h"
#include "computer_fixture.h"
#include "game/game_state.h"

namespace {

class WantsTransferTest : public ComputerTest {
  protected:
    void SetUp() override {
        ComputerTest::SetUp();
        setGameType(1);
        fill(humanTableRow, "7C");
    }
};

TEST_F(WantsTransferTest, AnAlmostEmptyHandAlwaysWantsToTransfer) {
    // Three cards in hand, one on the table: 3 - 1 <= 1 + 1.
    fill(computerHand, "8D 9D TD");
    EXPECT_TRUE(WantsTransfer(7)) << "even without a seven";
    clear(computerHand);
    fill(computerHand, "8D 9D TD JD");
    EXPECT_FALSE(WantsTransfer(7)) << "four cards and no seven";
}

TEST_F(WantsTransferTest, TwoOfTheRankTransferEvenOnAnEmptyTalon) {
    setTalon(0);
    fill(computerHand, "7D 7S 9D TD JD");
    fill(humanHand, "7H 8C");
    EXPECT_TRUE(WantsTransfer(7));
}

TEST_F(WantsTransferTest, OneOrThreeOfTheRankTransferWhileTheTalonLasts) {
    setTalon(1);
    fill(computerHand, "7D 9D TD JD");
    fill(humanHand, "7H");
    EXPECT_TRUE(WantsTransfer(7)) << "7D alone";
    addCard(computerHand, SUIT_SPADES, 7);
    addCard(computerHand, SUIT_HEARTS, 7);
    EXPECT_TRUE(WantsTransfer(7)) << "7D 7S 7H";
}

TEST_F(WantsTransferTest, EmptyTalonTransfersOnlyWhenTheHumanCannotTransferBack) {
    setTalon(0);
    fill(computerHand, "7D 7S 7H 9D TD");
    fill(humanHand, "8C 9C");
    EXPECT_TRUE(WantsTransfer(7)) << "human holds no seven";
    clear(humanHand);
    fill(humanHand, "8C 7H");
    clear(computerHand);
    fill(computerHand, "7D 7S 9D TD JD");
    EXPECT_TRUE(WantsTransfer(7)) << "a pair always transfers";
    clear(computerHand);
    fill(computerHand, "7D 9S 9D TD JD");
    EXPECT_FALSE(WantsTransfer(7)) << "7D alone, human holds 7H";
}

TEST_F(WantsTransferTest, EmptyTalonThreeOfARankTheHumanAlsoHoldsIsNotWanted) {
    setTalon(0);
    fill(computerHand, "9D 9S 9H TD JD");
    fill(humanHand, "9C 8C");
    EXPECT_FALSE(WantsTransfer(9)) << "9D 9S 9H against the human's 9C";
}

} // namespace
