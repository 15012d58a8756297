#include "game/bout.h"

#include "computer/defence.h"
#include "table_fixture.h"

using namespace table_test;

namespace {

class BoutTest : public TableTest {
  protected:
    // The human attacks or defends with these cards selected.
    static void play(const std::string& cardNames) {
        selectCards(humanHand, cardNames);
        HumanPlay();
    }
};

// --- The human attacks -----------------------------------------------------

TEST_F(BoutTest, ALeadIsAnsweredBeforeThePlayReturns) {
    setUpPosition(
        {.trump = "9H", .computerHand = "7C 8C 9C TC JC QC", .humanHand = "6C 6S 7S 8S 9S TS"});
    play("6C");
    EXPECT_EQ(names(humanTableRow), "6C");
    EXPECT_EQ(names(computerTableRow), "QC") << "a long talon spends the highest club";
    EXPECT_EQ(computerHandAtLead, 6);
    EXPECT_EQ(computerLed, 0);
    EXPECT_EQ(transferOpen, 0) << "closed by the computer's cover";
    EXPECT_EQ(names(humanHand), "6S 7S 8S 9S TS");
}

TEST_F(BoutTest, TheComputerSeesTheTransferOpenAfterALead) {
    setUpPosition({.type = 1,
                   .trump = "9H",
                   .computerHand = "6D 6S 8C 9C TC JC",
                   .humanHand = "6C 7S 8S 9S TS JS"});
    transferOpen = 0;
    play("6C");
    EXPECT_EQ(names(computerTableRow), "6C 6D");
    EXPECT_EQ(cardCount(humanTableRow), 0);
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(statusUtf8(), "Перевод!");
}

TEST_F(BoutTest, AThrowInOfARankNotOnTheTableIsRefusedSilently) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 7D",
                   .humanHand = "7S 8D",
                   .computerTable = "9C",
                   .humanTable = "8C"});
    play("7S");
    EXPECT_EQ(names(humanTableRow), "8C");
    EXPECT_EQ(names(humanHand), "7S 8D");
    EXPECT_EQ(statusText, nullptr);
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(transferOpen, 0);
}

TEST_F(BoutTest, NoSeventhAttackingCard) {
    setUpPosition({.trump = "9H",
                   .computerHand = "AS",
                   .humanHand = "6S 7S",
                   .computerTable = "9C TC JC 9D TD JD",
                   .humanTable = "6C 7C 8C 6D 7D 8D",
                   .talon = 10});
    play("6S");
    EXPECT_EQ(statusUtf8(), "Ок (6 карт). Мой ход.");
    EXPECT_EQ(cardCount(humanTableRow), 6);
    EXPECT_EQ(names(humanHand), "6S 7S");
}

TEST_F(BoutTest, NoThrowInToAnEmptyHand) {
    setUpPosition({.trump = "9H",
                   .humanHand = "6S 7S",
                   .computerTable = "7C",
                   .humanTable = "6C",
                   .talon = 5});
    play("6S");
    EXPECT_EQ(statusUtf8(), "Ок (0 карт). Мой ход.");
    EXPECT_EQ(cardCount(humanTableRow), 1);
    EXPECT_TRUE(messageTexts().empty()) << "the talon still holds cards: nobody has won";
}

TEST_F(BoutTest, NothingSelectedAsksForCards) {
    setUpPosition({.trump = "9H", .computerHand = "6D", .humanHand = "6S 7S"});
    play("");
    EXPECT_EQ(statusUtf8(), "   Пожалуйста выберите карты!");
}

TEST_F(BoutTest, TheComputerTakesAtOnceWhenSixCardsAreAlreadyDown) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6S 7S",
                   .humanHand = "8D KS",
                   .computerTable = "9C TC JC 9D TD",
                   .humanTable = "6C 7C 8C 6D 7D",
                   .talon = 10});
    computerHandAtLead = 6;
    play("8D");
    EXPECT_EQ(cardCount(computerHand), 13);
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
    EXPECT_EQ(cardCount(humanHand), 6) << "only the human is refilled";
    EXPECT_EQ(throwInAllowance, -1);
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(statusText, nullptr);
}

