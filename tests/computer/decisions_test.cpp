// SPDX-License-Identifier: MIT
#include <sstream>
#include <string>

#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "computer/reasons.h"
#include "computer_fixture.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/utf.h"
#include "resources/computer_rules.h"

namespace {

// clang-format off
enum Act { Defend, Endgame, Lead, Pair, SafeLead, Japanese, ThrowIn0, ThrowIn1, Back, PlaySafe,
           Wants7, Wants9 };
// clang-format on

// A position (support/position_notation.h), what the computer is asked and what follows: "result;
// table=..; hand=..; htable=..; status=..; open=..; attacks=..; sort=.." with
// the computer's rows afterwards, and "why=.." the rule it noted for "Why?",
// in English with its card and number. The transfer flag and the sort order of the
// computer's hand before it is filled are given when they differ from the
// usual. The computer attacks in the lead and throw-in cases, defends otherwise.
struct Decision {
    const char* label;
    Act act;
    const char* position;
    const char* expected;
    int32_t open = -1;
    int32_t sort = SORT_BY_RANK;
};

void setUp(const std::string& text, int32_t sort) {
    const Position position = parsePosition(text);
    setVariant(position.type, position.trump);
    setTalon(position.talon);
    computerHand.sortMode = sort;
    fill(computerHand, position.computerHand);
    fill(humanHand, position.humanHand);
    fill(computerTableRow, position.computerTable);
    fill(humanTableRow, position.humanTable);
}

void PrintTo(const Decision& d, std::ostream* out) {
    *out << d.position;
}

class DecisionTest : public ComputerTest, public ::testing::WithParamInterface<Decision> {};

std::string labelOf(const ::testing::TestParamInfo<Decision>& param) {
    return param.param.label;
}

int32_t decide(Act act) {
    switch (act) {
    case Defend:
    case Back:
        return ComputerDefend();
    case Endgame:
        return EndgameCover() ? 1 : 0;
    case Lead:
        return ComputerLead();
    case Pair:
        return PairRank();
    case SafeLead:
        return FindSafeLead();
    case Japanese:
        return JapaneseLead();
    case ThrowIn0:
        return ComputerThrowIn(0);
    case ThrowIn1:
        return ComputerThrowIn(1);
    case PlaySafe:
        return PlaySafeLead();
    case Wants7:
        return WantsTransfer(7) ? 1 : 0;
    case Wants9:
        return WantsTransfer(9) ? 1 : 0;
    }
    return -1;
}

std::string noted() {
    LPCWSTR text = resources::computerRuleText(computerReason.rule, resources::Language::English);
    if (text == nullptr) {
        return "(none)";
    }
    std::string sentence = utf8FromUtf16(text);
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{
                                          "%c", cardName(computerReason.suit, computerReason.rank)},
                                      {"%n", std::to_string(computerReason.number)}}) {
        if (const size_t at = sentence.find(mark); at != std::string::npos) {
            sentence.replace(at, 2, value);
        }
    }
    return sentence;
}

void expect(const std::string& expected, int32_t result) {
    expectValues(expected,
                 {{"result", std::to_string(result)},
                  {"table", names(computerTableRow)},
                  {"hand", names(computerHand)},
                  {"htable", names(humanTableRow)},
                  {"status", statusText == nullptr ? "(none)" : utf8FromUtf16(statusText)},
                  {"open", std::to_string(transferOpen)},
                  {"attacks", std::to_string(computerAttacks)},
                  {"sort", std::to_string(computerHand.sortMode)},
                  {"selected", selectedNames(computerHand)},
                  {"atLead", std::to_string(humanHandAtLead)},
                  {"led", std::to_string(computerLed)},
                  {"why", noted()}});
}

TEST_P(DecisionTest, Decides) {
    const Decision& d = GetParam();
    const bool attacking = d.act >= Lead && d.act <= PlaySafe;
    setUp(d.position, d.sort);
    computerReason = {};
    computerAttacks = attacking ? 1 : 0;
    transferOpen = d.open >= 0 ? d.open : (d.act == Lead || d.act == Pair ? 0 : 1);
    expect(d.expected, decide(d.act));
}

