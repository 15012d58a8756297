#include "cards/table.h"
#include "computer/defence.h"
#include "computer_fixture.h"
#include "game/game_state.h"

namespace {

// Scratch rows like the ones the game builds to check a several-card cover.
class MatchAllTest : public ComputerTest {
  protected:
    CardRow attack;
    CardRow defence;

    void SetUp() override {
        ComputerTest::SetUp();
        setTrump("9S");
    }
    void build(const std::string& attackNames, const std::string& defenceNames) {
        setTrumpSuit(attack, trumpCard.suit);
        setTrumpSuit(defence, trumpCard.suit);
        fill(attack, attackNames);
        fill(defence, defenceNames);
    }
};

TEST_F(MatchAllTest, EachAttackerTakesTheCheapestFreeCardThatBeatsIt) {
    build("9H 7C", "AS TH 8C 6S JH");
    EXPECT_TRUE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "TH 8C");
}

TEST_F(MatchAllTest, PlainTargetsUseTheLowestTrumpWhenTheSuitCannotFollow) {
    build("7D 7H", "QS 8S 8H");
    EXPECT_TRUE(MatchAll(attack, defence));
    // 7D has no diamond and takes 8S, 7H takes 8H; QS stays.
    EXPECT_EQ(selectedNames(defence), "8H 8S");
}

TEST_F(MatchAllTest, TrumpTargetsComeLastAndTakeTheLowestHigherTrump) {
    build("7S 6C", "6S 8S 7C");
    EXPECT_TRUE(MatchAll(attack, defence));
    // 6C goes first (plain cards before trumps) and takes 7C; 7S takes 8S.
    EXPECT_EQ(selectedNames(defence), "7C 8S");
}

TEST_F(MatchAllTest, BothRowsAreLeftInSuitOrderWithoutASortMode) {
    attack.sortMode = SORT_BY_RANK;
    build("AS 7C 8H", "6S JH KC TD");
    MatchAll(attack, defence);
    EXPECT_EQ(names(attack), "8H 7C AS");
    EXPECT_EQ(names(defence), "TD JH KC 6S");
    EXPECT_EQ(attack.sortMode, SORT_NONE);
    EXPECT_EQ(defence.sortMode, SORT_NONE);
    // No later change re-sorts them.
    addCard(defence, SUIT_DIAMONDS, 6);
    EXPECT_EQ(names(defence), "TD JH KC 6S 6D");
}

TEST_F(MatchAllTest, ADefenderAlreadyChosenIsNotChosenAgain) {
    build("7H 8H", "6C 9H TH");
    EXPECT_TRUE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "9H TH") << "7H takes 9H, so 8H must take TH";
}

TEST_F(MatchAllTest, AnyAttackerLeftUnbeatenMeansNoMatchAndNoSelection) {
    build("7H 9H", "8H 6C TC");
    EXPECT_FALSE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "");
}

TEST_F(MatchAllTest, OneDefenderServesOnlyOneAttacker) {
    build("7H 8H", "9H 6C");
    EXPECT_FALSE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "");
}

TEST_F(MatchAllTest, TooFewDefendersOrAnEmptyRowFailWithoutTouchingTheSelection) {
    build("7H 8H 6D", "9H TH");
    defence.cards[1].selected = 1;
    EXPECT_FALSE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "TH");

    CardRow empty;
    EXPECT_FALSE(MatchAll(empty, defence));
    EXPECT_EQ(selectedNames(defence), "TH");
    EXPECT_FALSE(MatchAll(attack, empty));
}

TEST_F(MatchAllTest, ConservationDoesNotApply) {
    setTalon(24);
    build("7C", "AS");
    EXPECT_TRUE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "AS");
}

TEST_F(MatchAllTest, JapaneseSpadesNeedSpades) {
    setGameType(4);
    setJapaneseTrump();
    build("7S 7H", "6D 8D 8S");
    EXPECT_TRUE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "8S 6D") << "7H takes 6D, 7S needs 8S";
    selectNone(defence);
    clear(defence);
    fill(defence, "6D 8D 9D");
    EXPECT_FALSE(MatchAll(attack, defence));
}

} // namespace