TEST_F(BoutTest, ThrowInPhaseAllowsTheComputersHandSizeAtTheLeadLessOne) {
    setUpPosition({.trump = "9H", .computerHand = "6D 8D 9D TS", .humanHand = "7C 7S 7H 7D KS"});
    play("7C");
    ASSERT_EQ(throwInAllowance, 3) << "the computer cannot beat 7C";
    EXPECT_EQ(statusUtf8(), " ");

    selectCards(humanHand, "");
    HumanThrowInToTaker();
    EXPECT_EQ(statusUtf8(), " ");
    EXPECT_EQ(throwInAllowance, 3);

    selectCards(humanHand, "KS");
    HumanThrowInToTaker();
    EXPECT_EQ(throwInAllowance, 3) << "a king is not on the table";

    for (const char* name : {"7S", "7H"}) {
        selectCards(humanHand, name);
        HumanThrowInToTaker();
    }
    EXPECT_EQ(throwInAllowance, 1);
    EXPECT_EQ(names(humanTableRow), "7C 7S 7H");

    selectCards(humanHand, "7D");
    HumanThrowInToTaker();
    EXPECT_EQ(throwInAllowance, -1);
    EXPECT_EQ(cardCount(computerHand), 8);
    EXPECT_EQ(cardCount(humanTableRow), 0);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
}

TEST_F(BoutTest, TheOkButtonEndsTheThrowInPhase) {
    setUpPosition({.trump = "9H", .computerHand = "6D 8D 9D TS", .humanHand = "7C 7S KS"});
    play("7C");
    ASSERT_EQ(throwInAllowance, 3);
    EndBout(0);
    EXPECT_EQ(throwInAllowance, -1);
    EXPECT_EQ(names(computerHand), "6D 8D 9D 7C TS") << "in the suit order of its defence";
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
    EXPECT_EQ(cardCount(humanHand), 6);
}

TEST_F(BoutTest, TheOkButtonDiscardsACoveredTableAndTheComputerLeads) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6D 8D 9D TS",
                   .humanHand = "6S 7S",
                   .computerTable = "9C",
                   .humanTable = "8C"});
    const int32_t before = cardsInPlay();
    EndBout(0);
    EXPECT_EQ(cardCount(humanHand), 6) << "the human led, so he refills first";
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(computerLed, 1);
    EXPECT_EQ(cardCount(computerTableRow), 1) << "the computer opened the next bout";
    EXPECT_EQ(cardCount(computerHand) + cardCount(computerTableRow), 6);
    EXPECT_EQ(cardsInPlay(), before - 2) << "8C and 9C are out of the game";
}

TEST_F(BoutTest, TheActionButtonDoesNothingOnAnEmptyTable) {
    setUpPosition({.trump = "9H", .computerHand = "6D 8D", .humanHand = "6S 7S"});
    EndBout(0);
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(cardCount(humanHand), 2);
    computerAttacks = 1;
    HumanTakes();
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(cardCount(humanHand), 2);
    EXPECT_EQ(statusText, nullptr);
}

// --- The human defends -----------------------------------------------------

TEST_F(BoutTest, CoveringTheSixthCardEndsTheBoutWithTheLeaderRefillingFirst) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6S 7S",
                   .humanHand = "JD AS",
                   .computerTable = "6C 7C 8C 6D 7D 8D",
                   .humanTable = "9C TC JC 9D TD",
                   .talon = 5});
    computerAttacks = 1;
    computerLed = 1;
    play("JD");
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
    EXPECT_EQ(cardCount(computerHand), 6) << "the computer led: four from the talon";
    EXPECT_EQ(cardCount(humanHand), 3) << "the human got the trump card, nothing more";
    EXPECT_EQ(trumpCard.hidden, 1);
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(transferOpen, 1);
}

TEST_F(BoutTest, AFailedCoverIsSilentAndClosesTheTransfer) {
    setUpPosition({.type = 1,
                   .trump = "9H",
                   .computerHand = "6S 7S 8S",
                   .humanHand = "7D 9D",
                   .computerTable = "9C"});
    computerAttacks = 1;
    play("7D");
    EXPECT_EQ(transferOpen, 0);
    EXPECT_EQ(cardCount(humanTableRow), 0);
    EXPECT_EQ(statusText, nullptr);
    play("9D");
    EXPECT_EQ(cardCount(humanTableRow), 0) << "9D is now a cover attempt, and fails";
    EXPECT_EQ(names(computerTableRow), "9C");
}