// The human attacks; the computer covers, transfers or takes.
const Decision defences[] = {
    {"EmptyTableAfterANewDealIsLeftAlone", Defend, "1 KH 23: 6H 7D KC AS / 7C 8C",
     "1; table=; hand=6H 7D KC AS; open=1; attacks=0; sort=-1", -1, SORT_NONE},
    {"Talon16BeatsWithTheHighestOfTheSuit", Defend, "0 KH 16: 8C TC AC 6D KS / 6H 8D 9S / - / 7C",
     "1; table=AC; hand=6D 8C TC KS; sort=1"},
    {"Talon15BeatsWithTheLowestOfTheSuit", Defend, "0 KH 15: 8C TC AC 6D KS / 6H 8D 9S / - / 7C",
     "1; table=8C"},
    {"TrumpLeadHoldsBack9HAtTalon17", Defend, "0 KH 17: 9H 6S 7C / 6C 8D 9S / - / 8H",
     "0; table=; open=0"},
    {"TrumpLeadSpends9HAtTalon16", Defend, "0 KH 16: 9H 6S 7C / 6C 8D 9S / - / 8H", "1; table=9H"},
    {"TrumpLeadTakesTheLowestHigherTrump", Defend, "0 KH 16: JH TH 6S / 6C 8D 9S / - / 8H",
     "1; table=TH"},
    {"TrumpLeadWithOnlyLowerTrumpsIsTaken", Defend, "0 KH 3: 7H TH AC / 6C 8D 9S / - / JH",
     "0; table="},
    {"JapaneseSpadeHeldBackIsTakenDespiteTrumps", Defend,
     "4 - 19: TD AD 6S QS 7H / 6C 8H 9C / - / 9S", "0; table="},
    {"JapaneseSpadeSpentAtTalon10", Defend, "4 - 10: TD AD 6S QS 7H / 6C 8H 9C / - / 9S",
     "1; table=QS"},
    {"JapaneseWalksDownFromAHeldBackSpade", Defend, "5 - 16: TS QS 6D / 6C 8H 9C / - / 9S",
     "1; table=TS", 0},
    {"UnfollowedSuitPrefersATrumpOfTheAttackedRank", Defend, "0 KH 3: 7H 9H 6D / 6C 8D 9S / - / 9C",
     "1; table=9H"},
    {"UnfollowedSuitSpendsTheLowestAllowedTrump", Defend, "0 KH 3: JH 7H 6D 6C / 6C 8D 9S / - / 9C",
     "1; table=7H"},
    {"TrumpsAreHeldBackAtTalon17", Defend, "0 KH 17: 7H 6D / 6C 8D 9S / - / 9C", "0; hand=6D 7H"},
    {"NoSuitAndNoTrumpMeansTaking", Defend, "0 KH 3: 6D 7S / 6C 8D 9S / - / 9C", "0; table="},
    {"EmptyHandTakes", Defend, "0 KH 0: - / 6C 8D 9S / - / 9C", "0"},
    {"EmptyTalonPrefersARankTheHumanLacks", Defend, "0 KH 0: 8C 9C 6H / 8D TS / - / 7C",
     "1; table=9C"},
    {"EmptyTalonCoverMayBeATrump", Defend, "0 KH 0: 8C 9C 6H / 8D 9S / - / 7C", "1; table=6H"},
    {"EmptyTalonFallsBackToTheUsualChoice", Defend, "0 KH 0: 8C 9C 6H / 8D 9S 6S / - / 7C",
     "1; table=8C"},
    {"EndgameRefusesThreeCardsAgainstOneAnswer", Endgame, "0 KH 0: AC / 6D / TC / 7C 8C 9C", "0"},
    {"EndgameCoversTwoCardsAgainstOneAnswer", Endgame, "0 KH 0: AC / 6D / TC / 7C 9C",
     "1; table=TC AC"},
    {"EndgameRefusesWhileTheTalonLasts", Endgame, "0 KH 1: AD / 6D / - / KD", "0; table="},
    {"EndgameRefusesWithAnEmptyHand", Endgame, "0 KH 0: - / 6D / - / KD", "0"},
    {"PairTransfersWithThePlainCardOnAnEmptyTalon", Defend,
     "1 KH 0: 7H 7S 9D TD JD KC / 8C 9S / - / 7C",
     "1; table=7C 7S; hand=9D TD JD KC 7H; htable=; status=Перевод!; open=1; attacks=1"},
    {"NoTransferWhenTheHumanCouldNotAnswerEveryCard", Defend,
     "1 KH 0: 7H 7S 9D TD JD KC / 8C / - / 7C",
     "1; table=KC; htable=7C; status=(none); open=0; attacks=0"},
    {"EmptyTalonLoneRankCardDoesNotTransferIfTheHumanHasOne", Defend,
     "1 KH 0: 7D 8S 9D TD JD / 7H 8C 9S / - / 7C", "0; htable=7C; open=0"},
    {"EmptyTalonLoneRankCardTransfersIfTheHumanHasNone", Defend,
     "1 KH 0: 7D 8S 9D TD JD / 8C 9S JS / - / 7C", "1; table=7C 7D; status=Перевод!"},
    {"EmptyTalonThreeOfTheRankTransfer", Defend, "1 KH 0: 7D 7S 7H 9D TD / 8C 9S JS / - / 7C",
     "1; table=7C 7D"},
    {"ClosedTransferIsNotConsidered", Defend, "1 KH 10: 7D 7S 8C 9D TD / 8D 9S JS / - / 7C",
     "1; table=8C", 0},
    {"NoTransferOutsideTheTransferVariant", Defend, "0 KH 10: 7D 7S 8C 9D TD / 8D 9S JS / - / 7C",
     "1; table=8C; open=0"},
    // The human has just transferred 7D onto the computer's 7C; 7H may be
    // spent from a talon of 4 while the computer attacks.
    {"TrumpTransferBackIsJudgedAsAnAttacker", Back, "1 KH 5: 7H 8C 9D 6S QS / 8D 9S JS / - / 7C 7D",
     "1; table=9D 8C; htable=7D 7C; status=(none); open=0; attacks=0; selected="},
    {"TransfersBackWhenTheTrumpMayBeSpent", Back, "1 KH 4: 7H 8C 9D 6S QS / 8D 9S JS / - / 7C 7D",
     "1; table=7C 7D 7H; htable=; status=Перевод!; open=1; attacks=1; selected="},
    {"BeatsNoneWhenItCannotBeatAll", Back, "1 KH 5: 8C 6S QS KS / 8D 9S JS / - / 7C 7D",
     "0; table=; attacks=0; selected="},
};
INSTANTIATE_TEST_SUITE_P(Defence, DecisionTest, ::testing::ValuesIn(defences), labelOf);

