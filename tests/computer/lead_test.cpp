#include "cards/table.h"
#include "computer/attack.h"
#include "computer_fixture.h"
#include "game/game_state.h"

namespace {

// The computer opens a bout. Hearts are trump (KH turned up), the hand is in
// rank order as at the start of a game, the talon holds 15 cards.
class ComputerLeadTest : public ComputerTest {
  protected:
    void SetUp() override {
        ComputerTest::SetUp();
        setTrump("KH");
        setTalon(15);
        computerAttacks = 1;
        transferOpen = 0;
    }
};

TEST_F(ComputerLeadTest, LeadOpensTheBout) {
    fill(computerHand, "6C 9D");
    fill(humanHand, "7C 8C 9C TC JC");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(humanHandAtLead, 5);
    EXPECT_EQ(transferOpen, 1);
    EXPECT_EQ(computerLed, 1);
}

TEST_F(ComputerLeadTest, EmptyHandLeadsNothing) {
    fill(humanHand, "7C 8C 9C");
    EXPECT_EQ(ComputerLead(), 0);
    EXPECT_EQ(names(computerTableRow), "");
    EXPECT_EQ(computerLed, 1);
}

TEST_F(ComputerLeadTest, PairLeadsItsFirstCardAndKeepsTheOther) {
    fill(computerHand, "JC 7C AH 9S 7D");
    fill(humanHand, "6D 8D TS QS KS AS");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "7D");
    EXPECT_EQ(names(computerHand), "7C 9S JC AH");
}

TEST_F(ComputerLeadTest, TiedPairsGoToTheLowerRankMoreCardsToTheHigher) {
    fill(computerHand, "8D TC 8S TD QC");
    fill(humanHand, "6D 8C 9S");
    EXPECT_EQ(PairRank(), 8) << "8D 8S against TC TD";
    clear(computerHand);
    fill(computerHand, "8D 8S TD TC TS");
    EXPECT_EQ(PairRank(), 10) << "three tens against two eights";
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "TD");
}

TEST_F(ComputerLeadTest, RankWindowFollowsTheTalon) {
    fill(humanHand, "6D 8C 9S");
    fill(computerHand, "QD QC 9S JC 7H");
    setTalon(11);
    EXPECT_EQ(PairRank(), 0) << "QD QC lie above the jack";
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "9S") << "lowest plain card instead";

    clear(computerTableRow);
    clear(computerHand);
    fill(computerHand, "JD JC 9S");
    EXPECT_EQ(PairRank(), 11) << "the jack itself is inside";

    clear(computerHand);
    fill(computerHand, "QD QC KD KC AD AC");
    setTalon(10);
    EXPECT_EQ(PairRank(), 12);
    clear(computerHand);
    fill(computerHand, "KD KC AD AC");
    setTalon(1);
    EXPECT_EQ(PairRank(), 13);
    clear(computerHand);
    fill(computerHand, "AD AC 9S");
    EXPECT_EQ(PairRank(), 0) << "aces wait for an empty talon";
    setTalon(0);
    EXPECT_EQ(PairRank(), 14);
}

TEST_F(ComputerLeadTest, BulkWindowFollowsTheHumansHand) {
    setGameType(2);
    setTalon(0);
    fill(computerHand, "QD QC JD JC 9S");
    fill(humanHand, "6D 7D 8D 9D TD 6C 7C 8C 9C");
    EXPECT_EQ(PairRank(), 11) << "human holds 9 cards";
    clear(computerHand);
    fill(computerHand, "QD QC 9S");
    EXPECT_EQ(PairRank(), 0);
    clear(humanHand);
    fill(humanHand, "6D 7D 8D 9D TD 6C 7C 8C");
    EXPECT_EQ(PairRank(), 12) << "human holds 8 cards";
    clear(computerHand);
    fill(computerHand, "AD AC 9S");
    EXPECT_EQ(PairRank(), 14);
}

TEST_F(ComputerLeadTest, SinglesGiveNoPairRank) {
    fill(computerHand, "6D 7C 8S 9D TH JC QD");
    EXPECT_EQ(PairRank(), 0);
}

TEST_F(ComputerLeadTest, HumanWithTwoCardsGetsNoPairAndFirstOfTheLowestPlainCards) {
    computerHand.sortMode = SORT_NONE;
    fill(computerHand, "8S 8C 9D");
    fill(humanHand, "6D 7D");
    setTalon(5);
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "8S") << "8C is not lower than 8S";
    EXPECT_EQ(names(computerHand), "8C 9D") << "the lead does not sort the hand";
}

TEST_F(ComputerLeadTest, PlainCardIsLedBeforeALowerTrump) {
    fill(computerHand, "6H 9C JD");
    fill(humanHand, "6D 7D 8C");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "9C");
}

