#include "game/table_fixture.h"
#include "window/table_layout.h"

using namespace table_test;

namespace {

TEST(PointInRectTest, BothEndsAreInside) {
    EXPECT_EQ(pointInRect(204, 170, actionButtonRect), 1);
    EXPECT_EQ(pointInRect(236, 202, actionButtonRect), 1);
    EXPECT_EQ(pointInRect(237, 202, actionButtonRect), 0);
    EXPECT_EQ(pointInRect(236, 203, actionButtonRect), 0);
    EXPECT_EQ(pointInRect(203, 170, actionButtonRect), 0);
    EXPECT_EQ(pointInRect(199, 140, playAreaRect), 1);
    EXPECT_EQ(pointInRect(200, 140, playAreaRect), 0);
    EXPECT_EQ(pointInRect(2, 94, playAreaRect), 1);
    EXPECT_EQ(pointInRect(-5, 100, playAreaRect), 0);
}

class PenInputTest : public TableTest {
  protected:
    void SetUp() override {
        TableTest::SetUp();
        // The human to lead.
        setUpPosition(
            {.trump = "9H", .computerHand = "7C 8C 9C TC JC QC", .humanHand = "6C 6S 7S 8S 9S TS"});
        computerAttacks = 0;
    }
    static void down(LPARAM at) { send(WM_LBUTTONDOWN, 0, at); }
    static void up(LPARAM at) { send(WM_LBUTTONUP, 0, at); }
    static void doubleTap(LPARAM at) {
        down(at);
        up(at);
        send(WM_LBUTTONDBLCLK, 0, at);
        up(at);
    }
};

TEST_F(PenInputTest, TheCornersOfThePlayAreaPlay) {
    selectCards(humanHand, "6C");
    tap(point(200, 140));
    EXPECT_EQ(cardCount(humanTableRow), 0);
    tap(point(199, 140));
    EXPECT_EQ(names(humanTableRow), "6C");
    EXPECT_EQ(cardCount(computerTableRow), 1) << "the computer answered";
}

TEST_F(PenInputTest, TheActionButtonReachesItsFarCorner) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 8D 9D TS",
                   .humanHand = "6S 7S",
                   .computerTable = "9C",
                   .humanTable = "8C"});
    down(point(237, 202));
    EXPECT_EQ(buttonPressed, 0);
    EXPECT_EQ(cardCount(humanTableRow), 1);
    down(point(236, 202));
    EXPECT_EQ(buttonPressed, 1);
    EXPECT_EQ(cardCount(humanTableRow), 0) << "ok ended the bout";
    up(point(236, 202));
    EXPECT_EQ(buttonPressed, 0);
}

TEST_F(PenInputTest, ATapClearsTheStatusEvenWhenItHitsNothing) {
    SetStatus(u"Ваш ход!");
    tap(point(220, 300));
    EXPECT_EQ(statusText, nullptr);
}

TEST_F(PenInputTest, ATapOnNothingWithNoStatusChangesNothing) {
    platform_testing::takeInvalidations();
    tap(point(220, 300));
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
    EXPECT_EQ(selectedNames(humanHand), "");
}

TEST_F(PenInputTest, AnEmptyPlayShowsItsMessageAfterTheOldOneIsCleared) {
    SetStatus(u"Ок. Ваш ход!");
    tap(point(100, 110));
    EXPECT_EQ(statusUtf8(), "   Пожалуйста выберите карты!");
}

TEST_F(PenInputTest, OneAttackingCardKeepsASingleSelection) {
    setUpPosition(
        {.trump = "9H", .computerHand = "6D 8D", .humanHand = "7S 8S 9S", .computerTable = "6S"});
    computerAttacks = 1;
    tap(pointOnHandCard("7S"));
    EXPECT_EQ(selectedNames(humanHand), "7S");
    tap(pointOnHandCard("8S"));
    EXPECT_EQ(selectedNames(humanHand), "8S");
    tap(pointOnHandCard("8S"));
    EXPECT_EQ(selectedNames(humanHand), "");
}

TEST_F(PenInputTest, SeveralAttackingCardsLetSeveralBeSelected) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 8D",
                   .humanHand = "7S 8S 9S TS",
                   .computerTable = "6S 6C"});
    computerAttacks = 1;
    for (const char* name : {"7S", "8S", "9S"}) {
        tap(pointOnHandCard(name));
    }
    EXPECT_EQ(selectedNames(humanHand), "7S 8S 9S");
    tap(pointOnHandCard("8S"));
    EXPECT_EQ(selectedNames(humanHand), "7S 9S");
}