// The computer opens a bout (talon 15 unless given) or adds to it.
const Decision attacks[] = {
    {"LeadOpensTheBoutAndRemembersTheHumansHand", Lead, "0 KH 15: 6C 9D / 7C 8C 9C TC JC",
     "1; open=1; atLead=5; led=1"},
    {"SafeLeadAgainstAnEmptyHandIsTheFirstCard", PlaySafe, "0 9H 23: AS 6D", "1; table=6D", -1,
     SORT_NONE},
    {"NoSafeLeadFromAnEmptyHand", PlaySafe, "0 9H 23:", "0; table="},
    {"NoSafeCardInAnEmptyHand", SafeLead, "0 9H 23:", "0"},
    {"EmptyHandLeadsNothing", Lead, "0 KH 15: - / 7C 8C 9C", "0; table="},
    {"PairLeadsItsFirstCardAndKeepsTheOther", Lead, "0 KH 15: JC 7C AH 9S 7D / 6D 8D TS QS KS AS",
     "1; table=7D; hand=7C 9S JC AH"},
    {"LeadsTheFirstOfTheChosenPair", Lead, "0 KH 15: 8D 8S TD TC TS / 6D 8C 9S", "1; table=TD"},
    {"Talon11LeadsTheLowestPlainCardInstead", Lead, "0 KH 11: QD QC 9S JC 7H / 6D 8C 9S",
     "1; table=9S"},
    {"HumanWithTwoCardsGetsTheFirstLowestPlainCard", Lead, "0 KH 5: 8S 8C 9D / 6D 7D",
     "1; table=8S; hand=8C 9D", -1, SORT_NONE},
    {"PlainCardIsLedBeforeALowerTrump", Lead, "0 KH 15: 6H 9C JD / 6D 7D 8C", "1; table=9C"},
    {"OnlyTrumpsLeadTheLowest", Lead, "0 KH 15: JH 9H 7H / 6D 7D 8C", "1; table=7H", -1, SORT_NONE},
    {"NoSafeCard", SafeLead, "0 KH 0: 7S 6C / 9C 8S", "0", -1, SORT_NONE},
    {"NoSafeCardFallsBackToTheBasicLead", Lead, "0 KH 0: 7S 6C / 9C 8S", "1; table=6C", -1,
     SORT_NONE},
    {"TransferVariantAvoidsATransferableRank", Lead, "1 KD 0: 6C 9H KS / 9C 8S", "1; table=KS"},
    {"PlainVariantLeadsTheSameRank", Lead, "0 KD 0: 6C 9H KS / 9C 8S", "1; table=9H"},
    {"TransferRankDoesNotMatterWithTwoCardsLeft", SafeLead, "1 KD 0: 9H KS / 9C 8S",
     "1; hand=9H KS"},
    // Throw-ins: eights and tens lie on the table, all covered.
    {"LowestPlainCardOfATableRankComesFirst", ThrowIn1,
     "0 KH 3: 6C TS 8H 8S AD JC / 6D 7D QS / 8C TD / 9C JD",
     "1; table=8C TD 8S; hand=6C 8H TS JC AD; open=0; sort=0", -1, SORT_BY_SUIT},
    {"RanksOfTheHumansCoversCountToo", ThrowIn0, "0 KH 3: 6C JS AD / 6D 7D QS / 8C TD / 9C JD",
     "1; table=8C TD JS"},
    {"NoTrumpWhileTheHumanTakes", ThrowIn0, "0 KH 3: 6C 8H QD / 6D 7D QS / 8C TD / 9C JD",
     "0; table=8C TD"},
    {"TrumpOfATableRankDuringTheAttack", ThrowIn1, "0 KH 3: 6C 8H QD / 6D 7D QS / 8C TD / 9C JD",
     "1; table=8C TD 8H"},
    {"TrumpThrowInObeysConservation", ThrowIn1, "0 KH 5: 6C 8H QD / 6D 7D QS / 8C TD / 9C JD",
     "0; hand=6C 8H QD"},
    {"NothingOfATableRankAddsNothing", ThrowIn1, "0 KH 3: 6C 7S QD AH / 6D 7D QS / 8C TD / 9C JD",
     "0; table=8C TD; open=0"},
    {"EmptyHumanHandGetsNothing", ThrowIn1, "0 KH 3: 8D TS / - / 8C TD / 9C JD",
     "0; table=8C TD; open=0"},
    {"JapaneseHighSpadeWaitsWhileTheHumanTakes", ThrowIn0, "4 - 19: QS 6H / 6D 7D / QC / KC", "0"},
    {"JapaneseHighSpadeInTheSecondPass", ThrowIn1, "4 - 19: QS 6H / 6D 7D / QC / KC",
     "1; table=QC QS"},
    {"SecondPassPlaysTheLowestTrumpOfATableRank", ThrowIn1,
     "0 KH 3: JH TH 8H 6C / 6D 7D QS / 8C TD / 9C JD", "1; table=8C TD 8H", -1, SORT_NONE},
};
INSTANTIATE_TEST_SUITE_P(Attack, DecisionTest, ::testing::ValuesIn(attacks), labelOf);

