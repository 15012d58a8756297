#include "cards/table.h"
#include "computer/attack.h"
#include "computer_fixture.h"
#include "game/game_state.h"

namespace {

// The human has covered everything; eights and tens lie on the table.
// Hearts are trump (KH turned up) and the computer attacks.
class ComputerThrowInTest : public ComputerTest {
  protected:
    void SetUp() override {
        ComputerTest::SetUp();
        setTrump("KH");
        setTalon(3);
        computerAttacks = 1;
        transferOpen = 1;
        fill(computerTableRow, "8C TD");
        fill(humanTableRow, "9C JD");
        fill(humanHand, "6D 7D QS");
    }
};

TEST_F(ComputerThrowInTest, LowestPlainCardOfATableRankComesFirst) {
    computerHand.sortMode = SORT_BY_SUIT;
    fill(computerHand, "6C TS 8H 8S AD JC");
    EXPECT_EQ(ComputerThrowIn(1), 1);
    EXPECT_EQ(names(computerTableRow), "8C TD 8S");
    EXPECT_EQ(names(computerHand), "6C 8H TS JC AD") << "left in rank order";
    EXPECT_EQ(computerHand.sortMode, SORT_BY_RANK);
    EXPECT_EQ(transferOpen, 0);
}

TEST_F(ComputerThrowInTest, RanksOfTheHumansCoversCountToo) {
    fill(computerHand, "6C JS AD");
    EXPECT_EQ(ComputerThrowIn(0), 1);
    EXPECT_EQ(names(computerTableRow), "8C TD JS");
}

TEST_F(ComputerThrowInTest, TrumpOfATableRankOnlyDuringTheAttack) {
    fill(computerHand, "6C 8H QD");
    EXPECT_EQ(ComputerThrowIn(0), 0) << "the human is taking: no trumps";
    EXPECT_EQ(names(computerTableRow), "8C TD");
    EXPECT_EQ(ComputerThrowIn(1), 1);
    EXPECT_EQ(names(computerTableRow), "8C TD 8H");
}

TEST_F(ComputerThrowInTest, TrumpThrowInStillObeysConservation) {
    setTalon(5);
    fill(computerHand, "6C 8H QD");
    EXPECT_EQ(ComputerThrowIn(1), 0) << "8H is held back with 5 in the talon";
    EXPECT_EQ(names(computerHand), "6C 8H QD");
}

TEST_F(ComputerThrowInTest, NothingOfATableRankAddsNothing) {
    fill(computerHand, "6C 7S QD AH");
    EXPECT_EQ(ComputerThrowIn(1), 0);
    EXPECT_EQ(names(computerTableRow), "8C TD");
    EXPECT_EQ(transferOpen, 0);
}

TEST_F(ComputerThrowInTest, EmptyHumanHandGetsNothing) {
    clear(humanHand);
    fill(computerHand, "8D TS");
    EXPECT_EQ(ComputerThrowIn(1), 0);
    EXPECT_EQ(names(computerTableRow), "8C TD");
    EXPECT_EQ(transferOpen, 0);
}

TEST_F(ComputerThrowInTest, JapaneseHighSpadeWaitsForTheSecondPass) {
    setGameType(4);
    setJapaneseTrump();
    setTalon(19);
    clear(computerTableRow);
    clear(humanTableRow);
    fill(computerTableRow, "QC");
    fill(humanTableRow, "KC");
    fill(computerHand, "QS 6H");
    EXPECT_EQ(ComputerThrowIn(0), 0) << "QS is held back while the human takes";
    EXPECT_EQ(ComputerThrowIn(1), 1);
    EXPECT_EQ(names(computerTableRow), "QC QS");
}

TEST_F(ComputerThrowInTest, SecondPassPlaysTheLowestTrumpOfATableRank) {
    computerHand.sortMode = SORT_NONE;
    fill(computerHand, "JH TH 8H 6C");
    EXPECT_EQ(ComputerThrowIn(1), 1);
    EXPECT_EQ(names(computerTableRow), "8C TD 8H");
}

} // namespace
