#include <array>
#include <string>

#include "computer/defence.h"
#include "game/bout.h"
#include "game/new_game.h"
#include "table_fixture.h"

using namespace table_test;

namespace {

enum Act { Play, ThrowIn, Takes, Ok, Check, Attack, Request, Defend, First, RefillHuman };
const char* const none = "(none)";
const char* const yourMove = "Ваш ход!";
const char* const iWon = "Я победил!";
const char* const youWon = "Вы победили!";
const char* const sixSpades = "6S 7S 8S 9S TS JS";

// A position, the flags of the bout, one operation of the game and what
// follows from it. Expectations left at their defaults are not checked.
struct Scene {
    const char* label;
    int32_t type = 0;
    const char* trump = "9H";
    bool trumpDealt = false;
    const char* computer = "";
    const char* human = "";
    const char* computerTable = "";
    const char* humanTable = "";
    int32_t talon = 23;
    int32_t attacks = 0;
    int32_t led = 0;
    int32_t open = 1;
    int32_t humanAtLead = 0;
    int32_t computerAtLead = 0;
    int32_t allowance = -1;
    int32_t winner = -1; // the last game's winner
    int32_t answer = 0;  // to a question, when one is asked
    Act act = Play;
    const char* cards = ""; // the human's selection for Play and ThrowIn
    int32_t result = -9;
    const char* status = nullptr;
    const char* messages = nullptr; // the texts of the boxes shown, "|" between
    int32_t boxStyle = -1;
    const char* computerHand = nullptr;
    const char* computerTableAfter = nullptr;
    const char* humanTableAfter = nullptr;
    const char* humanHand = nullptr;
    const char* humanHolds = nullptr;
    const char* humanLacks = nullptr;
    const char* computerHolds = nullptr;
    std::array<int32_t, 4> counts = {-1, -1, -1, -1}; // computer hand, tables, human hand
    int32_t attacksAfter = -1;
    int32_t ledAfter = -1;
    int32_t openAfter = -1;
    int32_t allowanceAfter = -9;
    int32_t computerAtLeadAfter = -1;
    int32_t talonAfter = -1;
    int32_t inPlay = -1;
    std::array<int32_t, 2> wins = {-1, -1}; // computer, human: counted and stored
    int32_t winnerAfter = -9;
};

class SceneTest : public TableTest, public ::testing::WithParamInterface<Scene> {};

std::string labelOf(const ::testing::TestParamInfo<Scene>& param) {
    return param.param.label;
}

int32_t perform(const Scene& s) {
    switch (s.act) {
    case Play:
        selectCards(humanHand, s.cards);
        HumanPlay();
        return -9;
    case ThrowIn:
        selectCards(humanHand, s.cards);
        HumanThrowInToTaker();
        return -9;
    case Takes:
        HumanTakes();
        return -9;
    case Ok:
        EndBout(0);
        return -9;
    case Check:
        GameOverCheck();
        return -9;
    case Attack:
        return ComputerAttackStep();
    case Request:
        sendRequest(REQUEST_COMPUTER_ATTACK);
        return -9;
    case Defend:
        return ComputerDefend();
    case First:
        ChooseFirstAttacker();
        return -9;
    case RefillHuman:
        Refill(humanHand);
        return -9;
    }
    return -9;
}

TEST_P(SceneTest, Plays) {
    const Scene& s = GetParam();
    setUpPosition({s.type, s.trump, s.trumpDealt, s.computer, s.human, s.computerTable,
                   s.humanTable, s.talon});
    computerAttacks = s.attacks;
    computerLed = s.led;
    transferOpen = s.open;
    humanHandAtLead = s.humanAtLead;
    computerHandAtLead = s.computerAtLead;
    throwInAllowance = s.allowance;
    lastWinner = s.winner;
    if (s.answer != 0) {
        platform_testing::queueMessageBoxAnswer(s.answer);
    }
    EXPECT_EQ(perform(s), s.result);

    std::string texts;
    const auto boxes = platform_testing::takeMessageBoxes();
    for (const auto& box : boxes) {
        texts += (texts.empty() ? "" : "|") + utf8FromUtf16(box.text);
    }
    auto check = [](const char* expected, const std::string& actual) {
        if (expected != nullptr) {
            EXPECT_EQ(actual, expected);
        }
    };
    auto checkInt = [](int64_t expected, int64_t actual, int64_t unchecked) {
        if (expected != unchecked) {
            EXPECT_EQ(actual, expected);
        }
    };
    check(s.status, statusText == nullptr ? none : statusUtf8());
    check(s.messages, texts);
    if (s.boxStyle >= 0) {
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes[0].style, static_cast<uint32_t>(s.boxStyle));
    }
    check(s.computerHand, names(computerHand));
    check(s.computerTableAfter, names(computerTableRow));
    check(s.humanTableAfter, names(humanTableRow));
    check(s.humanHand, names(humanHand));
    if (s.humanHolds != nullptr) {
        EXPECT_TRUE(holds(humanHand, s.humanHolds)) << names(humanHand);
    }
    for (const CardName& card : parseCards(s.humanLacks == nullptr ? "" : s.humanLacks)) {
        EXPECT_FALSE(holds(humanHand, cardName(card.suit, card.rank))) << names(humanHand);
    }
    if (s.computerHolds != nullptr) {
        EXPECT_TRUE(holds(computerHand, s.computerHolds)) << names(computerHand);
    }
    const std::array<const CardRow*, 4> rows = {&computerHand, &computerTableRow, &humanTableRow,
                                                &humanHand};
    for (size_t i = 0; i < rows.size(); ++i) {
        checkInt(s.counts[i], cardCount(*rows[i]), -1);
        EXPECT_EQ(names(*rows[i]).find("??"), std::string::npos) << "a card that is not one";
    }
    checkInt(s.attacksAfter, computerAttacks, -1);
    checkInt(s.ledAfter, computerLed, -1);
    checkInt(s.openAfter, transferOpen, -1);
    checkInt(s.allowanceAfter, throwInAllowance, -9);
    checkInt(s.computerAtLeadAfter, computerHandAtLead, -1);
    checkInt(s.talonAfter, remaining(deck), -1);
    checkInt(s.inPlay, cardsInPlay(), -1);
    checkInt(s.wins[0], computerWins, -1);
    checkInt(s.wins[0], getComputerWins(), -1);
    checkInt(s.wins[1], humanWins, -1);
    checkInt(s.wins[1], getHumanWins(), -1);
    checkInt(s.winnerAfter, lastWinner, -9);
}

