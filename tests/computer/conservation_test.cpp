#include "cards/table.h"
#include "computer/defence.h"
#include "computer_fixture.h"
#include "game/game_state.h"

namespace {

class MaySpendTrumpTest : public ComputerTest {
  protected:
    // Hearts trump, turned-up 9H; the hand holds the card in question and,
    // when asked for, two more nines (9C, 9S) so trumps are no longer scarce.
    bool allowed(const std::string& name, int32_t talon, int32_t attacking, bool twoOfTrumpRank) {
        clear(computerHand);
        setTrump("9H");
        fill(computerHand, name);
        if (twoOfTrumpRank) {
            fill(computerHand, "9C 9S");
        }
        setTalon(talon);
        computerAttacks = attacking;
        return MaySpendTrump(cardNamed(name));
    }
};

TEST_F(MaySpendTrumpTest, PlainCardsAreAlwaysAllowed) {
    EXPECT_TRUE(allowed("AC", 24, 0, false));
    EXPECT_TRUE(allowed("AS", 24, 1, false));
}

TEST_F(MaySpendTrumpTest, DefenceWithFewTrumpRankCardsWaitsForTalonOf16) {
    EXPECT_FALSE(allowed("6H", 17, 0, false)) << "6H, talon 17";
    EXPECT_TRUE(allowed("6H", 16, 0, false)) << "6H, talon 16";
}

TEST_F(MaySpendTrumpTest, AttackWithFewTrumpRankCardsWaitsForTalonOf4) {
    EXPECT_FALSE(allowed("6H", 5, 1, false)) << "6H, talon 5";
    EXPECT_TRUE(allowed("6H", 4, 1, false)) << "6H, talon 4";
}

TEST_F(MaySpendTrumpTest, TwoCardsOfTheTrumpRankOpenLowTrumpsEarly) {
    EXPECT_TRUE(allowed("7H", 24, 0, true)) << "7H, talon 24";
    EXPECT_FALSE(allowed("8H", 21, 0, true)) << "8H, talon 21";
    EXPECT_TRUE(allowed("8H", 20, 0, true)) << "8H, talon 20";
    EXPECT_TRUE(allowed("TH", 19, 0, true)) << "TH, talon 19";
    EXPECT_FALSE(allowed("JH", 19, 0, true)) << "JH, talon 19";
    EXPECT_TRUE(allowed("JH", 17, 0, true)) << "JH, talon 17";
    EXPECT_FALSE(allowed("QH", 17, 1, true)) << "QH, talon 17";
}

TEST_F(MaySpendTrumpTest, TheTrumpCardItselfCountsTowardsTheTrumpRank) {
    // 9H is trump and of the turned-up rank; with 9C it makes two nines.
    clear(computerHand);
    fill(computerHand, "9H 9C 7H");
    setTalon(24);
    computerAttacks = 0;
    EXPECT_TRUE(MaySpendTrump(cardNamed("7H")));
    clear(computerHand);
    fill(computerHand, "9C 7H");
    EXPECT_FALSE(MaySpendTrump(cardNamed("7H")));
}

TEST_F(MaySpendTrumpTest, HighTrumpsDefending) {
    EXPECT_FALSE(allowed("QH", 11, 0, false)) << "QH, talon 11";
    EXPECT_TRUE(allowed("QH", 10, 0, false)) << "QH, talon 10";
    EXPECT_FALSE(allowed("KH", 6, 0, false)) << "KH, talon 6";
    EXPECT_TRUE(allowed("KH", 5, 0, false)) << "KH, talon 5";
    EXPECT_FALSE(allowed("AH", 3, 0, false)) << "AH, talon 3";
    EXPECT_TRUE(allowed("AH", 2, 0, false)) << "AH, talon 2";
    EXPECT_TRUE(allowed("JH", 16, 0, false)) << "JH, talon 16";
}

TEST_F(MaySpendTrumpTest, HighTrumpsAttacking) {
    EXPECT_FALSE(allowed("QH", 5, 1, true)) << "QH, talon 5";
    EXPECT_TRUE(allowed("QH", 4, 1, true)) << "QH, talon 4";
    EXPECT_FALSE(allowed("KH", 1, 1, true)) << "KH, talon 1";
    EXPECT_TRUE(allowed("KH", 0, 1, true)) << "KH, talon 0";
    EXPECT_FALSE(allowed("AH", 1, 1, true)) << "AH, talon 1";
    EXPECT_TRUE(allowed("AH", 0, 1, true)) << "AH, talon 0";
}

TEST_F(MaySpendTrumpTest, EmptyTalonAllowsEveryTrumpInBothColumns) {
    for (const char* name : {"6H", "TH", "QH", "KH", "AH"}) {
        EXPECT_TRUE(allowed(name, 0, 0, false)) << name << " defending";
        EXPECT_TRUE(allowed(name, 0, 1, false)) << name << " attacking";
    }
}

TEST_F(MaySpendTrumpTest, ColumnFollowsComputerAttacksAtTheTimeOfTheCall) {
    clear(computerHand);
    fill(computerHand, "6H");
    setTalon(10);
    const Card sixOfTrumps = cardNamed("6H");
    computerAttacks = 0;
    EXPECT_TRUE(MaySpendTrump(sixOfTrumps));
    computerAttacks = 1;
    EXPECT_FALSE(MaySpendTrump(sixOfTrumps));
    computerAttacks = 0;
    EXPECT_TRUE(MaySpendTrump(sixOfTrumps));
}

TEST_F(MaySpendTrumpTest, JapaneseTrumpsNeverCountAsPlentiful) {
    setGameType(5);
    setJapaneseTrump();
    fill(computerHand, "6D 6C 6S 9D");
    computerAttacks = 0;
    setTalon(17);
    EXPECT_FALSE(MaySpendTrump(cardNamed("6D"))) << "6D defending, talon 17";
    setTalon(16);
    EXPECT_TRUE(MaySpendTrump(cardNamed("9D"))) << "9D defending, talon 16";
    computerAttacks = 1;
    setTalon(5);
    EXPECT_FALSE(MaySpendTrump(cardNamed("6D"))) << "6D attacking, talon 5";
    setTalon(4);
    EXPECT_TRUE(MaySpendTrump(cardNamed("6D"))) << "6D attacking, talon 4";
}

class MaySpendSpadeTest : public ComputerTest {
  protected:
    bool allowed(const std::string& name, int32_t talon) {
        setTalon(talon);
        return MaySpendSpade(cardNamed(name));
    }
};

TEST_F(MaySpendSpadeTest, OutsideTheJapaneseGameEverythingIsAllowed) {
    setGameType(1);
    EXPECT_TRUE(allowed("AS", 24));
    EXPECT_TRUE(allowed("KS", 23));
}

TEST_F(MaySpendSpadeTest, OtherSuitsAreAllowedInTheJapaneseGame) {
    setGameType(4);
    setJapaneseTrump();
    EXPECT_TRUE(allowed("AH", 24));
    EXPECT_TRUE(allowed("AD", 24));
}

TEST_F(MaySpendSpadeTest, JapaneseHighSpadesWaitForTheTalonToShrink) {
    setGameType(5);
    setJapaneseTrump();
    EXPECT_TRUE(allowed("TS", 24)) << "TS, talon 24";
    EXPECT_FALSE(allowed("JS", 21)) << "JS, talon 21";
    EXPECT_TRUE(allowed("JS", 20)) << "JS, talon 20";
    EXPECT_FALSE(allowed("QS", 19)) << "QS, talon 19";
    EXPECT_FALSE(allowed("QS", 11)) << "QS, talon 11";
    EXPECT_TRUE(allowed("QS", 10)) << "QS, talon 10";
    EXPECT_FALSE(allowed("KS", 21)) << "KS, talon 21";
    EXPECT_FALSE(allowed("KS", 9)) << "KS, talon 9";
    EXPECT_TRUE(allowed("KS", 8)) << "KS, talon 8";
    EXPECT_FALSE(allowed("AS", 9)) << "AS, talon 9";
    EXPECT_TRUE(allowed("AS", 0)) << "AS, talon 0";
}

} // namespace
