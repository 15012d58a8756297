// SPDX-License-Identifier: MIT
// The game in progress as text: every value at the end of its range reads
// back exactly as it was written, and one step past it refuses the whole
// file, so a hand-edited or damaged game is dealt afresh, never half read.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "records/game_file.h"

namespace {

SavedGame sample() {
    SavedGame game;
    game.table.deck.capacity = 36;
    for (DeckSlot& slot : game.table.deck.slots) {
        slot.rank = 6;
        slot.suit = 1;
    }
    return game;
}

Card& firstCard(SavedGame& game) {
    RowSnapshot& row = game.table.rows[3];
    if (row.cards.empty()) {
        row.cards.emplace_back();
    }
    return row.cards[0];
}

struct Edge {
    const char* name;
    std::function<void(SavedGame&, int32_t)> set;
    int32_t low, high;  // the range read; one step outside either end is refused
    bool count = false; // a count of things: nothing below 0 can be written
};

const Edge edges[] = {
    {"deal known", [](SavedGame& g, int32_t v) { g.dealKnown = v; }, 0, 1},
    {"variant", [](SavedGame& g, int32_t v) { g.variant = v; }, 0, 5},
    {"seed", [](SavedGame& g, int32_t v) { g.seed = v; }, 0, 5243379},
    {"winner", [](SavedGame& g, int32_t v) { g.lastWinner = v; }, -1, 1},
    {"sort", [](SavedGame& g, int32_t v) { g.table.rows[0].sortMode = v; }, -1, 1},
    {"per line", [](SavedGame& g, int32_t v) { g.table.rows[1].perLine = v; }, 0, 100},
    {"row back", [](SavedGame& g, int32_t v) { g.table.rows[2].backStyle = v; }, 0, 4},
    {"row face down", [](SavedGame& g, int32_t v) { g.table.rows[3].faceDown = v; }, 0, 1},
    {"row trump", [](SavedGame& g, int32_t v) { g.table.rows[0].trumpSuit = v; }, -1, 4},
    {"origin x", [](SavedGame& g, int32_t v) { g.table.rows[1].originX = v; }, -1, 1000},
    {"origin y", [](SavedGame& g, int32_t v) { g.table.rows[2].originY = v; }, -1, 1000},
    {"card width", [](SavedGame& g, int32_t v) { g.table.rows[3].cardWidth = v; }, -1, 100},
    {"card height", [](SavedGame& g, int32_t v) { g.table.rows[0].cardHeight = v; }, -1, 100},
    {"layout", [](SavedGame& g, int32_t v) { g.table.rows[1].layoutMode = v; }, 0, 10},
    {"cards in a row",
     [](SavedGame& g, int32_t v) { g.table.rows[2].cards.resize(static_cast<size_t>(v)); }, 0, 36,
     true},
    {"hidden", [](SavedGame& g, int32_t v) { firstCard(g).hidden = v; }, 0, 1},
    {"suit", [](SavedGame& g, int32_t v) { firstCard(g).suit = v; }, -1, 4},
    {"rank", [](SavedGame& g, int32_t v) { firstCard(g).rank = v; }, -1, 14},
    {"trump mark", [](SavedGame& g, int32_t v) { firstCard(g).isTrump = v; }, -1, 1},
    {"x", [](SavedGame& g, int32_t v) { firstCard(g).x = v; }, -1, 1000},
    {"y", [](SavedGame& g, int32_t v) { g.table.trump.y = v; }, -1, 1000},
    {"back", [](SavedGame& g, int32_t v) { g.table.talon.backStyle = v; }, 0, 4},
    {"selected", [](SavedGame& g, int32_t v) { firstCard(g).selected = v; }, 0, 1},
    {"present", [](SavedGame& g, int32_t v) { firstCard(g).present = v; }, 0, 1},
    {"face down", [](SavedGame& g, int32_t v) { firstCard(g).faceDown = v; }, 0, 1},
    {"height", [](SavedGame& g, int32_t v) { firstCard(g).height = v; }, 0, 100},
    {"width", [](SavedGame& g, int32_t v) { firstCard(g).width = v; }, 0, 100},
    {"slot rank", [](SavedGame& g, int32_t v) { g.table.deck.slots[51].rank = v; }, 0, 14},
    {"slot suit", [](SavedGame& g, int32_t v) { g.table.deck.slots[0].suit = v; }, 0, 4},
    {"slot present", [](SavedGame& g, int32_t v) { g.table.deck.slots[7].present = v; }, 0, 1},
    {"remaining of 36", [](SavedGame& g, int32_t v) { g.table.deck.remaining = v; }, 0, 36},
    {"remaining of 52",
     [](SavedGame& g, int32_t v) {
         g.table.deck.capacity = 52;
         g.table.deck.remaining = v;
     },
     0, 52},
    {"game type", [](SavedGame& g, int32_t v) { g.table.gameType = v; }, 0, 5},
    {"computer attacks", [](SavedGame& g, int32_t v) { g.table.computerAttacks = v; }, 0, 1},
    {"transfer open", [](SavedGame& g, int32_t v) { g.table.transferOpen = v; }, 0, 1},
    {"computer led", [](SavedGame& g, int32_t v) { g.table.computerLed = v; }, 0, 1},
    {"last winner", [](SavedGame& g, int32_t v) { g.table.lastWinner = v; }, -1, 1},
    {"computer at lead", [](SavedGame& g, int32_t v) { g.table.computerHandAtLead = v; }, 0, 36},
    {"human at lead", [](SavedGame& g, int32_t v) { g.table.humanHandAtLead = v; }, 0, 36},
    {"allowance", [](SavedGame& g, int32_t v) { g.table.throwInAllowance = v; }, -1, 36},
    {"button", [](SavedGame& g, int32_t v) { g.table.buttonPressed = v; }, 0, 1},
    {"status length",
     [](SavedGame& g, int32_t v) {
         g.table.statusShown = true;
         g.table.status = std::u16string(static_cast<size_t>(v), u'\u044f');
     },
     0, 255, true},
};

TEST(SavedGameFile, EachValueReadsToTheEndsOfItsRangeAndNoFurther) {
    for (const Edge& edge : edges) {
        for (int32_t value : {edge.low, edge.high}) {
            SavedGame game = sample();
            edge.set(game, value);
            const std::string text = writeSavedGame(game);
            const std::optional<SavedGame> read = readSavedGame(text);
            ASSERT_TRUE(read.has_value()) << edge.name << " " << value;
            EXPECT_EQ(writeSavedGame(*read), text) << edge.name << " " << value;
        }
        for (int32_t value : {edge.low - 1, edge.high + 1}) {
            if (edge.count && value < 0) {
                continue;
            }
            SavedGame game = sample();
            edge.set(game, value);
            EXPECT_FALSE(readSavedGame(writeSavedGame(game)).has_value())
                << edge.name << " " << value;
        }
    }
}

// A status character of 0 would end the text early: it is refused.
TEST(SavedGameFile, AStatusOfNulCharactersIsRefused) {
    SavedGame game = sample();
    game.table.status = std::u16string(1, u'\0');
    EXPECT_FALSE(readSavedGame(writeSavedGame(game)).has_value());
}

} // namespace
