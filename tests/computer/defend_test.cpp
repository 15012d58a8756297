#include <string>

#include "cards/table.h"
#include "computer/defence.h"
#include "computer_fixture.h"
#include "game/game_state.h"
#include "game/status_line.h"

namespace {

std::u16string status() {
    return statusText == nullptr ? u"(none)" : std::u16string(statusText);
}

// The human attacks; the computer answers. Hearts are trump unless a test
// says otherwise, the turned-up card is KH so the computer's hands below hold
// no second card of the trump card's rank.
class ComputerDefendTest : public ComputerTest {
  protected:
    void SetUp() override {
        ComputerTest::SetUp();
        setTrump("KH");
        computerAttacks = 0;
        transferOpen = 1;
    }
};

TEST_F(ComputerDefendTest, EmptyTableAfterANewDealIsLeftAlone) {
    setGameType(1);
    fill(computerHand, "KC 7D AS 6H");
    computerHand.sortMode = SORT_NONE;
    fill(humanHand, "7C 8C");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerHand), "6H 7D KC AS") << "not re-sorted by suit";
    EXPECT_EQ(computerHand.sortMode, SORT_NONE);
    EXPECT_EQ(names(computerTableRow), "");
    EXPECT_EQ(transferOpen, 1);
    EXPECT_EQ(computerAttacks, 0);
}

TEST_F(ComputerDefendTest, LongTalonBeats7CWithTheHighestClub) {
    setTalon(16);
    fill(computerHand, "8C TC AC 6D KS");
    fill(humanHand, "6H 8D 9S");
    fill(humanTableRow, "7C");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "AC");
    EXPECT_EQ(names(computerHand), "6D 8C TC KS") << "left in suit order";
    EXPECT_EQ(computerHand.sortMode, SORT_BY_SUIT);
}

TEST_F(ComputerDefendTest, ShortTalonBeats7CWithTheLowestClub) {
    setTalon(15);
    fill(computerHand, "8C TC AC 6D KS");
    fill(humanHand, "6H 8D 9S");
    fill(humanTableRow, "7C");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "8C");
}

TEST_F(ComputerDefendTest, TrumpLeadIsBeatenOnlyByAnAllowedHigherTrump) {
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "8H");
    fill(computerHand, "9H 6S 7C");
    setTalon(17);
    EXPECT_EQ(ComputerDefend(), 0) << "9H is held back with 17 in the talon";
    EXPECT_EQ(names(computerTableRow), "");
    EXPECT_EQ(transferOpen, 0);

    setTalon(16);
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "9H");
}

TEST_F(ComputerDefendTest, TrumpLeadTakesTheLowestTrumpEvenWithALongTalon) {
    setTalon(16);
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "8H");
    fill(computerHand, "JH TH 6S");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "TH");
}

TEST_F(ComputerDefendTest, TrumpLeadWithOnlyLowerTrumpsIsTaken) {
    setTalon(3);
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "JH");
    fill(computerHand, "7H TH AC");
    EXPECT_EQ(ComputerDefend(), 0);
    EXPECT_EQ(names(computerTableRow), "");
}

TEST_F(ComputerDefendTest, JapaneseSpadeWithoutAnAllowedSpadeIsTakenDespiteTrumps) {
    setGameType(4);
    setJapaneseTrump();
    setTalon(19);
    fill(humanHand, "6C 8H 9C");
    fill(humanTableRow, "9S");
    fill(computerHand, "TD AD 6S QS 7H");
    EXPECT_EQ(ComputerDefend(), 0) << "QS is held back, TD and AD cannot beat 9S";
    EXPECT_EQ(names(computerTableRow), "");

    setTalon(10);
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "QS");
}

TEST_F(ComputerDefendTest, JapaneseLongTalonSkipsAHeldBackHighSpade) {
    setGameType(5);
    setJapaneseTrump();
    setTalon(16);
    fill(humanHand, "6C 8H 9C");
    fill(humanTableRow, "9S");
    fill(computerHand, "TS QS 6D");
    transferOpen = 0;
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "TS") << "walking down from QS, which is held back";
}

