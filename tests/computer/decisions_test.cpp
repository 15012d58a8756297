#include <string>

#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "computer_fixture.h"
#include "game/game_state.h"
#include "game/status_line.h"

namespace {

enum Act { Defend, Endgame, Lead, Pair, SafeLead, Japanese, ThrowIn0, ThrowIn1, Wants7, Wants9 };
constexpr const char16_t* transfer = u"Перевод!";
constexpr const char16_t* silent = u"(none)";

// One position and what the computer makes of it. Hearts are trump (KH turned
// up; "" is the Japanese set-up). The computer attacks in the lead and
// throw-in cases and defends otherwise. Expectations left null or -1 are not
// checked.
struct Decision {
    const char* label;
    Act act;
    int32_t type = 0;
    const char* trump = "KH";
    int32_t talon = 23;
    int32_t sort = SORT_BY_RANK; // the computer's hand, before it is filled
    const char* computer = "";
    const char* human = "";
    const char* humanTable = "";
    const char* computerTable = "";
    int32_t open = -1;
    int32_t result = 0;
    const char* table = nullptr; // the computer's table row afterwards
    const char* hand = nullptr;
    const char* humanTableAfter = nullptr;
    const char16_t* status = nullptr;
    int32_t openAfter = -1;
    int32_t attacksAfter = -1;
    int32_t sortAfter = -1;
};

class DecisionTest : public ComputerTest, public ::testing::WithParamInterface<Decision> {};

std::string labelOf(const ::testing::TestParamInfo<Decision>& param) {
    return param.param.label;
}

int32_t decide(Act act) {
    switch (act) {
    case Defend:
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
    case Wants7:
        return WantsTransfer(7) ? 1 : 0;
    case Wants9:
        return WantsTransfer(9) ? 1 : 0;
    }
    return -1;
}

TEST_P(DecisionTest, Decides) {
    const Decision& d = GetParam();
    const bool attacking = d.act >= Lead && d.act <= ThrowIn1;
    setGameType(d.type);
    std::string(d.trump).empty() ? setJapaneseTrump() : setTrump(d.trump);
    setTalon(d.talon);
    computerHand.sortMode = d.sort;
    fill(computerHand, d.computer);
    fill(humanHand, d.human);
    fill(humanTableRow, d.humanTable);
    fill(computerTableRow, d.computerTable);
    computerAttacks = attacking ? 1 : 0;
    transferOpen = d.open >= 0 ? d.open : (d.act == Lead || d.act == Pair ? 0 : 1);

    EXPECT_EQ(decide(d.act), d.result);
    if (d.table != nullptr) {
        EXPECT_EQ(names(computerTableRow), d.table);
    }
    if (d.hand != nullptr) {
        EXPECT_EQ(names(computerHand), d.hand);
    }
    if (d.humanTableAfter != nullptr) {
        EXPECT_EQ(names(humanTableRow), d.humanTableAfter);
    }
    if (d.status != nullptr) {
        EXPECT_EQ(statusText == nullptr ? silent : std::u16string(statusText), d.status);
    }
    if (d.openAfter >= 0) {
        EXPECT_EQ(transferOpen, d.openAfter);
    }
    if (d.attacksAfter >= 0) {
        EXPECT_EQ(computerAttacks, d.attacksAfter);
    }
    if (d.sortAfter >= 0) {
        EXPECT_EQ(computerHand.sortMode, d.sortAfter);
    }
}

// The human attacks; the computer covers, transfers or takes.
// clang-format off
const Decision defences[] = {
    {.label = "EmptyTableAfterANewDealIsLeftAlone", .act = Defend, .type = 1, .sort = SORT_NONE,
     .computer = "6H 7D KC AS", .human = "7C 8C", .result = 1, .table = "", .hand = "6H 7D KC AS",
     .openAfter = 1, .attacksAfter = 0, .sortAfter = SORT_NONE},
    {.label = "Talon16BeatsWithTheHighestOfTheSuit", .act = Defend, .talon = 16,
     .computer = "8C TC AC 6D KS", .human = "6H 8D 9S", .humanTable = "7C", .result = 1,
     .table = "AC", .hand = "6D 8C TC KS", .sortAfter = SORT_BY_SUIT},
    {.label = "Talon15BeatsWithTheLowestOfTheSuit", .act = Defend, .talon = 15,
     .computer = "8C TC AC 6D KS", .human = "6H 8D 9S", .humanTable = "7C", .result = 1,
     .table = "8C"},
    {.label = "TrumpLeadHoldsBack9HAtTalon17", .act = Defend, .talon = 17, .computer = "9H 6S 7C",
     .human = "6C 8D 9S", .humanTable = "8H", .result = 0, .table = "", .openAfter = 0},
    {.label = "TrumpLeadSpends9HAtTalon16", .act = Defend, .talon = 16, .computer = "9H 6S 7C",
     .human = "6C 8D 9S", .humanTable = "8H", .result = 1, .table = "9H"},
    {.label = "TrumpLeadTakesTheLowestHigherTrump", .act = Defend, .talon = 16,
     .computer = "JH TH 6S", .human = "6C 8D 9S", .humanTable = "8H", .result = 1, .table = "TH"},
    {.label = "TrumpLeadWithOnlyLowerTrumpsIsTaken", .act = Defend, .talon = 3,
     .computer = "7H TH AC", .human = "6C 8D 9S", .humanTable = "JH", .result = 0, .table = ""},
    {.label = "JapaneseSpadeHeldBackIsTakenDespiteTrumps", .act = Defend, .type = 4, .trump = "",
     .talon = 19, .computer = "TD AD 6S QS 7H", .human = "6C 8H 9C", .humanTable = "9S", .result = 0,
     .table = ""},
    {.label = "JapaneseSpadeSpentAtTalon10", .act = Defend, .type = 4, .trump = "", .talon = 10,
     .computer = "TD AD 6S QS 7H", .human = "6C 8H 9C", .humanTable = "9S", .result = 1,
     .table = "QS"},
    {.label = "JapaneseWalksDownFromAHeldBackSpade", .act = Defend, .type = 5, .trump = "",
     .talon = 16, .computer = "TS QS 6D", .human = "6C 8H 9C", .humanTable = "9S", .open = 0,
     .result = 1, .table = "TS"},
    {.label = "UnfollowedSuitPrefersATrumpOfTheAttackedRank", .act = Defend, .talon = 3,
     .computer = "7H 9H 6D", .human = "6C 8D 9S", .humanTable = "9C", .result = 1, .table = "9H"},
    {.label = "UnfollowedSuitSpendsTheLowestAllowedTrump", .act = Defend, .talon = 3,
     .computer = "JH 7H 6D 6C", .human = "6C 8D 9S", .humanTable = "9C", .result = 1,
     .table = "7H"},
    {.label = "TrumpsAreHeldBackAtTalon17", .act = Defend, .talon = 17, .computer = "7H 6D",
     .human = "6C 8D 9S", .humanTable = "9C", .result = 0, .hand = "6D 7H"},
    {.label = "NoSuitAndNoTrumpMeansTaking", .act = Defend, .talon = 3, .computer = "6D 7S",
     .human = "6C 8D 9S", .humanTable = "9C", .result = 0, .table = ""},
    {.label = "EmptyHandTakes", .act = Defend, .talon = 0, .human = "6C 8D 9S", .humanTable = "9C",
     .result = 0},
    {.label = "EmptyTalonPrefersARankTheHumanLacks", .act = Defend, .talon = 0,
     .computer = "8C 9C 6H", .human = "8D TS", .humanTable = "7C", .result = 1, .table = "9C"},
    {.label = "EmptyTalonCoverMayBeATrump", .act = Defend, .talon = 0, .computer = "8C 9C 6H",
     .human = "8D 9S", .humanTable = "7C", .result = 1, .table = "6H"},
    {.label = "EmptyTalonFallsBackToTheUsualChoice", .act = Defend, .talon = 0,
     .computer = "8C 9C 6H", .human = "8D 9S 6S", .humanTable = "7C", .result = 1, .table = "8C"},
    {.label = "EndgameRefusesThreeCardsAgainstOneAnswer", .act = Endgame, .talon = 0,
     .computer = "AC", .human = "6D", .humanTable = "7C 8C 9C", .computerTable = "TC", .result = 0},
    {.label = "EndgameCoversTwoCardsAgainstOneAnswer", .act = Endgame, .talon = 0, .computer = "AC",
     .human = "6D", .humanTable = "7C 9C", .computerTable = "TC", .result = 1, .table = "TC AC"},
    {.label = "EndgameRefusesWhileTheTalonLasts", .act = Endgame, .talon = 1, .computer = "AD",
     .human = "6D", .humanTable = "KD", .result = 0, .table = ""},
    {.label = "EndgameRefusesWithAnEmptyHand", .act = Endgame, .talon = 0, .human = "6D",
     .humanTable = "KD", .result = 0},
    {.label = "PairTransfersWithThePlainCardOnAnEmptyTalon", .act = Defend, .type = 1, .talon = 0,
     .computer = "7H 7S 9D TD JD KC", .human = "8C 9S", .humanTable = "7C", .result = 1,
     .table = "7C 7S", .hand = "9D TD JD KC 7H", .humanTableAfter = "", .status = transfer,
     .openAfter = 1, .attacksAfter = 1},
    {.label = "NoTransferWhenTheHumanCouldNotAnswerEveryCard", .act = Defend, .type = 1, .talon = 0,
     .computer = "7H 7S 9D TD JD KC", .human = "8C", .humanTable = "7C", .result = 1, .table = "KC",
     .humanTableAfter = "7C", .status = silent, .openAfter = 0, .attacksAfter = 0},
    {.label = "EmptyTalonLoneRankCardDoesNotTransferIfTheHumanHasOne", .act = Defend, .type = 1,
     .talon = 0, .computer = "7D 8S 9D TD JD", .human = "7H 8C 9S", .humanTable = "7C", .result = 0,
     .humanTableAfter = "7C", .openAfter = 0},
    {.label = "EmptyTalonLoneRankCardTransfersIfTheHumanHasNone", .act = Defend, .type = 1,
     .talon = 0, .computer = "7D 8S 9D TD JD", .human = "8C 9S JS", .humanTable = "7C", .result = 1,
     .table = "7C 7D", .status = transfer},
    {.label = "EmptyTalonThreeOfTheRankTransfer", .act = Defend, .type = 1, .talon = 0,
     .computer = "7D 7S 7H 9D TD", .human = "8C 9S JS", .humanTable = "7C", .result = 1,
     .table = "7C 7D"},
    {.label = "ClosedTransferIsNotConsidered", .act = Defend, .type = 1, .talon = 10,
     .computer = "7D 7S 8C 9D TD", .human = "8D 9S JS", .humanTable = "7C", .open = 0, .result = 1,
     .table = "8C"},
    {.label = "NoTransferOutsideTheTransferVariant", .act = Defend, .talon = 10,
     .computer = "7D 7S 8C 9D TD", .human = "8D 9S JS", .humanTable = "7C", .result = 1,
     .table = "8C", .openAfter = 0},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Defence, DecisionTest, ::testing::ValuesIn(defences), labelOf);

// The human has just transferred 7D onto the computer's 7C; 7H may be spent
// from a talon of 4 while the computer attacks.
// clang-format off
const Decision transfersBack[] = {
    {.label = "TrumpTransferBackIsJudgedAsAnAttacker", .act = Defend, .type = 1, .talon = 5,
     .computer = "7H 8C 9D 6S QS", .human = "8D 9S JS", .humanTable = "7C 7D", .result = 1,
     .table = "9D 8C", .humanTableAfter = "7D 7C", .status = silent, .openAfter = 0,
     .attacksAfter = 0},
    {.label = "TransfersBackWhenTheTrumpMayBeSpent", .act = Defend, .type = 1, .talon = 4,
     .computer = "7H 8C 9D 6S QS", .human = "8D 9S JS", .humanTable = "7C 7D", .result = 1,
     .table = "7C 7D 7H", .humanTableAfter = "", .status = transfer, .openAfter = 1,
     .attacksAfter = 1},
    {.label = "BeatsNoneWhenItCannotBeatAll", .act = Defend, .type = 1, .talon = 5,
     .computer = "8C 6S QS KS", .human = "8D 9S JS", .humanTable = "7C 7D", .result = 0, .table = "",
     .attacksAfter = 0},
};
// clang-format on

class TransferredBackTest : public DecisionTest {};
TEST_P(TransferredBackTest, Decides) {
    computerAttacks = 1;
    const Decision& d = GetParam();
    setGameType(d.type);
    setTrump(d.trump);
    setTalon(d.talon);
    fill(computerHand, d.computer);
    fill(humanHand, d.human);
    fill(humanTableRow, d.humanTable);
    computerAttacks = 1;
    transferOpen = 1;
    EXPECT_EQ(ComputerDefend(), d.result);
    EXPECT_EQ(names(computerTableRow), d.table);
    EXPECT_EQ(selectedNames(computerHand), "");
    if (d.humanTableAfter != nullptr) {
        EXPECT_EQ(names(humanTableRow), d.humanTableAfter);
        EXPECT_EQ(statusText == nullptr ? silent : std::u16string(statusText), d.status);
        EXPECT_EQ(transferOpen, d.openAfter);
    }
    EXPECT_EQ(computerAttacks, d.attacksAfter);
}
INSTANTIATE_TEST_SUITE_P(Defence, TransferredBackTest, ::testing::ValuesIn(transfersBack), labelOf);

const char* const nineCards = "6D 7D 8D 9D TD 6C 7C 8C 9C";
const char* const eightCards = "6D 7D 8D 9D TD 6C 7C 8C";
const char* const japaneseHuman = "6D 7D 8D 6H 8H TC";

// The computer opens a bout (talon 15 unless given) or adds to it.
// clang-format off
const Decision attacks[] = {
    {.label = "EmptyHandLeadsNothing", .act = Lead, .talon = 15, .human = "7C 8C 9C", .result = 0,
     .table = ""},
    {.label = "PairLeadsItsFirstCardAndKeepsTheOther", .act = Lead, .talon = 15,
     .computer = "JC 7C AH 9S 7D", .human = "6D 8D TS QS KS AS", .result = 1, .table = "7D",
     .hand = "7C 9S JC AH"},
    {.label = "TiedPairsGoToTheLowerRank", .act = Pair, .talon = 15, .computer = "8D TC 8S TD QC",
     .human = "6D 8C 9S", .result = 8},
    {.label = "MoreCardsGoToTheHigherRank", .act = Pair, .talon = 15, .computer = "8D 8S TD TC TS",
     .human = "6D 8C 9S", .result = 10},
    {.label = "LeadsTheFirstOfTheChosenPair", .act = Lead, .talon = 15, .computer = "8D 8S TD TC TS",
     .human = "6D 8C 9S", .result = 1, .table = "TD"},
    {.label = "Talon11PairsStopAtTheJack", .act = Pair, .talon = 11, .computer = "QD QC 9S JC 7H",
     .human = "6D 8C 9S", .result = 0},
    {.label = "Talon11LeadsTheLowestPlainCardInstead", .act = Lead, .talon = 11,
     .computer = "QD QC 9S JC 7H", .human = "6D 8C 9S", .result = 1, .table = "9S"},
    {.label = "Talon11TheJackItselfIsInside", .act = Pair, .talon = 11, .computer = "JD JC 9S",
     .human = "6D 8C 9S", .result = 11},
    {.label = "Talon10ReachesTheQueen", .act = Pair, .talon = 10, .computer = "QD QC KD KC AD AC",
     .human = "6D 8C 9S", .result = 12},
    {.label = "Talon1ReachesTheKing", .act = Pair, .talon = 1, .computer = "KD KC AD AC",
     .human = "6D 8C 9S", .result = 13},
    {.label = "Talon1AcesWait", .act = Pair, .talon = 1, .computer = "AD AC 9S", .human = "6D 8C 9S",
     .result = 0},
    {.label = "Talon0AcesPair", .act = Pair, .talon = 0, .computer = "AD AC 9S", .human = "6D 8C 9S",
     .result = 14},
    {.label = "HumanWithNineCardsStopsAtTheJack", .act = Pair, .type = 2, .talon = 0,
     .computer = "QD QC JD JC 9S", .human = nineCards, .result = 11},
    {.label = "HumanWithNineCardsNoQueens", .act = Pair, .type = 2, .talon = 0,
     .computer = "QD QC 9S", .human = nineCards, .result = 0},
    {.label = "HumanWithEightCardsReachesTheQueen", .act = Pair, .type = 2, .talon = 0,
     .computer = "QD QC 9S", .human = eightCards, .result = 12},
    {.label = "HumanWithEightCardsAces", .act = Pair, .type = 2, .talon = 0, .computer = "AD AC 9S",
     .human = eightCards, .result = 14},
    {.label = "SinglesGiveNoPairRank", .act = Pair, .talon = 15, .computer = "6D 7C 8S 9D TH JC QD",
     .result = 0},
    {.label = "HumanWithTwoCardsGetsTheFirstLowestPlainCard", .act = Lead, .talon = 5,
     .sort = SORT_NONE, .computer = "8S 8C 9D", .human = "6D 7D", .result = 1, .table = "8S",
     .hand = "8C 9D"},
    {.label = "PlainCardIsLedBeforeALowerTrump", .act = Lead, .talon = 15, .computer = "6H 9C JD",
     .human = "6D 7D 8C", .result = 1, .table = "9C"},
    {.label = "OnlyTrumpsLeadTheLowest", .act = Lead, .talon = 15, .sort = SORT_NONE,
     .computer = "JH 9H 7H", .human = "6D 7D 8C", .result = 1, .table = "7H"},
    {.label = "EmptyTalonLeadsACardTheHumanCannotBeat", .act = Lead, .trump = "KD", .talon = 0,
     .computer = "6C 9H KS", .human = "7C 8S", .result = 1, .table = "9H", .hand = "6C KS",
     .sortAfter = SORT_BY_SUIT},
    {.label = "SafeLeadOnlyWithAnEmptyTalon", .act = Lead, .trump = "KD", .talon = 1,
     .computer = "6C 9H KS", .human = "7C 8S", .result = 1, .table = "6C",
     .sortAfter = SORT_BY_RANK},
    {.label = "SafeLeadWhenTheComputerIsDownToTwoCards", .act = Lead, .talon = 0,
     .computer = "6C KS", .human = "7C 8C 9C 7S", .result = 1, .table = "KS"},
    {.label = "NoSafeCard", .act = SafeLead, .talon = 0, .sort = SORT_NONE, .computer = "7S 6C",
     .human = "9C 8S", .result = 0},
    {.label = "NoSafeCardFallsBackToTheBasicLead", .act = Lead, .talon = 0, .sort = SORT_NONE,
     .computer = "7S 6C", .human = "9C 8S", .result = 1, .table = "6C"},
    {.label = "TransferVariantAvoidsATransferableRank", .act = Lead, .type = 1, .trump = "KD",
     .talon = 0, .computer = "6C 9H KS", .human = "9C 8S", .result = 1, .table = "KS"},
    {.label = "PlainVariantLeadsTheSameRank", .act = Lead, .trump = "KD", .talon = 0,
     .computer = "6C 9H KS", .human = "9C 8S", .result = 1, .table = "9H"},
    {.label = "TransferRankDoesNotMatterWithTwoCardsLeft", .act = SafeLead, .type = 1, .trump = "KD",
     .talon = 0, .computer = "9H KS", .human = "9C 8S", .result = 1, .hand = "9H KS"},
    {.label = "JapaneseShortTalonLeadsFromTheSpadesRank", .act = Lead, .type = 4, .trump = "",
     .talon = 3, .computer = "7C 7H 9H 9S", .human = japaneseHuman, .result = 1, .table = "9H"},
    {.label = "JapaneseLoneSpadeOfItsRank", .act = Japanese, .type = 4, .trump = "", .talon = 3,
     .computer = "7C 7H 9S TH", .human = japaneseHuman, .result = 0},
    {.label = "JapaneseLoneSpadeLeavesItToTheBasicLead", .act = Lead, .type = 4, .trump = "",
     .talon = 3, .computer = "7C 7H 9S TH", .human = japaneseHuman, .result = 1, .table = "7H"},
    {.label = "JapaneseLongTalonKeepsTheSpades", .act = Lead, .type = 4, .trump = "", .talon = 5,
     .computer = "7C 7H 9H 9S", .human = japaneseHuman, .result = 1, .table = "7H"},
    {.label = "JapaneseEmptyTalonLeadsTheLowestSpade", .act = Lead, .type = 4, .trump = "",
     .talon = 0, .computer = "6C 6S 8S QS", .human = japaneseHuman, .result = 1, .table = "6S"},
    {.label = "JapaneseNoSpadeNoJapaneseLead", .act = Japanese, .type = 4, .trump = "", .talon = 0,
     .computer = "6C 7H 9D", .human = japaneseHuman, .result = 0, .table = ""},
    // Throw-ins: eights and tens lie on the table, all covered.
    {.label = "LowestPlainCardOfATableRankComesFirst", .act = ThrowIn1, .talon = 3,
     .sort = SORT_BY_SUIT, .computer = "6C TS 8H 8S AD JC", .human = "6D 7D QS",
     .humanTable = "9C JD", .computerTable = "8C TD", .result = 1, .table = "8C TD 8S",
     .hand = "6C 8H TS JC AD", .openAfter = 0, .sortAfter = SORT_BY_RANK},
    {.label = "RanksOfTheHumansCoversCountToo", .act = ThrowIn0, .talon = 3, .computer = "6C JS AD",
     .human = "6D 7D QS", .humanTable = "9C JD", .computerTable = "8C TD", .result = 1,
     .table = "8C TD JS"},
    {.label = "NoTrumpWhileTheHumanTakes", .act = ThrowIn0, .talon = 3, .computer = "6C 8H QD",
     .human = "6D 7D QS", .humanTable = "9C JD", .computerTable = "8C TD", .result = 0,
     .table = "8C TD"},
    {.label = "TrumpOfATableRankDuringTheAttack", .act = ThrowIn1, .talon = 3,
     .computer = "6C 8H QD", .human = "6D 7D QS", .humanTable = "9C JD", .computerTable = "8C TD",
     .result = 1, .table = "8C TD 8H"},
    {.label = "TrumpThrowInObeysConservation", .act = ThrowIn1, .talon = 5, .computer = "6C 8H QD",
     .human = "6D 7D QS", .humanTable = "9C JD", .computerTable = "8C TD", .result = 0,
     .hand = "6C 8H QD"},
    {.label = "NothingOfATableRankAddsNothing", .act = ThrowIn1, .talon = 3,
     .computer = "6C 7S QD AH", .human = "6D 7D QS", .humanTable = "9C JD", .computerTable = "8C TD",
     .result = 0, .table = "8C TD", .openAfter = 0},
    {.label = "EmptyHumanHandGetsNothing", .act = ThrowIn1, .talon = 3, .computer = "8D TS",
     .humanTable = "9C JD", .computerTable = "8C TD", .result = 0, .table = "8C TD",
     .openAfter = 0},
    {.label = "JapaneseHighSpadeWaitsWhileTheHumanTakes", .act = ThrowIn0, .type = 4, .trump = "",
     .talon = 19, .computer = "QS 6H", .human = "6D 7D", .humanTable = "KC", .computerTable = "QC",
     .result = 0},
    {.label = "JapaneseHighSpadeInTheSecondPass", .act = ThrowIn1, .type = 4, .trump = "",
     .talon = 19, .computer = "QS 6H", .human = "6D 7D", .humanTable = "KC", .computerTable = "QC",
     .result = 1, .table = "QC QS"},
    {.label = "SecondPassPlaysTheLowestTrumpOfATableRank", .act = ThrowIn1, .talon = 3,
     .sort = SORT_NONE, .computer = "JH TH 8H 6C", .human = "6D 7D QS", .humanTable = "9C JD",
     .computerTable = "8C TD", .result = 1, .table = "8C TD 8H"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Attack, DecisionTest, ::testing::ValuesIn(attacks), labelOf);

// Whether the computer would transfer the human's 7C (9H turned up).
// clang-format off
const Decision transferWishes[] = {
    {.label = "ThreeCardsInHandAlwaysTransfer", .act = Wants7, .type = 1, .trump = "9H",
     .computer = "8D 9D TD", .humanTable = "7C", .result = 1},
    {.label = "FourCardsWithoutTheRankDoNot", .act = Wants7, .type = 1, .trump = "9H",
     .computer = "8D 9D TD JD", .humanTable = "7C", .result = 0},
    {.label = "PairTransfersOnAnEmptyTalon", .act = Wants7, .type = 1, .trump = "9H", .talon = 0,
     .computer = "7D 7S 9D TD JD", .human = "7H 8C", .humanTable = "7C", .result = 1},
    {.label = "OneOfTheRankWhileTheTalonLasts", .act = Wants7, .type = 1, .trump = "9H", .talon = 1,
     .computer = "7D 9D TD JD", .human = "7H", .humanTable = "7C", .result = 1},
    {.label = "ThreeOfTheRankWhileTheTalonLasts", .act = Wants7, .type = 1, .trump = "9H",
     .talon = 1, .computer = "7D 9D TD JD 7S 7H", .human = "7H", .humanTable = "7C", .result = 1},
    {.label = "EmptyTalonThreeWhenTheHumanHasNone", .act = Wants7, .type = 1, .trump = "9H",
     .talon = 0, .computer = "7D 7S 7H 9D TD", .human = "8C 9C", .humanTable = "7C", .result = 1},
    {.label = "EmptyTalonLoneCardWhenTheHumanHasOne", .act = Wants7, .type = 1, .trump = "9H",
     .talon = 0, .computer = "7D 9S 9D TD JD", .human = "8C 7H", .humanTable = "7C", .result = 0},
    {.label = "EmptyTalonThreeWhenTheHumanHasOne", .act = Wants9, .type = 1, .trump = "9H",
     .talon = 0, .computer = "9D 9S 9H TD JD", .human = "9C 8C", .humanTable = "7C", .result = 0},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Transfer, DecisionTest, ::testing::ValuesIn(transferWishes), labelOf);

TEST_F(ComputerTest, LeadOpensTheBoutAndRemembersTheHumansHand) {
    setTrump("KH");
    setTalon(15);
    computerAttacks = 1;
    transferOpen = 0;
    fill(computerHand, "6C 9D");
    fill(humanHand, "7C 8C 9C TC JC");
    EXPECT_EQ(ComputerLead(), 1);
    EXPECT_EQ(humanHandAtLead, 5);
    EXPECT_EQ(transferOpen, 1);
    EXPECT_EQ(computerLed, 1);
}

TEST_F(ComputerTest, SafeLeadAgainstAnEmptyHandIsTheFirstCard) {
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
