#include "game/end_of_game.h"

#include <memory>

#include "computer/defence.h"
#include "game/bout.h"
#include "platform/backend.h"
#include "table_fixture.h"

using namespace table_test;

namespace {

class EndOfGameTest : public TableTest {};

TEST_F(EndOfGameTest, NoWinWhileTheTrumpCardIsStillToBeDrawn) {
    setUpPosition({.trump = "9H", .computerHand = "7S 8S", .humanHand = "6C", .talon = 0});
    selectCards(humanHand, "6C");
    HumanPlay();
    EXPECT_EQ(cardCount(humanHand), 0);
    EXPECT_TRUE(messageTexts().empty());
    GameOverCheck();
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(humanWins, 0u);
}

TEST_F(EndOfGameTest, JapaneseComputerWinsTheMomentItLeadsItsLastCard) {
    setUpPosition({.type = 4, .computerHand = "6S", .humanHand = "7C 8C", .talon = 0});
    sendRequest(REQUEST_COMPUTER_ATTACK);
    const auto boxes = platform_testing::takeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(utf8FromUtf16(boxes[0].text), "Я победил!");
    EXPECT_EQ(utf8FromUtf16(boxes[0].caption), "");
    EXPECT_EQ(boxes[0].style, 0x40u);
    EXPECT_EQ(computerWins, 1u);
    EXPECT_EQ(getComputerWins(), 1u) << "stored at once";
    EXPECT_EQ(lastWinner, 1);
    // The next game is dealt and the winner has opened it.
    EXPECT_EQ(remaining(deck), 24);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(cardCount(computerHand), 5);
    EXPECT_EQ(cardCount(computerTableRow), 1);
    EXPECT_EQ(computerAttacks, 1);
}

TEST_F(EndOfGameTest, CoveringTheLastAttackWithTheLastCardWinsForTheHuman) {
    setUpPosition({.trump = "9H",
                   .trumpDealt = true,
                   .computerHand = "AS",
                   .humanHand = "8C",
                   .computerTable = "7C",
                   .talon = 0});
    computerAttacks = 1;
    computerLed = 1;
    selectCards(humanHand, "8C");
    HumanPlay();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Вы победили!"});
    EXPECT_EQ(humanWins, 1u);
    EXPECT_EQ(getHumanWins(), 1u);
    EXPECT_EQ(lastWinner, 0);
    EXPECT_EQ(computerAttacks, 0) << "the human opens the next game";
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(cardCount(computerHand), 6);
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
}

TEST_F(EndOfGameTest, BothHandsEmptyScoresTheComputerOnly) {
    setUpPosition({.trump = "9H", .trumpDealt = true, .talon = 0});
    GameOverCheck();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Я победил!"});
    EXPECT_EQ(computerWins, 1u);
    EXPECT_EQ(humanWins, 0u);
}

TEST_F(EndOfGameTest, WinCountsAreStoredAfterEveryGame) {
    std::vector<std::string> shown;
    for (int i = 0; i < 3; ++i) {
        setUpPosition({.trump = "9H", .trumpDealt = true, .computerHand = "6D", .talon = 0});
        GameOverCheck();
        for (const std::string& text : messageTexts()) {
            shown.push_back(text);
        }
    }
    setUpPosition({.trump = "9H", .trumpDealt = true, .humanHand = "6D", .talon = 0});
    GameOverCheck();
    for (const std::string& text : messageTexts()) {
        shown.push_back(text);
    }
    EXPECT_EQ(ReadSetting(u"statu"), 3u);
    EXPECT_EQ(ReadSetting(u"statc"), 1u);
    EXPECT_EQ(shown, (std::vector<std::string>{"Вы победили!", "Вы победили!", "Вы победили!",
                                               "Я победил!"}));
}

TEST_F(EndOfGameTest, NothingHappensWhileBothSidesHoldCards) {
    setUpPosition(
        {.trump = "9H", .trumpDealt = true, .computerHand = "6D", .humanHand = "7D", .talon = 0});
    const uint32_t serial = newGameSerial;
    GameOverCheck();
    EXPECT_EQ(newGameSerial, serial);
    EXPECT_TRUE(messageTexts().empty());
}

// Remembers what the buttons looked like when the box came up.
class ButtonWatchingBackend : public platform::Backend {
  public:
    explicit ButtonWatchingBackend(int32_t* seen) : seen_(seen) {}
    platform::InputEvent waitEvent() override { return {}; }
    std::optional<int> answerMessageBox(const platform::MessageBoxInfo& /*box*/) override {
        *seen_ = buttonPressed;
        return IDOK;
    }