TEST_F(ComputerDefendTest, UnfollowedSuitPrefersATrumpOfTheAttackedRank) {
    setTalon(3);
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "9C");
    fill(computerHand, "7H 9H 6D");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "9H");
}

TEST_F(ComputerDefendTest, UnfollowedSuitOtherwiseSpendsTheLowestAllowedTrump) {
    setTalon(3);
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "9C");
    fill(computerHand, "JH 7H 6D 6C");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "7H") << "6C is too low, so trumps are next";
}

TEST_F(ComputerDefendTest, TrumpsAreHeldBackWhileTheTalonIsLong) {
    setTalon(17);
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "9C");
    fill(computerHand, "7H 6D");
    EXPECT_EQ(ComputerDefend(), 0);
    EXPECT_EQ(names(computerHand), "6D 7H");
}

TEST_F(ComputerDefendTest, NoSuitAndNoTrumpMeansTaking) {
    setTalon(3);
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "9C");
    fill(computerHand, "6D 7S");
    EXPECT_EQ(ComputerDefend(), 0);
    EXPECT_EQ(names(computerTableRow), "");
}

TEST_F(ComputerDefendTest, EmptyHandTakes) {
    setTalon(0);
    fill(humanHand, "6C 8D 9S");
    fill(humanTableRow, "9C");
    EXPECT_EQ(ComputerDefend(), 0);
}

TEST_F(ComputerDefendTest, EmptyTalonPrefersACardWhoseRankTheHumanLacks) {
    setTalon(0);
    fill(humanTableRow, "7C");
    fill(computerHand, "8C 9C 6H");
    fill(humanHand, "8D TS");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "9C") << "the human holds an eight";
}

TEST_F(ComputerDefendTest, EmptyTalonCoverMayBeATrump) {
    setTalon(0);
    fill(humanTableRow, "7C");
    fill(computerHand, "8C 9C 6H");
    fill(humanHand, "8D 9S");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "6H");
}

TEST_F(ComputerDefendTest, EmptyTalonFallsBackToTheUsualChoice) {
    setTalon(0);
    fill(humanTableRow, "7C");
    fill(computerHand, "8C 9C 6H");
    fill(humanHand, "8D 9S 6S");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "8C");
}

TEST_F(ComputerDefendTest, EndgameCoverRefusesWithATalonTooManyCardsToBeatOrAnEmptyHand) {
    fill(humanHand, "6D");
    fill(humanTableRow, "7C 8C 9C");
    fill(computerTableRow, "TC");
    fill(computerHand, "AC");
    setTalon(0);
    EXPECT_FALSE(EndgameCover()) << "three on the human's side, one answered";
    clear(humanTableRow);
    fill(humanTableRow, "7C 9C");
    EXPECT_TRUE(EndgameCover()) << "two on the human's side, one answered";
    EXPECT_EQ(names(computerTableRow), "TC AC");

    fill(computerHand, "AD");
    clear(humanTableRow);
    fill(humanTableRow, "KD");
    clear(computerTableRow);
    setTalon(1);
    EXPECT_FALSE(EndgameCover()) << "one card still in the talon";
    EXPECT_EQ(names(computerTableRow), "");
    clear(computerHand);
    setTalon(0);
    EXPECT_FALSE(EndgameCover()) << "nothing in hand";
}

class ComputerTransferTest : public ComputerDefendTest {
  protected:
    void SetUp() override {
        ComputerDefendTest::SetUp();
        setGameType(1);
    }
};

TEST_F(ComputerTransferTest, PairOfTheRankTransfersWithThePlainCardEvenOnAnEmptyTalon) {
    setTalon(0);
    fill(humanTableRow, "7C");
    fill(computerHand, "7H 7S 9D TD JD KC");
    fill(humanHand, "8C 9S");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "7C 7S");
    EXPECT_EQ(names(humanTableRow), "");
    EXPECT_EQ(names(computerHand), "9D TD JD KC 7H");
    EXPECT_EQ(status(), u"Перевод!");
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(transferOpen, 1);
}