TEST_F(PenInputTest, OnceACoverLiesTheSelectionIsSingleAgain) {
    // The computer threw in a second card after the human covered the first.
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 8D",
                   .humanHand = "7S 8S 9S TS",
                   .computerTable = "6S 6C",
                   .humanTable = "TC"});
    computerAttacks = 1;
    tap(pointOnHandCard("7S"));
    tap(pointOnHandCard("8S"));
    EXPECT_EQ(selectedNames(humanHand), "8S");
}

TEST_F(PenInputTest, TheActionButtonTakesWhileTheComputerAttacks) {
    setUpPosition(
        {.trump = "9H", .computerHand = "KC AC QD", .humanHand = "6S 8S", .computerTable = "7C"});
    computerAttacks = 1;
    humanHandAtLead = 6;
    tap(point(220, 186));
    EXPECT_NE(names(humanHand).find("7C"), std::string::npos) << names(humanHand);
    EXPECT_EQ(statusUtf8(), "Вы взяли 1 ");
    EXPECT_EQ(computerAttacks, 1) << "the computer leads again";
}

TEST_F(PenInputTest, TheActionButtonRunsOnlyOneOperation) {
    // ok hands the lead to the computer; the same tap must not then take.
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 8D 9D TS",
                   .humanHand = "6S 7S",
                   .computerTable = "9C",
                   .humanTable = "8C"});
    tap(point(220, 186));
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(cardCount(computerTableRow), 1) << "the computer's new lead is still on the table";
    EXPECT_EQ(cardCount(humanHand), 6);
}

TEST_F(PenInputTest, TheButtonIsDrawnPressedBeforeItsOperationRuns) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 8D 9D TS",
                   .humanHand = "6S 7S",
                   .computerTable = "9C",
                   .humanTable = "8C"});
    down(point(220, 186));
    const auto marks = platform_testing::takeInvalidations();
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks[0].rect.left, 204);
    EXPECT_EQ(marks[0].rect.top, 170);
    EXPECT_EQ(marks[0].erase, FALSE);
}

TEST_F(PenInputTest, APenLiftedAwayFromTheButtonsLeavesThemPressed) {
    down(point(220, 136));
    EXPECT_EQ(buttonPressed, 1);
    EXPECT_EQ(humanHand.sortMode, SORT_BY_SUIT);
    up(point(100, 300));
    EXPECT_EQ(buttonPressed, 1);
    up(point(220, 136));
    EXPECT_EQ(buttonPressed, 0);
}

TEST_F(PenInputTest, LaterStepsRunOnTheNewGameAfterAWin) {
    // The human's last card wins (Japanese, nothing to draw); the pen-down
    // handler then goes on with the same point on the new table.
    setUpPosition({.type = 4, .computerHand = "6S 7S", .humanHand = "8C", .talon = 0});
    selectCards(humanHand, "8C");
    tap(point(100, 110));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Вы победили!"});
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(selectedNames(humanHand), "") << "the play area holds no card to select";
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
}

TEST_F(PenInputTest, ADoubleTapWithTheOptionOffActsAsOneTap) {
    doubleTapPlays = 0;
    doubleTap(pointOnHandCard("6C"));
    EXPECT_EQ(selectedNames(humanHand), "6C");
    EXPECT_EQ(cardCount(humanTableRow), 0);
}

TEST_F(PenInputTest, ADoubleTapWithTheOptionOnPlaysThatCardAlone) {
    doubleTapPlays = 1;
    selectCards(humanHand, "TS");
    const LPARAM at = pointOnHandCard("6C");
    down(at);
    up(at);
    SetStatus(u"x");
    send(WM_LBUTTONDBLCLK, 0, at);
    up(at);
    EXPECT_EQ(names(humanTableRow), "6C");
    EXPECT_EQ(selectedNames(humanHand), "");
    EXPECT_EQ(cardCount(computerTableRow), 1);
}

TEST_F(PenInputTest, ADoubleTapOnNothingOnlyClearsTheStatus) {
    doubleTapPlays = 1;
    selectCards(humanHand, "6C");
    SetStatus(u"x");
    send(WM_LBUTTONDBLCLK, 0, point(100, 110));
    EXPECT_EQ(statusText, nullptr);
    EXPECT_EQ(cardCount(humanTableRow), 0) << "the play area is not a card";
}

TEST_F(PenInputTest, ADoubleTapDuringTheThrowInPhaseAddsTheCard) {
    doubleTapPlays = 1;
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 8D 9D TS",
                   .humanHand = "7S 7H KS",
                   .humanTable = "7C"});
    throwInAllowance = 3;
    send(WM_LBUTTONDBLCLK, 0, pointOnHandCard("7S"));
    EXPECT_EQ(names(humanTableRow), "7C 7S");
    EXPECT_EQ(throwInAllowance, 2);
    EXPECT_EQ(cardCount(computerTableRow), 0) << "the computer does not answer";
}

} // namespace
