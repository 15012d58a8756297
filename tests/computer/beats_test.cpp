#include "computer/defence.h"
#include "computer_fixture.h"

namespace {

class BeatsTest : public ComputerTest {
  protected:
    bool beats(const std::string& candidate, const std::string& target) {
        return Beats(cardNamed(candidate), cardNamed(target));
    }
};

TEST_F(BeatsTest, HigherCardOfTheSameSuitBeats) {
    setTrump("9H");
    EXPECT_TRUE(beats("8C", "7C"));
    EXPECT_TRUE(beats("AS", "KS"));
    EXPECT_FALSE(beats("7C", "8C")) << "7C is lower than 8C";
    EXPECT_FALSE(beats("TD", "TD")) << "equal ranks never beat";
}

TEST_F(BeatsTest, AnotherPlainSuitNeverBeats) {
    setTrump("9H");
    EXPECT_FALSE(beats("AC", "6D"));
    EXPECT_FALSE(beats("AS", "6C"));
}

TEST_F(BeatsTest, TrumpBeatsAnyPlainCardButOnlyHigherTrumps) {
    setTrump("9H");
    EXPECT_TRUE(beats("6H", "AC")) << "6H trump against AC";
    EXPECT_TRUE(beats("6H", "AS"));
    EXPECT_FALSE(beats("AC", "6H")) << "a plain card never beats a trump";
    EXPECT_TRUE(beats("TH", "7H"));
    EXPECT_FALSE(beats("7H", "TH"));
}

TEST_F(BeatsTest, JapaneseSpadesFallOnlyToHigherSpades) {
    setGameType(4);
    setJapaneseTrump();
    EXPECT_FALSE(beats("6D", "6S")) << "6D trump must not beat 6S";
    EXPECT_FALSE(beats("AD", "6S"));
    EXPECT_TRUE(beats("7S", "6S"));
    EXPECT_FALSE(beats("6S", "7S"));
    EXPECT_TRUE(beats("6D", "AC")) << "trumps still beat the other suits";
    EXPECT_FALSE(beats("AS", "6D")) << "a spade is no trump";
}

TEST_F(BeatsTest, OutsideTheJapaneseGameTrumpsBeatSpades) {
    setGameType(1);
    setTrump("8D");
    EXPECT_TRUE(beats("6D", "AS"));
}

} // namespace