TEST_F(ComputerTransferTest, NoTransferWhenTheHumanCouldNotAnswerEveryCard) {
    setTalon(0);
    fill(humanTableRow, "7C");
    fill(computerHand, "7H 7S 9D TD JD KC");
    fill(humanHand, "8C");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "KC") << "covered instead";
    EXPECT_EQ(names(humanTableRow), "7C");
    EXPECT_EQ(status(), u"(none)");
    EXPECT_EQ(transferOpen, 0);
    EXPECT_EQ(computerAttacks, 0);
}

TEST_F(ComputerTransferTest, EmptyTalonAndOneOfTheRankTransfersOnlyIfTheHumanHasNone) {
    setTalon(0);
    fill(humanTableRow, "7C");
    fill(computerHand, "7D 8S 9D TD JD");
    fill(humanHand, "7H 8C 9S");
    EXPECT_EQ(ComputerDefend(), 0) << "the human holds 7H; nothing beats 7C";
    EXPECT_EQ(names(humanTableRow), "7C");
    EXPECT_EQ(transferOpen, 0);

    clear(humanHand);
    fill(humanHand, "8C 9S JS");
    transferOpen = 1;
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "7C 7D");
    EXPECT_EQ(status(), u"Перевод!");
}

TEST_F(ComputerTransferTest, EmptyTalonAndThreeOfTheRankTransfer) {
    setTalon(0);
    fill(humanTableRow, "7C");
    fill(computerHand, "7D 7S 7H 9D TD");
    fill(humanHand, "8C 9S JS");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "7C 7D");
}

TEST_F(ComputerTransferTest, ClosedOrAbsentTransferIsNotConsidered) {
    setTalon(10);
    fill(humanTableRow, "7C");
    fill(computerHand, "7D 7S 8C 9D TD");
    fill(humanHand, "8D 9S JS");
    transferOpen = 0;
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "8C");

    clear(computerTableRow);
    clear(computerHand);
    fill(computerHand, "7D 7S 8C 9D TD");
    setGameType(0);
    transferOpen = 1;
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerTableRow), "8C");
    EXPECT_EQ(transferOpen, 0);
}

// The human has just transferred 7D onto the computer's 7C.
class TransferredToComputerTest : public ComputerTransferTest {
  protected:
    void SetUp() override {
        ComputerTransferTest::SetUp();
        fill(humanTableRow, "7C 7D");
        fill(humanHand, "8D 9S JS");
        computerAttacks = 1;
        transferOpen = 1;
    }
};

TEST_F(TransferredToComputerTest, TrumpTransferBackIsJudgedAsAnAttacker) {
    setTalon(5);
    fill(computerHand, "7H 8C 9D 6S QS");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(status(), u"(none)") << "7H is held back with 5 in the talon";
    EXPECT_EQ(names(computerTableRow), "9D 8C") << "both beaten at once";
    EXPECT_EQ(names(humanTableRow), "7D 7C");
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(transferOpen, 0);
}

TEST_F(TransferredToComputerTest, TransfersBackWhenTheTrumpMayBeSpent) {
    setTalon(4);
    fill(computerHand, "7H 8C 9D 6S QS");
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(status(), u"Перевод!");
    EXPECT_EQ(names(computerTableRow), "7C 7D 7H");
    EXPECT_EQ(names(humanTableRow), "");
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(transferOpen, 1);
}

TEST_F(TransferredToComputerTest, BeatsNoneWhenItCannotBeatAll) {
    setTalon(5);
    fill(computerHand, "8C 6S QS KS");
    EXPECT_EQ(ComputerDefend(), 0);
    EXPECT_EQ(names(computerTableRow), "");
    EXPECT_EQ(selectedNames(computerHand), "");
    EXPECT_EQ(computerHand.cards.size(), 4u);
    EXPECT_EQ(computerAttacks, 0);
}

} // namespace
