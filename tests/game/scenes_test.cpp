// SPDX-License-Identifier: MIT
#include <map>
#include <sstream>
#include <string>

#include "computer/defence.h"
#include "game/bout.h"
#include "game/new_game.h"
#include "table_fixture.h"

using namespace table_test;

namespace {

enum Act { Play, ThrowIn, Takes, Ok, Check, Attack, Request, Defend, First, RefillHuman };
// A position "type trump talon: computer hand / human hand / computer table /
// human table" (trump "9H!" when it has gone to a hand), the flags of the bout
// that differ from the usual, one operation of the game with the human's
// selection for Play and ThrowIn, and what follows from it (see `Plays`).
struct Scene {
    const char* label;
    const char* position;
    const char* flags;
    Act act;
    const char* cards;
    const char* expected;
};

void PrintTo(const Scene& s, std::ostream* out) {
    *out << s.position;
}

class SceneTest : public TableTest, public ::testing::WithParamInterface<Scene> {};

std::string labelOf(const ::testing::TestParamInfo<Scene>& param) {
    return param.param.label;
}

int32_t perform(const Scene& s) {
    selectCards(humanHand, s.act == Play || s.act == ThrowIn ? s.cards : "");
    switch (s.act) {
    case Play:
        HumanPlay();
        break;
    case ThrowIn:
        HumanThrowInToTaker();
        break;
    case Takes:
        HumanTakes();
        break;
    case Ok:
        EndBout(0);
        break;
    case Check:
        GameOverCheck();
        break;
    case Attack:
        return ComputerAttackStep();
    case Request:
        sendRequest(REQUEST_COMPUTER_ATTACK);
        break;
    case Defend:
        return ComputerDefend();
    case First:
        ChooseFirstAttacker();
        break;
    case RefillHuman:
        Refill(humanHand);
        break;
    }
    return -9;
}

// The bout's flags: the usual ones, changed by "name=value ...".
void setBoutFlags(const char* text) {
    std::map<std::string, int32_t> flags = {
        {"attacks", 0},        {"led", 0},        {"open", 1},    {"humanAtLead", 0},
        {"computerAtLead", 0}, {"allowance", -1}, {"winner", -1}, {"answer", 0}};
    std::istringstream given(text);
    for (std::string flag; given >> flag;) {
        flags.at(flag.substr(0, flag.find('='))) = std::stoi(flag.substr(flag.find('=') + 1));
    }
    computerAttacks = flags["attacks"];
    computerLed = flags["led"];
    transferOpen = flags["open"];
    humanHandAtLead = flags["humanAtLead"];
    computerHandAtLead = flags["computerAtLead"];
    throwInAllowance = flags["allowance"];
    lastWinner = flags["winner"];
    if (flags["answer"] != 0) {
        platform_testing::queueMessageBoxAnswer(flags["answer"]);
    }
}

TEST_P(SceneTest, Plays) {
    const Scene& s = GetParam();
    setUpPosition(parsePosition(s.position));
    setBoutFlags(s.flags);
    const int32_t result = perform(s);

    std::string texts;
    const auto boxes = platform_testing::takeMessageBoxes();
    for (const auto& box : boxes) {
        texts += (texts.empty() ? "" : "|") + utf8FromUtf16(box.text);
    }
    std::string counts;
    for (const CardRow* row : {&computerHand, &computerTableRow, &humanTableRow, &humanHand}) {
        counts += (counts.empty() ? "" : " ") + std::to_string(cardCount(*row));
        EXPECT_EQ(names(*row).find("??"), std::string::npos) << "a card that is not one";
    }
    auto text = [](int64_t value) { return std::to_string(value); };
    expectValues(
        s.expected,
        {{"result", text(result)},
         {"status", statusText == nullptr ? "(none)" : statusUtf8()},
         {"messages", texts},
         {"box", boxes.empty() ? "none" : text(boxes[0].style)},
         {"cHand", names(computerHand)},
         {"cTable", names(computerTableRow)},
         {"hTable", names(humanTableRow)},
         {"hHand", names(humanHand)},
         {"hHolds", names(humanHand)},
         {"hLacks", names(humanHand)},
         {"cHolds", names(computerHand)},
         {"counts", counts},
         {"attacks", text(computerAttacks)},
         {"led", text(computerLed)},
         {"open", text(transferOpen)},
         {"allowance", text(throwInAllowance)},
         {"cAtLead", text(computerHandAtLead)},
         {"talon", text(remaining(deck))},
         {"inPlay", text(cardsInPlay())},
         {"wins",
          text(computerWins) + " " + text(humanWins) +
              (computerWins == platform::readStoredValue(StoredValue::ComputerWins) &&
                       humanWins == platform::readStoredValue(StoredValue::HumanWins)
                   ? ""
                   : " stored " + text(platform::readStoredValue(StoredValue::ComputerWins)) + " " +
                         text(platform::readStoredValue(StoredValue::HumanWins)))},
         {"winner", text(lastWinner)}});
}

const Scene humanAttacks[] = {
    {"ALeadIsAnsweredBeforeThePlayReturns", "0 9H 23: 7C 8C 9C TC JC QC / 6C 6S 7S 8S 9S TS", "",
     Play, "6C", "cTable=QC; hTable=6C; hHand=6S 7S 8S 9S TS; led=0; open=0; cAtLead=6"},
    {"TheComputerSeesTheTransferOpenAfterALead", "1 9H 23: 6D 6S 8C 9C TC JC / 6C 7S 8S 9S TS JS",
     "open=0", Play, "6C", "status=Перевод!; cTable=6C 6D; hTable=; attacks=1"},
    {"AThrowInOfARankNotOnTheTableIsRefusedSilently", "0 9H 23: 6D 7D / 7S 8D / 9C / 8C", "", Play,
     "7S", "status=(none); messages=; hTable=8C; hHand=7S 8D; open=0"},
    {"NoSeventhAttackingCard", "0 9H 10: AS / 6S 7S / 9C TC JC 9D TD JD / 6C 7C 8C 6D 7D 8D", "",
     Play, "6S", "status=Ок (6 карт). Мой ход.; hTable=6C 7C 8C 6D 7D 8D; hHand=6S 7S"},
    {"NoThrowInToAnEmptyHand", "0 9H 5: - / 6S 7S / 7C / 6C", "", Play, "6S",
     "status=Ок (0 карт). Мой ход.; messages=; hTable=6C"},
    {"NothingSelectedAsksForCards", "0 9H 23: 6D / 6S 7S", "", Play, "",
     "status=   Пожалуйста выберите карты!; hHand=6S 7S"},
    {"TheComputerTakesAtOnceWhenSixCardsAreAlreadyDown",
     "0 9H 10: 6S 7S / 8D KS / 9C TC JC 9D TD / 6C 7C 8C 6D 7D", "computerAtLead=6", Play, "8D",
     "status=(none); counts=13 0 0 6; attacks=0; allowance=-1"},
    {"TheOkButtonDiscardsACoveredTableAndTheComputerLeads",
     "0 9H 23: 6D 8D 9D TS / 6S 7S / 9C / 8C", "", Ok, "",
     "counts=5 1 0 6; attacks=1; led=1; inPlay=30"},
    {"TheOkButtonDoesNothingOnAnEmptyTable", "0 9H 23: 6D 8D / 6S 7S", "", Ok, "",
     "status=(none); hHand=6S 7S; attacks=0"},
    {"TakingDoesNothingOnAnEmptyTable", "0 9H 23: 6D 8D / 6S 7S", "attacks=1", Takes, "",
     "status=(none); hHand=6S 7S; attacks=1"},
    {"TheComputerAttackingWithOnlyTheHumansCardsDownIsReported", "0 9H 23: 6D 8D / 6S / - / 7C", "",
     Attack, "", "result=-1; messages=ERROR: xodit vrag, a activ ne pust!; box=0"},
};
INSTANTIATE_TEST_SUITE_P(HumanAttacks, SceneTest, ::testing::ValuesIn(humanAttacks), labelOf);

const Scene humanDefends[] = {
    {"CoveringTheSixthCardEndsTheBoutWithTheLeaderRefillingFirst",
     "0 9H 5: 6S 7S / JD AS / 6C 7C 8C 6D 7D 8D / 9C TC JC 9D TD", "attacks=1 led=1", Play, "JD",
     "hHolds=9H; counts=6 0 0 3; attacks=0; open=1"},
    {"AFailedCoverIsSilentAndClosesTheTransfer", "1 9H 23: 6S 7S 8S / 7D 9D / 9C", "attacks=1",
     Play, "7D", "status=(none); hTable=; open=0"},
    {"AFailedCoverAfterTheTransferClosed", "1 9H 23: 6S 7S 8S / 7D 9D / 9C", "attacks=1 open=0",
     Play, "9D", "cTable=9C; hTable="},
    {"ATransferMovesBothSevensAndTheComputerAnswersBoth", "1 9S 23: 6D 8C 8H / 7H 8D TD QS / 7C",
     "attacks=1", Play, "7H", "messages=; cTable=8H 8C; hTable=7H 7C; attacks=0"},
    {"NoTransferWhenTheComputerCouldNotCoverEverything", "1 9S 23: 8C / 7H 8D TD QS / 7C",
     "attacks=1", Play, "7H", "hTable=; open=0"},
    {"ATrumpTransferIsAskedAndNoMakesItACover", "1 9C 23: 8D 6H 9H / 7C 8S / 7D", "attacks=1", Play,
     "7C", "status=Ок. Ваш ход!; messages=Перевод?; box=36; hLacks=7C; counts=? 0 0 ?; attacks=0"},
    {"ATrumpTransferAnsweredYesPassesTheAttackOn", "1 9C 23: 8D 6H 9H / 7C 8S / 7D",
     "attacks=1 answer=6", Play, "7C",
     "messages=Перевод?; cHolds=7C 7D; counts=? 0 0 6; attacks=0"},
    {"TwoAttackersNeedTwoSelectedCards", "1 9H 23: KS AS AD / 7C 7D 8S JH / 6C 6D", "attacks=1",
     Play, "7C", "status=Выберите 2 карт(ы); hTable=; open=0"},
    {"EveryAttackerMustBeBeaten", "1 9H 23: KS AS AD / 7C 7D 8S JH / 6C 6D", "attacks=1", Play,
     "7C 8S", "status=Выбраны неверные карты; counts=? ? 0 4"},
    {"AMatchingSelectionCoversAllAtOnce", "1 9H 23: KS AS AD / 7C 7D 8S JH / 6C 6D", "attacks=1",
     Play, "7C 7D", "hHolds=8S JH; hLacks=7C 7D; counts=? 0 0 ?; attacks=0"},
    {"ACoverWithNothingToCoverIsReported", "0 9H 23: 6D 8D / 6S", "attacks=1", Play, "6S",
     "messages=ERROR: vrag ne sdelal xod!; hHand=6S"},
    {"TakingLetsTheComputerAddCardsOfTheRanksOnTheTable", "0 9H 23: 7D 7S 8H KC AC / 6S 8S / 7C",
     "attacks=1 led=1 humanAtLead=6", Takes, "",
     "status=Вы взяли 3 ,\r\n включая 2 дополнительно.; hHolds=7D 7C 7S; counts=? 1 0 6; "
     "attacks=1"},
    {"TheHandSizeAtTheLeadLimitsWhatIsAdded", "0 9H 23: 7D 8D 7S KC AC / 6S 8S / 7C 8C / 9C",
     "attacks=1 humanAtLead=3", Takes, "",
     "status=Вы взяли 3 ,\r\n включая 1 дополнительно.; counts=? ? ? 6"},
    {"TakingWithNothingAddedCountsTheTable", "0 9H 23: KC AC QD / 6S 8S / 7C",
     "attacks=1 humanAtLead=6", Takes, "", "status=Вы взяли 1 ; hHolds=6S 7C 8S; counts=? ? ? 6"},
};
INSTANTIATE_TEST_SUITE_P(HumanDefends, SceneTest, ::testing::ValuesIn(humanDefends), labelOf);

const Scene endsOfGames[] = {
    {"NoWinWhileTheTrumpCardIsStillToBeDrawn", "0 9H 0: 7S 8S / 6C", "", Play, "6C",
     "messages=; counts=? ? ? 0; wins=0 0"},
    {"NoCheckedWinWhileTheTrumpCardIsStillToBeDrawn", "0 9H 0: 7S 8S", "", Check, "",
     "messages=; wins=0 0"},
    {"JapaneseComputerWinsTheMomentItLeadsItsLastCard", "4 9H 0: 6S / 7C 8C", "", Request, "",
     "messages=Я победил!; box=64; counts=5 1 ? 6; attacks=1; talon=24; wins=1 0; winner=1"},
    {"CoveringTheLastAttackWithTheLastCardWinsForTheHuman", "0 9H! 0: AS / 8C / 7C",
     "attacks=1 led=1", Play, "8C",
     "status=Ваш ход!; messages=Вы победили!; counts=6 0 0 6; attacks=0; wins=0 1; winner=0"},
    {"BothHandsEmptyScoresTheComputerOnly", "0 9H! 0:", "", Check, "",
     "messages=Я победил!; wins=1 0"},
    {"NothingHappensWhileBothSidesHoldCards", "0 9H! 0: 6D / 7D", "", Check, "",
     "messages=; counts=1 0 0 1"},
    {"EndBoutSendsNoAttackForTheGameItHasJustDecided", "0 9H! 0: - / 8S / 7C / 6C", "", Ok, "",
     "messages=Я победил!; counts=5 1 ? 6; attacks=1; inPlay=36"},
    {"HumanTakesEndsOnceTheComputerHasAddedItsLastCards", "0 9H! 0: 7D / 6S 8S / 7C",
     "attacks=1 humanAtLead=6", Takes, "",
     "messages=Я победил!; counts=5 1 ? 6; attacks=1; wins=1 0"},
    {"AThrowInWithTheLastCardEndsTheThrowInPhaseWithTheGame", "0 9H! 0: 6D 8D / 7S / - / 7C",
     "allowance=2", ThrowIn, "7S",
     "status=Ваш ход!; messages=Вы победили!; counts=6 ? ? 6; allowance=-1; inPlay=36"},
    {"TheComputerDoesNotAnswerALeadThatWonTheGame", "4 9H 0: 6S 7S / 8C", "", Play, "8C",
     "status=Ваш ход!; messages=Вы победили!; counts=6 0 0 6; attacks=0"},
    {"ComputerDefendWithNothingToAnswerLeavesTheTableAlone", "0 9H 23: 6D 7D / 8C", "", Defend, "",
     "result=1; cHand=6D 7D; counts=? 0 ? 1"},
};
INSTANTIATE_TEST_SUITE_P(EndOfGame, SceneTest, ::testing::ValuesIn(endsOfGames), labelOf);

const Scene starts[] = {
    {"WithoutTrumpsInEitherHandTheHumanLeads", "0 9H 23: 6C 7C 8C 9C TC JC / 6S 7S 8S 9S TS JS", "",
     First, "", "status=Ваш ход!; counts=? 0 ? ?; attacks=0"},
    {"TheSixOfTrumpsWithTheComputerLeadsAtOnce", "0 9H 23: 6H 7C 8C 9C TC JC / 7H 7S 8S 9S TS JS",
     "", First, "", "status=(none); counts=? 1 ? ?; attacks=1; led=1"},
    {"TheLowerTrumpDecides", "0 9H 23: 8H 7C 8C 9C TC JC / 7H 7S 8S 9S TS JS", "", First, "",
     "attacks=0"},
    {"OnlyTheComputerHoldsATrump", "0 9H 23: 8H 7C 8C 9C TC JC / 6S 7S 8S 9S TS JS", "", First, "",
     "attacks=1"},
    {"TheComputerWonLastAndLeadsWhateverTheTrumps",
     "0 9H 23: AH 7C 8C 9C TC JC / 6H 7S 8S 9S TS JS", "winner=1", First, "",
     "counts=? 1 ? ?; attacks=1"},
    {"TheHumanWonLastAndLeadsWhateverTheTrumps", "0 9H 23: 6H 7C 8C 9C TC JC / AH 7S 8S 9S TS JS",
     "winner=0", First, "", "status=Ваш ход!; attacks=0"},
    {"JapaneseTalonEndsWithItsLastCard", "4 9H 2: 6C 7C 8C / 6S", "", RefillHuman, "",
     "counts=? ? ? 3; talon=0"},
    {"BulkHandsAreToppedUpToEighteen", "2 9H 20: 6C / 6S", "", RefillHuman, "",
     "counts=? ? ? 18; talon=3"},
};
INSTANTIATE_TEST_SUITE_P(Start, SceneTest, ::testing::ValuesIn(starts), labelOf);

} // namespace