// clang-format off
const Scene humanAttacks[] = {
    {.label = "ALeadIsAnsweredBeforeThePlayReturns", .computer = "7C 8C 9C TC JC QC",
     .human = "6C 6S 7S 8S 9S TS", .cards = "6C", .computerTableAfter = "QC",
     .humanTableAfter = "6C", .humanHand = "6S 7S 8S 9S TS", .ledAfter = 0, .openAfter = 0,
     .computerAtLeadAfter = 6},
    {.label = "TheComputerSeesTheTransferOpenAfterALead", .type = 1,
     .computer = "6D 6S 8C 9C TC JC", .human = "6C 7S 8S 9S TS JS", .open = 0, .cards = "6C",
     .status = "Перевод!", .computerTableAfter = "6C 6D", .humanTableAfter = "",
     .attacksAfter = 1},
    {.label = "AThrowInOfARankNotOnTheTableIsRefusedSilently", .computer = "6D 7D",
     .human = "7S 8D", .computerTable = "9C", .humanTable = "8C", .cards = "7S", .status = none,
     .messages = "", .humanTableAfter = "8C", .humanHand = "7S 8D", .openAfter = 0},
    {.label = "NoSeventhAttackingCard", .computer = "AS", .human = "6S 7S",
     .computerTable = "9C TC JC 9D TD JD", .humanTable = "6C 7C 8C 6D 7D 8D", .talon = 10,
     .cards = "6S", .status = "Ок (6 карт). Мой ход.", .humanTableAfter = "6C 7C 8C 6D 7D 8D",
     .humanHand = "6S 7S"},
    {.label = "NoThrowInToAnEmptyHand", .human = "6S 7S", .computerTable = "7C",
     .humanTable = "6C", .talon = 5, .cards = "6S", .status = "Ок (0 карт). Мой ход.",
     .messages = "", .humanTableAfter = "6C"},
    {.label = "NothingSelectedAsksForCards", .computer = "6D", .human = "6S 7S",
     .status = "   Пожалуйста выберите карты!", .humanHand = "6S 7S"},
    {.label = "TheComputerTakesAtOnceWhenSixCardsAreAlreadyDown", .computer = "6S 7S",
     .human = "8D KS", .computerTable = "9C TC JC 9D TD", .humanTable = "6C 7C 8C 6D 7D",
     .talon = 10, .computerAtLead = 6, .cards = "8D", .status = none, .counts = {13, 0, 0, 6},
     .attacksAfter = 0, .allowanceAfter = -1},
    {.label = "TheOkButtonDiscardsACoveredTableAndTheComputerLeads", .computer = "6D 8D 9D TS",
     .human = "6S 7S", .computerTable = "9C", .humanTable = "8C", .act = Ok,
     .counts = {5, 1, 0, 6}, .attacksAfter = 1, .ledAfter = 1, .inPlay = 30},
    {.label = "TheOkButtonDoesNothingOnAnEmptyTable", .computer = "6D 8D", .human = "6S 7S",
     .act = Ok, .status = none, .humanHand = "6S 7S", .attacksAfter = 0},
    {.label = "TakingDoesNothingOnAnEmptyTable", .computer = "6D 8D", .human = "6S 7S",
     .attacks = 1, .act = Takes, .status = none, .humanHand = "6S 7S", .attacksAfter = 1},
    {.label = "TheComputerAttackingWithOnlyTheHumansCardsDownIsReported", .computer = "6D 8D",
     .human = "6S", .humanTable = "7C", .act = Attack, .result = -1,
     .messages = "ERROR: xodit vrag, a activ ne pust!", .boxStyle = 0},
};
INSTANTIATE_TEST_SUITE_P(HumanAttacks, SceneTest, ::testing::ValuesIn(humanAttacks), labelOf);

