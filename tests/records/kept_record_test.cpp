// SPDX-License-Identifier: MIT
// The record kept with the game in progress: it reads back as it was
// written, undo and redo included, and a text that is not one game's kept
// record is refused whole.
#include <gtest/gtest.h>

#include <limits>

#include "records/kept_record.h"

namespace {

KeptRecord sample() {
    KeptRecord kept;
    kept.game.tags = {{"Variant", "Throw-in"}, {"Deal", "?"}, {"Result", "*"}};
    kept.game.moves = {{Player::Human, MoveKind::Lead, {{4, 7}}, 0},
                       {Player::Computer, MoveKind::Cover, {{4, 12}}, 0},
                       {Player::Human, MoveKind::Done, {}, 0}};
    kept.placed = true;
    kept.offset = 4096;
    kept.end = 4300;
    kept.undoCounts = {0, std::numeric_limits<size_t>::max(), 2};
    kept.redoMoves = {{{Player::Computer, MoveKind::Take, {}, 0}},
                      {{Player::Human, MoveKind::ThrowIn, {{1, 6}, {2, 6}}, 0}}};
    return kept;
}

TEST(KeptRecord, ReadsBackAsWritten) {
    const KeptRecord kept = sample();
    const auto read = readKeptRecord(keptRecordText(kept));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->game.tags, kept.game.tags);
    EXPECT_EQ(read->game.moves, kept.game.moves);
    EXPECT_EQ(read->placed, kept.placed);
    EXPECT_EQ(read->offset, kept.offset);
    EXPECT_EQ(read->end, kept.end);
    EXPECT_EQ(read->undoCounts, kept.undoCounts);
    EXPECT_EQ(read->redoMoves, kept.redoMoves);
}

TEST(KeptRecord, ATextThatIsNotOneGamesRecordIsRefused) {
    const std::string good = keptRecordText(sample());
    const std::string game = good.substr(good.find("[Variant"));
    const std::pair<std::string, std::string> changes[] = {
        {"record 1 4096 4300", "record 2 4096 4300"},  // placed is 0 or 1
        {"record 1 4096 4300", "record 1 4096 4000"},  // the end before the offset
        {"record 1 4096 4300", "records 1 4096 4300"}, // not the record
        {"undo 3 0 -1 2", "undo 4 0 -1 2"},            // a count short
        {"undo 3 0 -1 2", "undo 3 0 -2 2"},            // no such count
        {"1 1 4 0\n", "1 1 9 0\n"},                    // no such move
        {"1 0 3 2 1 6 2 6", "1 0 3 2 1 6 5 6"},        // no such suit
        {"human lead 7S", "human lead 7X"},            // the game itself
        {"human done\n", "human done\n\n" + game},     // two games
    };
    for (const auto& [from, to] : changes) {
        std::string text = good;
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        EXPECT_FALSE(readKeptRecord(text)) << to;
    }
    EXPECT_FALSE(readKeptRecord(good.substr(0, good.find("[Variant"))));
}

} // namespace