TEST_F(BoutTest, ATransferMovesBothSevensAndTheComputerAnswersBoth) {
    setUpPosition({.type = 1,
                   .trump = "9S",
                   .computerHand = "6D 8C 8H",
                   .humanHand = "7H 8D TD QS",
                   .computerTable = "7C"});
    computerAttacks = 1;
    play("7H");
    EXPECT_EQ(names(humanTableRow), "7H 7C") << "laid in suit order by the computer's match";
    EXPECT_EQ(names(computerTableRow), "8H 8C");
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_TRUE(messageTexts().empty()) << "no question for a plain card";
}

TEST_F(BoutTest, NoTransferWhenTheComputerCouldNotCoverEverything) {
    setUpPosition({.type = 1,
                   .trump = "9S",
                   .computerHand = "8C",
                   .humanHand = "7H 8D TD QS",
                   .computerTable = "7C"});
    computerAttacks = 1;
    play("7H");
    EXPECT_EQ(cardCount(humanTableRow), 0) << "7H neither transfers nor beats 7C";
    EXPECT_EQ(transferOpen, 0);
}

TEST_F(BoutTest, ATrumpTransferIsAskedAndNoMakesItACover) {
    setUpPosition({.type = 1,
                   .trump = "9C",
                   .computerHand = "8D 6H 9H",
                   .humanHand = "7C 8S",
                   .computerTable = "7D"});
    computerAttacks = 1;
    play("7C");
    const auto boxes = platform_testing::takeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(utf8FromUtf16(boxes[0].text), "Перевод?");
    EXPECT_EQ(utf8FromUtf16(boxes[0].caption), "");
    EXPECT_EQ(boxes[0].style, 0x24u);
    EXPECT_EQ(boxes[0].result, IDNO);
    // 7C beat 7D; the computer had no seven to add, so the bout is over.
    EXPECT_EQ(statusUtf8(), "Ок. Ваш ход!");
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(names(humanHand).find("7C"), std::string::npos);
}

TEST_F(BoutTest, ATrumpTransferAnsweredYesPassesTheAttackOn) {
    setUpPosition({.type = 1,
                   .trump = "9C",
                   .computerHand = "8D 6H 9H",
                   .humanHand = "7C 8S",
                   .computerTable = "7D"});
    computerAttacks = 1;
    platform_testing::queueMessageBoxAnswer(IDYES);
    play("7C");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Перевод?"});
    // The computer cannot beat both sevens and takes them at once; the human
    // is refilled and leads.
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_NE(names(computerHand).find("7C"), std::string::npos) << names(computerHand);
    EXPECT_NE(names(computerHand).find("7D"), std::string::npos) << names(computerHand);
}

class SeveralCardsTest : public BoutTest {
  protected:
    void SetUp() override {
        BoutTest::SetUp();
        setUpPosition({.type = 1,
                       .trump = "9H",
                       .computerHand = "KS AS AD",
                       .humanHand = "7C 7D 8S JH",
                       .computerTable = "6C 6D"});
        computerAttacks = 1;
        transferOpen = 1;
    }
};

TEST_F(SeveralCardsTest, TheNumberOfSelectedCardsMustMatch) {
    play("7C");
    EXPECT_EQ(statusUtf8(), "Выберите 2 карт(ы)");
    EXPECT_EQ(cardCount(humanTableRow), 0);
    EXPECT_EQ(transferOpen, 0);
}

TEST_F(SeveralCardsTest, EveryCardMustBeBeaten) {
    play("7C 8S");
    EXPECT_EQ(statusUtf8(), "Выбраны неверные карты");
    EXPECT_EQ(cardCount(humanTableRow), 0);
    EXPECT_EQ(cardCount(humanHand), 4);
}

TEST_F(SeveralCardsTest, AMatchingSelectionCoversAllAtOnce) {
    play("7C 7D");
    EXPECT_TRUE(holds(humanHand, "8S JH")) << names(humanHand);
    EXPECT_FALSE(holds(humanHand, "7C")) << names(humanHand);
    EXPECT_FALSE(holds(humanHand, "7D")) << names(humanHand);
    EXPECT_EQ(statusText == nullptr || statusUtf8() == "Ок. Ваш ход!", true) << statusUtf8();
    // The computer has nothing of rank 6 or 7 to add: the bout is over.
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
    EXPECT_EQ(computerAttacks, 0);
}