const Scene humanDefends[] = {
    {.label = "CoveringTheSixthCardEndsTheBoutWithTheLeaderRefillingFirst", .computer = "6S 7S",
     .human = "JD AS", .computerTable = "6C 7C 8C 6D 7D 8D", .humanTable = "9C TC JC 9D TD",
     .talon = 5, .attacks = 1, .led = 1, .cards = "JD", .humanHolds = "9H",
     .counts = {6, 0, 0, 3}, .attacksAfter = 0, .openAfter = 1},
    {.label = "AFailedCoverIsSilentAndClosesTheTransfer", .type = 1, .computer = "6S 7S 8S",
     .human = "7D 9D", .computerTable = "9C", .attacks = 1, .cards = "7D", .status = none,
     .humanTableAfter = "", .openAfter = 0},
    {.label = "AFailedCoverAfterTheTransferClosed", .type = 1, .computer = "6S 7S 8S",
     .human = "7D 9D", .computerTable = "9C", .attacks = 1, .open = 0, .cards = "9D",
     .computerTableAfter = "9C", .humanTableAfter = ""},
    {.label = "ATransferMovesBothSevensAndTheComputerAnswersBoth", .type = 1, .trump = "9S",
     .computer = "6D 8C 8H", .human = "7H 8D TD QS", .computerTable = "7C", .attacks = 1,
     .cards = "7H", .messages = "", .computerTableAfter = "8H 8C", .humanTableAfter = "7H 7C",
     .attacksAfter = 0},
    {.label = "NoTransferWhenTheComputerCouldNotCoverEverything", .type = 1, .trump = "9S",
     .computer = "8C", .human = "7H 8D TD QS", .computerTable = "7C", .attacks = 1,
     .cards = "7H", .humanTableAfter = "", .openAfter = 0},
    {.label = "ATrumpTransferIsAskedAndNoMakesItACover", .type = 1, .trump = "9C",
     .computer = "8D 6H 9H", .human = "7C 8S", .computerTable = "7D", .attacks = 1,
     .cards = "7C", .status = "Ок. Ваш ход!", .messages = "Перевод?", .boxStyle = 0x24,
     .humanLacks = "7C", .counts = {-1, 0, 0, -1}, .attacksAfter = 0},
    {.label = "ATrumpTransferAnsweredYesPassesTheAttackOn", .type = 1, .trump = "9C",
     .computer = "8D 6H 9H", .human = "7C 8S", .computerTable = "7D", .attacks = 1,
     .answer = IDYES, .cards = "7C", .messages = "Перевод?", .computerHolds = "7C 7D",
     .counts = {-1, 0, 0, 6}, .attacksAfter = 0},
    {.label = "TwoAttackersNeedTwoSelectedCards", .type = 1, .computer = "KS AS AD",
     .human = "7C 7D 8S JH", .computerTable = "6C 6D", .attacks = 1, .cards = "7C",
     .status = "Выберите 2 карт(ы)", .humanTableAfter = "", .openAfter = 0},
    {.label = "EveryAttackerMustBeBeaten", .type = 1, .computer = "KS AS AD",
     .human = "7C 7D 8S JH", .computerTable = "6C 6D", .attacks = 1, .cards = "7C 8S",
     .status = "Выбраны неверные карты", .counts = {-1, -1, 0, 4}},
    {.label = "AMatchingSelectionCoversAllAtOnce", .type = 1, .computer = "KS AS AD",
     .human = "7C 7D 8S JH", .computerTable = "6C 6D", .attacks = 1, .cards = "7C 7D",
     .humanHolds = "8S JH", .humanLacks = "7C 7D", .counts = {-1, 0, 0, -1},
     .attacksAfter = 0},
    {.label = "ACoverWithNothingToCoverIsReported", .computer = "6D 8D", .human = "6S",
     .attacks = 1, .cards = "6S", .messages = "ERROR: vrag ne sdelal xod!", .humanHand = "6S"},
    {.label = "TakingLetsTheComputerAddCardsOfTheRanksOnTheTable",
     .computer = "7D 7S 8H KC AC", .human = "6S 8S", .computerTable = "7C", .attacks = 1,
     .led = 1, .humanAtLead = 6, .act = Takes,
     .status = "Вы взяли 3 ,\r\n включая 2 дополнительно.", .humanHolds = "7D 7C 7S",
     .counts = {-1, 1, 0, 6}, .attacksAfter = 1},
    {.label = "TheHandSizeAtTheLeadLimitsWhatIsAdded", .computer = "7D 8D 7S KC AC",
     .human = "6S 8S", .computerTable = "7C 8C", .humanTable = "9C", .attacks = 1,
     .humanAtLead = 3, .act = Takes, .status = "Вы взяли 3 ,\r\n включая 1 дополнительно.",
     .counts = {-1, -1, -1, 6}},
    {.label = "TakingWithNothingAddedCountsTheTable", .computer = "KC AC QD", .human = "6S 8S",
     .computerTable = "7C", .attacks = 1, .humanAtLead = 6, .act = Takes,
     .status = "Вы взяли 1 ", .humanHolds = "6S 7C 8S", .counts = {-1, -1, -1, 6}},
};
INSTANTIATE_TEST_SUITE_P(HumanDefends, SceneTest, ::testing::ValuesIn(humanDefends), labelOf);

