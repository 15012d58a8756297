#include "cards/table.h"
#include "computer/defence.h"
#include "computer_fixture.h"

namespace {

class PlayComputerCardTest : public ComputerTest {};

TEST_F(PlayComputerCardTest, MovesExactlyTheCardAtThePosition) {
    computerHand.sortMode = SORT_NONE;
    fill(computerHand, "9D 6S AH");
    fill(computerTableRow, "7C");
    computerHand.cards[0].selected = 1; // a stray mark must not travel too
    playComputerCard(3);
    EXPECT_EQ(names(computerTableRow), "7C AH");
    EXPECT_EQ(names(computerHand), "9D 6S");
    EXPECT_EQ(selectedNames(computerHand), "");
    EXPECT_EQ(selectedNames(computerTableRow), "");
}

TEST_F(PlayComputerCardTest, PositionOutsideTheHandPlaysNothing) {
    fill(computerHand, "9D 6S");
    playComputerCard(0);
    playComputerCard(3);
    playComputerCard(-1);
    EXPECT_EQ(names(computerHand), "6S 9D");
    EXPECT_EQ(names(computerTableRow), "");
}

} // namespace