// --- The human takes -------------------------------------------------------

TEST_F(BoutTest, TakingLetsTheComputerAddCardsOfTheRanksOnTheTable) {
    setUpPosition({.trump = "9H",
                   .computerHand = "7D 7S 8H KC AC",
                   .humanHand = "6S 8S",
                   .computerTable = "7C"});
    computerAttacks = 1;
    computerLed = 1;
    humanHandAtLead = 6;
    HumanTakes();
    EXPECT_EQ(statusUtf8(), "Вы взяли 3 ,\r\n включая 2 дополнительно.");
    EXPECT_TRUE(holds(humanHand, "7D 7C 7S")) << names(humanHand);
    EXPECT_EQ(cardCount(humanHand), 6) << "refilled after the computer";
    EXPECT_EQ(computerAttacks, 1) << "the computer opens the next bout";
    EXPECT_EQ(cardCount(computerTableRow), 1);
    EXPECT_EQ(cardCount(humanTableRow), 0);
}

TEST_F(BoutTest, TheHandSizeAtTheLeadLimitsWhatIsAdded) {
    setUpPosition({.trump = "9H",
                   .computerHand = "7D 8D 7S KC AC",
                   .humanHand = "6S 8S",
                   .computerTable = "7C 8C",
                   .humanTable = "9C"});
    computerAttacks = 1;
    humanHandAtLead = 3;
    HumanTakes();
    EXPECT_EQ(statusUtf8(), "Вы взяли 3 ,\r\n включая 1 дополнительно.");
    EXPECT_EQ(cardCount(humanHand), 6);
}

TEST_F(BoutTest, TakingWithNothingAddedCountsTheTable) {
    setUpPosition(
        {.trump = "9H", .computerHand = "KC AC QD", .humanHand = "6S 8S", .computerTable = "7C"});
    computerAttacks = 1;
    humanHandAtLead = 6;
    HumanTakes();
    EXPECT_EQ(statusUtf8(), "Вы взяли 1 ");
    EXPECT_TRUE(holds(humanHand, "6S 7C 8S")) << names(humanHand);
    EXPECT_EQ(cardCount(humanHand), 6);
}

// --- Sorting and error reports ---------------------------------------------

TEST_F(BoutTest, TheSortButtonSwitchesBetweenRankAndSuitOrder) {
    setUpPosition({.trump = "9H", .humanHand = "6S 7H 8D"});
    ToggleHandSort();
    EXPECT_EQ(humanHand.sortMode, SORT_BY_SUIT);
    EXPECT_EQ(names(humanHand), "8D 6S 7H");
    ToggleHandSort();
    EXPECT_EQ(names(humanHand), "6S 7H 8D");
    clear(humanHand);
    ToggleHandSort();
    EXPECT_EQ(humanHand.sortMode, SORT_BY_RANK) << "an empty hand keeps its order";
}

TEST_F(BoutTest, TheComputerAttackingWithOnlyTheHumansCardsDownIsReported) {
    setUpPosition({.trump = "9H", .computerHand = "6D 8D", .humanHand = "6S", .humanTable = "7C"});
    EXPECT_EQ(ComputerAttackStep(), -1);
    const auto boxes = platform_testing::takeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(utf8FromUtf16(boxes[0].text), "ERROR: xodit vrag, a activ ne pust!");
    EXPECT_EQ(utf8FromUtf16(boxes[0].caption), "");
    EXPECT_EQ(boxes[0].style, 0u);
}

TEST_F(BoutTest, ACoverWithNothingToCoverIsReported) {
    setUpPosition({.trump = "9H", .computerHand = "6D 8D", .humanHand = "6S"});
    computerAttacks = 1;
    play("6S");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"ERROR: vrag ne sdelal xod!"});
    EXPECT_EQ(names(humanHand), "6S");
}

TEST_F(BoutTest, ShowMessageCutsAtTwoHundredFiftyFourCharacters) {
    const std::u16string text(300, u'x');
    EXPECT_EQ(ShowMessage(mainWindow, u"%s", text.c_str()), -1);
    const auto boxes = platform_testing::takeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, std::u16string(254, u'x'));
    EXPECT_EQ(ShowMessage(mainWindow, u"%d карт", 5), 6);
}

} // namespace