const Scene endsOfGames[] = {
    {.label = "NoWinWhileTheTrumpCardIsStillToBeDrawn", .computer = "7S 8S", .human = "6C",
     .talon = 0, .cards = "6C", .messages = "", .counts = {-1, -1, -1, 0}, .wins = {0, 0}},
    {.label = "NoCheckedWinWhileTheTrumpCardIsStillToBeDrawn", .computer = "7S 8S", .talon = 0,
     .act = Check, .messages = "", .wins = {0, 0}},
    {.label = "JapaneseComputerWinsTheMomentItLeadsItsLastCard", .type = 4, .computer = "6S",
     .human = "7C 8C", .talon = 0, .act = Request, .messages = iWon, .boxStyle = 0x40,
     .counts = {5, 1, -1, 6}, .attacksAfter = 1, .talonAfter = 24, .wins = {1, 0},
     .winnerAfter = 1},
    {.label = "CoveringTheLastAttackWithTheLastCardWinsForTheHuman", .trumpDealt = true,
     .computer = "AS", .human = "8C", .computerTable = "7C", .talon = 0, .attacks = 1, .led = 1,
     .cards = "8C", .status = yourMove, .messages = youWon, .counts = {6, 0, 0, 6},
     .attacksAfter = 0, .wins = {0, 1}, .winnerAfter = 0},
    {.label = "BothHandsEmptyScoresTheComputerOnly", .trumpDealt = true, .talon = 0,
     .act = Check, .messages = iWon, .wins = {1, 0}},
    {.label = "NothingHappensWhileBothSidesHoldCards", .trumpDealt = true, .computer = "6D",
     .human = "7D", .talon = 0, .act = Check, .messages = "", .counts = {1, 0, 0, 1}},
    {.label = "EndBoutSendsNoAttackForTheGameItHasJustDecided", .trumpDealt = true,
     .human = "8S", .computerTable = "7C", .humanTable = "6C", .talon = 0, .act = Ok,
     .messages = iWon, .counts = {5, 1, -1, 6}, .attacksAfter = 1, .inPlay = 36},
    {.label = "HumanTakesEndsOnceTheComputerHasAddedItsLastCards", .trumpDealt = true,
     .computer = "7D", .human = "6S 8S", .computerTable = "7C", .talon = 0, .attacks = 1,
     .humanAtLead = 6, .act = Takes, .messages = iWon, .counts = {5, 1, -1, 6},
     .attacksAfter = 1, .wins = {1, 0}},
    {.label = "AThrowInWithTheLastCardEndsTheThrowInPhaseWithTheGame", .trumpDealt = true,
     .computer = "6D 8D", .human = "7S", .humanTable = "7C", .talon = 0, .allowance = 2,
     .act = ThrowIn, .cards = "7S", .status = yourMove, .messages = youWon,
     .counts = {6, -1, -1, 6}, .allowanceAfter = -1, .inPlay = 36},
    {.label = "TheComputerDoesNotAnswerALeadThatWonTheGame", .type = 4, .computer = "6S 7S",
     .human = "8C", .talon = 0, .cards = "8C", .status = yourMove, .messages = youWon,
     .counts = {6, 0, 0, 6}, .attacksAfter = 0},
    {.label = "ComputerDefendWithNothingToAnswerLeavesTheTableAlone", .computer = "6D 7D",
     .human = "8C", .act = Defend, .result = 1, .computerHand = "6D 7D",
     .counts = {-1, 0, -1, 1}},
};
INSTANTIATE_TEST_SUITE_P(EndOfGame, SceneTest, ::testing::ValuesIn(endsOfGames), labelOf);