TEST_F(ComputerLeadTest, OnlyTrumpsLeadTheLowest) {
    computerHand.sortMode = SORT_NONE;
    fill(computerHand, "JH 9H 7H");
    fill(humanHand, "6D 7D 8C");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "7H");
}

TEST_F(ComputerLeadTest, EmptyTalonLeadsACardTheHumanCannotBeat) {
    setTrump("KD");
    setTalon(0);
    fill(computerHand, "6C 9H KS");
    fill(humanHand, "7C 8S");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "9H") << "6C and KS would be beaten";
    EXPECT_EQ(names(computerHand), "6C KS");
    EXPECT_EQ(computerHand.sortMode, SORT_BY_SUIT);
}

TEST_F(ComputerLeadTest, SafeLeadOnlyWithAnEmptyTalon) {
    setTrump("KD");
    setTalon(1);
    fill(computerHand, "6C 9H KS");
    fill(humanHand, "7C 8S");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "6C");
    EXPECT_EQ(computerHand.sortMode, SORT_BY_RANK);
}

TEST_F(ComputerLeadTest, SafeLeadWhenTheComputerIsDownToTwoCards) {
    setTalon(0);
    fill(computerHand, "6C KS");
    fill(humanHand, "7C 8C 9C 7S");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "KS");
}

TEST_F(ComputerLeadTest, NoSafeCardFallsBackToTheBasicLead) {
    setTalon(0);
    computerHand.sortMode = SORT_NONE;
    fill(computerHand, "7S 6C");
    fill(humanHand, "9C 8S");
    EXPECT_EQ(FindSafeLead(), 0);
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "6C");
}

TEST_F(ComputerLeadTest, TransferVariantAvoidsARankTheHumanCouldTransfer) {
    setTrump("KD");
    setGameType(1);
    setTalon(0);
    fill(computerHand, "6C 9H KS");
    fill(humanHand, "9C 8S");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "KS") << "9H could be transferred, 6C beaten";

    setGameType(0);
    clear(computerTableRow);
    clear(computerHand);
    fill(computerHand, "6C 9H KS");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "9H") << "no transfers in this variant";
}

TEST_F(ComputerLeadTest, TransferRankDoesNotMatterWithTwoCardsLeft) {
    setTrump("KD");
    setGameType(1);
    setTalon(0);
    fill(computerHand, "9H KS");
    fill(humanHand, "9C 8S");
    EXPECT_EQ(FindSafeLead(), 1);
    EXPECT_EQ(names(computerHand), "9H KS");
}

TEST_F(ComputerLeadTest, SafeLeadAgainstAnEmptyHandIsTheFirstCard) {
    computerHand.sortMode = SORT_NONE;
    fill(computerHand, "AS 6D");
    EXPECT_EQ(FindSafeLead(), 1);
    EXPECT_EQ(names(computerHand), "6D AS");
    EXPECT_EQ(PlaySafeLead(), 1);
    EXPECT_EQ(names(computerTableRow), "6D");
    clear(computerHand);
    EXPECT_EQ(FindSafeLead(), 0);
    EXPECT_EQ(PlaySafeLead(), 0);
}

class JapaneseLeadTest : public ComputerLeadTest {
  protected:
    void SetUp() override {
        ComputerLeadTest::SetUp();
        setGameType(4);
        setJapaneseTrump();
        fill(humanHand, "6D 7D 8D 6H 8H TC");
    }
};

TEST_F(JapaneseLeadTest, ShortTalonLeadsFromTheSpadesRankNotNecessarilyTheSpade) {
    setTalon(3);
    fill(computerHand, "7C 7H 9H 9S");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "9H") << "the pair of sevens is not led";
}

TEST_F(JapaneseLeadTest, LoneSpadeOfItsRankLeavesItToTheBasicLead) {
    setTalon(3);
    fill(computerHand, "7C 7H 9S TH");
    EXPECT_EQ(JapaneseLead(), 0);
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "7H") << "first of the pair of sevens";
}

TEST_F(JapaneseLeadTest, LongTalonKeepsTheSpades) {
    setTalon(5);
    fill(computerHand, "7C 7H 9H 9S");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "7H") << "first of the pair of sevens";
}

TEST_F(JapaneseLeadTest, EmptyTalonLeadsTheLowestSpade) {
    setTalon(0);
    fill(computerHand, "6C 6S 8S QS");
    // Both hands hold more than two cards, so the safe lead is not tried.
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(names(computerTableRow), "6S");
}

TEST_F(JapaneseLeadTest, NoSpadeMeansNoJapaneseLead) {
    setTalon(0);
    fill(computerHand, "6C 7H 9D");
    EXPECT_EQ(JapaneseLead(), 0);
    EXPECT_EQ(names(computerTableRow), "");
}

} // namespace