// The highest rank a pair is led from: talon 11 or more, the jack; 1 to 10,
// the king; 0, the ace. In the 18-card deal, nothing is drawn: more than
// eight cards in the human's hand, the jack; fewer, the ace.
const Decision pairRanks[] = {
    {"TiedPairsGoToTheLowerRank", Pair, "0 KH 15: 8D TC 8S TD QC / 6D 8C 9S", "8"},
    {"MoreCardsGoToTheHigherRank", Pair, "0 KH 15: 8D 8S TD TC TS / 6D 8C 9S", "10"},
    {"Talon11PairsStopAtTheJack", Pair, "0 KH 11: QD QC 9S JC 7H / 6D 8C 9S", "0"},
    {"Talon11TheJackItselfIsInside", Pair, "0 KH 11: JD JC 9S / 6D 8C 9S", "11"},
    {"Talon10ReachesTheQueen", Pair, "0 KH 10: QD QC KD KC AD AC / 6D 8C 9S", "12"},
    {"Talon1ReachesTheKing", Pair, "0 KH 1: KD KC AD AC / 6D 8C 9S", "13"},
    {"Talon1AcesWait", Pair, "0 KH 1: AD AC 9S / 6D 8C 9S", "0"},
    {"Talon0AcesPair", Pair, "0 KH 0: AD AC 9S / 6D 8C 9S", "14"},
    {"HumanWithNineCardsStopsAtTheJack", Pair,
     "2 KH 0: QD QC JD JC 9S / 6D 7D 8D 9D TD 6C 7C 8C 9C", "11"},
    {"HumanWithNineCardsNoQueens", Pair, "2 KH 0: QD QC 9S / 6D 7D 8D 9D TD 6C 7C 8C 9C", "0"},
    {"HumanWithEightCardsReachesTheQueen", Pair, "2 KH 0: QD QC 9S / 6D 7D 8D 9D TD 6C 7C 8C",
     "12"},
    {"HumanWithEightCardsAces", Pair, "2 KH 0: AD AC 9S / 6D 7D 8D 9D TD 6C 7C 8C", "14"},
    {"SinglesGiveNoPairRank", Pair, "0 KH 15: 6D 7C 8S 9D TH JC QD", "0"},
};
INSTANTIATE_TEST_SUITE_P(PairRank, DecisionTest, ::testing::ValuesIn(pairRanks), labelOf);