  private:
    int32_t* seen_;
};

TEST_F(EndOfGameTest, PressedButtonsAreReleasedBeforeTheWinIsShown) {
    int32_t pressedDuringBox = -1;
    platform::setBackend(std::make_unique<ButtonWatchingBackend>(&pressedDuringBox));
    setUpPosition({.trump = "9H", .trumpDealt = true, .computerHand = "6D", .talon = 0});
    buttonPressed = 1;
    GameOverCheck();
    EXPECT_EQ(pressedDuringBox, 0);
    bool actionRepainted = false;
    bool sortRepainted = false;
    for (const auto& mark : platform_testing::takeInvalidations()) {
        actionRepainted = actionRepainted || (mark.rect.left == 204 && mark.rect.top == 170);
        sortRepainted = sortRepainted || (mark.rect.left == 204 && mark.rect.top == 120);
    }
    EXPECT_TRUE(actionRepainted);
    EXPECT_TRUE(sortRepainted);
}

// --- A game decided in the middle of an operation ----------------------------

TEST_F(EndOfGameTest, EndBoutSendsNoAttackForTheGameItHasJustDecided) {
    // The computer covered with its last card; the human presses ok.
    setUpPosition({.trump = "9H",
                   .trumpDealt = true,
                   .humanHand = "8S",
                   .computerTable = "7C",
                   .humanTable = "6C",
                   .talon = 0});
    EndBout(0);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Я победил!"});
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(cardCount(computerTableRow), 1) << "the winner's lead, and nothing more";
    EXPECT_EQ(cardCount(computerHand), 5);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(cardsInPlay(), 36);
}

TEST_F(EndOfGameTest, HumanTakesEndsOnceTheComputerHasAddedItsLastCards) {
    setUpPosition({.trump = "9H",
                   .trumpDealt = true,
                   .computerHand = "7D",
                   .humanHand = "6S 8S",
                   .computerTable = "7C",
                   .talon = 0});
    computerAttacks = 1;
    humanHandAtLead = 6;
    HumanTakes();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Я победил!"});
    EXPECT_EQ(computerWins, 1u);
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(cardCount(computerTableRow), 1) << "one lead in the new game";
    EXPECT_EQ(cardCount(computerHand), 5);
    EXPECT_EQ(cardCount(humanHand), 6);
}

TEST_F(EndOfGameTest, AThrowInWithTheLastCardEndsTheThrowInPhaseWithTheGame) {
    setUpPosition({.trump = "9H",
                   .trumpDealt = true,
                   .computerHand = "6D 8D",
                   .humanHand = "7S",
                   .humanTable = "7C",
                   .talon = 0});
    throwInAllowance = 2;
    selectCards(humanHand, "7S");
    HumanThrowInToTaker();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Вы победили!"});
    EXPECT_EQ(throwInAllowance, -1) << "the new game is not in a throw-in phase";
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
    EXPECT_EQ(cardCount(computerHand), 6);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(cardsInPlay(), 36);
}

TEST_F(EndOfGameTest, TheComputerDoesNotAnswerALeadThatWonTheGame) {
    // Japanese: nothing to draw once the talon is empty.
    setUpPosition({.type = 4, .computerHand = "6S 7S", .humanHand = "8C", .talon = 0});
    selectCards(humanHand, "8C");
    HumanPlay();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Вы победили!"});
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
    EXPECT_EQ(cardCount(computerHand), 6);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
}

TEST_F(EndOfGameTest, ComputerDefendWithNothingToAnswerLeavesTheTableAlone) {
    setUpPosition({.trump = "9H", .computerHand = "6D 7D", .humanHand = "8C"});
    const std::string before = names(computerHand);
    EXPECT_EQ(ComputerDefend(), 1);
    EXPECT_EQ(names(computerHand), before);
    EXPECT_EQ(cardCount(computerTableRow), 0);
    EXPECT_EQ(cardCount(humanHand), 1);
}

} // namespace