const Scene starts[] = {
    {.label = "WithoutTrumpsInEitherHandTheHumanLeads", .computer = "6C 7C 8C 9C TC JC",
     .human = sixSpades, .act = First, .status = yourMove, .counts = {-1, 0, -1, -1},
     .attacksAfter = 0},
    {.label = "TheSixOfTrumpsWithTheComputerLeadsAtOnce", .computer = "6H 7C 8C 9C TC JC",
     .human = "7H 7S 8S 9S TS JS", .act = First, .status = none, .counts = {-1, 1, -1, -1},
     .attacksAfter = 1, .ledAfter = 1},
    {.label = "TheLowerTrumpDecides", .computer = "8H 7C 8C 9C TC JC", .human = "7H 7S 8S 9S TS JS",
     .act = First, .attacksAfter = 0},
    {.label = "OnlyTheComputerHoldsATrump", .computer = "8H 7C 8C 9C TC JC", .human = sixSpades,
     .act = First, .attacksAfter = 1},
    {.label = "TheComputerWonLastAndLeadsWhateverTheTrumps", .computer = "AH 7C 8C 9C TC JC",
     .human = "6H 7S 8S 9S TS JS", .winner = 1, .act = First, .counts = {-1, 1, -1, -1},
     .attacksAfter = 1},
    {.label = "TheHumanWonLastAndLeadsWhateverTheTrumps", .computer = "6H 7C 8C 9C TC JC",
     .human = "AH 7S 8S 9S TS JS", .winner = 0, .act = First, .status = yourMove,
     .attacksAfter = 0},
    {.label = "JapaneseTalonEndsWithItsLastCard", .type = 4, .computer = "6C 7C 8C",
     .human = "6S", .talon = 2, .act = RefillHuman, .counts = {-1, -1, -1, 3}, .talonAfter = 0},
    {.label = "BulkHandsAreToppedUpToEighteen", .type = 2, .computer = "6C", .human = "6S",
     .talon = 20, .act = RefillHuman, .counts = {-1, -1, -1, 18}, .talonAfter = 3},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Start, SceneTest, ::testing::ValuesIn(starts), labelOf);

} // namespace