// The Japanese lead: with an empty talon the lowest spade; with up to four
// cards left, the spade's rank when it is held twice or more; from five on,
// nothing special.
const Decision japaneseLeads[] = {
    {"JapaneseShortTalonLeadsFromTheSpadesRank", Lead, "4 - 3: 7C 7H 9H 9S / 6D 7D 8D 6H 8H TC",
     "1; table=9H; why=led 9H: with the talon nearly drawn it opens a rank it holds with a spade, "
     "so the rest follow as throw-ins."},
    {"JapaneseTalon4LeadsFromTheSpadesRank", Lead, "4 - 4: 7C 7H 9H 9S / 6D 7D 8D 6H 8H TC",
     "1; table=9H"},
    {"JapaneseLoneSpadeOfItsRank", Japanese, "4 - 3: 7C 7H 9S TH / 6D 7D 8D 6H 8H TC", "0"},
    {"JapaneseLoneSpadeLeavesItToTheBasicLead", Lead, "4 - 3: 7C 7H 9S TH / 6D 7D 8D 6H 8H TC",
     "1; table=7H"},
    {"JapaneseLongTalonKeepsTheSpades", Lead, "4 - 5: 7C 7H 9H 9S / 6D 7D 8D 6H 8H TC",
     "1; table=7H; why=led 7H from a rank it holds twice or more: it keeps the others for "
     "throwing in."},
    {"JapaneseEmptyTalonLeadsTheLowestSpade", Lead, "4 - 0: 6C 6S 8S QS / 6D 7D 8D 6H 8H TC",
     "1; table=6S; why=led the spade 6S: the talon is empty, and only a higher spade beats a "
     "spade."},
    {"JapaneseNoSpadeNoJapaneseLead", Japanese, "4 - 0: 6C 7H 9D / 6D 7D 8D 6H 8H TC", "0; table="},
};
INSTANTIATE_TEST_SUITE_P(JapaneseLead, DecisionTest, ::testing::ValuesIn(japaneseLeads), labelOf);

