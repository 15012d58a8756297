// What each stored game type plays: its name, transfers, hand size and the
// Japanese trump and spade rules; a type outside the table plays as
// throw-in without transfers and has no name.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "cards/table.h"
#include "game/beats.h"
#include "game/game_state.h"
#include "platform/resource_api.h"
#include "platform/utf.h"

namespace {

struct VariantCase {
    int32_t type;
    const char* name; // "" for none
    int32_t transferVariant;
    int32_t handSize;
    bool diamondsTrump;
    bool trumpBeatsSpade;
};

class VariantTest : public ::testing::TestWithParam<VariantCase> {
  protected:
    void TearDown() override { resetGameState(); }
};

// A low trump on a low spade, both rows' way of marking a trump.
bool trumpBeatsSpade() {
    Card trump;
    trump.suit = SUIT_HEARTS;
    trump.rank = 6;
    trump.isTrump = 1;
    Card spade;
    spade.suit = SUIT_SPADES;
    spade.rank = 7;
    spade.isTrump = 0;
    return Beats(trump, spade);
}

TEST_P(VariantTest, PlaysByItsRowOfTheTable) {
    const VariantCase& c = GetParam();
    SetThreadUILanguage(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    gameType = c.type;
    EXPECT_EQ(utf8FromUtf16(gameTypeName(c.type)), c.name);
    EXPECT_EQ(gameTypeName(c.type) == nullptr, std::string(c.name).empty());
    EXPECT_EQ(transferVariantFor(c.type), c.transferVariant);
    EXPECT_EQ(refillTarget(), c.handSize);
    EXPECT_EQ(currentVariant().diamondsTrump, c.diamondsTrump);
    EXPECT_EQ(trumpBeatsSpade(), c.trumpBeatsSpade);
}

INSTANTIATE_TEST_SUITE_P(
    Types, VariantTest,
    ::testing::Values(VariantCase{0, "Подкидной", 0, 6, false, true},
                      VariantCase{1, "Подкидной переводной", 1, 6, false, true},
                      VariantCase{2, "Наваленный", 0, 18, false, true},
                      VariantCase{3, "Наваленный переводной", 1, 18, false, true},
                      VariantCase{4, "Японский", 0, 6, true, false},
                      VariantCase{5, "Японский переводной", 1, 6, true, false},
                      VariantCase{7, "", 0, 6, false, true}),
    [](const ::testing::TestParamInfo<VariantCase>& param) {
        return "type" + std::to_string(param.param.type);
    });

} // namespace