// The end of the game: with the talon empty and either hand down to two cards
// the computer looks for a lead the human cannot beat; a pair is led only
// against three or more cards.
const Decision endgameLeads[] = {
    {"EmptyTalonLeadsACardTheHumanCannotBeat", Lead, "0 KD 0: 6C 9H KS / 7C 8S",
     "1; table=9H; hand=6C KS; sort=1"},
    {"SafeLeadOnlyWithAnEmptyTalon", Lead, "0 KD 1: 6C 9H KS / 7C 8S", "1; table=6C; sort=0"},
    {"SafeLeadWhenTheComputerIsDownToTwoCards", Lead, "0 KH 0: 6C KS / 7C 8C 9C 7S", "1; table=KS"},
    {"ThreeCardsEachIsNoEndgame", Lead, "0 KD 0: 6C 9H KS / 7C 8S 7S", "1; table=6C"},
    {"ComputerWithThreeCardsIsNoEndgame", Lead, "0 KH 0: 6C KS 8D / 7C 8C 9C 7S", "1; table=6C"},
    {"HumanWithThreeCardsGetsThePair", Lead, "0 KH 5: 6C 8S 8C / 6D 7D 9D", "1; table=8S", -1,
     SORT_NONE},
    {"HumanWithTwoCardsGetsTheLowestPlainCardNotThePair", Lead, "0 KH 5: 6C 8S 8C / 6D 7D",
     "1; table=6C", -1, SORT_NONE},
};
INSTANTIATE_TEST_SUITE_P(EndgameLead, DecisionTest, ::testing::ValuesIn(endgameLeads), labelOf);

// Whether the computer would transfer the human's 7C (9H turned up).
const Decision transferWishes[] = {
    {"ThreeCardsInHandAlwaysTransfer", Wants7, "1 9H 23: 8D 9D TD / - / - / 7C", "1"},
    {"FourCardsWithoutTheRankDoNot", Wants7, "1 9H 23: 8D 9D TD JD / - / - / 7C", "0"},
    {"PairTransfersOnAnEmptyTalon", Wants7, "1 9H 0: 7D 7S 9D TD JD / 7H 8C / - / 7C", "1"},
    {"OneOfTheRankWhileTheTalonLasts", Wants7, "1 9H 1: 7D 9D TD JD / 7H / - / 7C", "1"},
    {"ThreeOfTheRankWhileTheTalonLasts", Wants7, "1 9H 1: 7D 9D TD JD 7S 7H / 7H / - / 7C", "1"},
    {"EmptyTalonThreeWhenTheHumanHasNone", Wants7, "1 9H 0: 7D 7S 7H 9D TD / 8C 9C / - / 7C", "1"},
    {"EmptyTalonLoneCardWhenTheHumanHasOne", Wants7, "1 9H 0: 7D 9S 9D TD JD / 8C 7H / - / 7C",
     "0"},
    {"EmptyTalonThreeWhenTheHumanHasOne", Wants9, "1 9H 0: 9D 9S 9H TD JD / 9C 8C / - / 7C", "0"},
};
INSTANTIATE_TEST_SUITE_P(Transfer, DecisionTest, ::testing::ValuesIn(transferWishes), labelOf);

TEST_F(ComputerTest, PlayComputerCardMovesExactlyTheCardAtThePosition) {
    computerHand.sortMode = SORT_NONE;
    fill(computerHand, "9D 6S AH");
    fill(computerTableRow, "7C");
    computerHand.cards[0].selected = 1; // a stray mark must not travel too
    playComputerCard(0);
    playComputerCard(4);
    playComputerCard(3);
    EXPECT_EQ(names(computerTableRow), "7C AH");
    EXPECT_EQ(names(computerHand), "9D 6S");
    EXPECT_EQ(selectedNames(computerHand), "");
    EXPECT_EQ(selectedNames(computerTableRow), "");
}

} // namespace
