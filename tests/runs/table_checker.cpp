// SPDX-License-Identifier: MIT
#include "table_checker.h"

#include <gtest/gtest.h>

namespace {

// Can every covering card be given its own attacking card that it beats?
bool coversMatch(const std::vector<SeenCard>& covers, const std::vector<SeenCard>& attacks,
                 int trumpSuit, bool japanese, std::vector<bool>& used, size_t next) {
    if (next == covers.size()) {
        return true;
    }
    for (size_t i = 0; i < attacks.size(); ++i) {
        if (!used[i] && beats(covers[next], attacks[i], trumpSuit, japanese)) {
            used[i] = true;
            if (coversMatch(covers, attacks, trumpSuit, japanese, used, next + 1)) {
                return true;
            }
            used[i] = false;
        }
    }
    return false;
}

// The winner the events announce: 1 the computer, 0 the human, -1 none.
int winnerOf(const std::vector<nlohmann::json>& events, const std::string& context) {
    int winner = -1;
    for (const auto& event : events) {
        const std::string text =
            event.value("event", "") == "messagebox" ? event.value("text", "") : "";
        EXPECT_EQ(text.rfind("ERROR", 0), std::string::npos) << context << ": " << text;
        if (text == "Я победил!" || text == "Вы победили!") {
            EXPECT_EQ(winner, -1) << context << ": two games decided by one event";
            winner = text == "Я победил!" ? 1 : 0;
            EXPECT_EQ(event["style"], 64) << context;
            EXPECT_EQ(event["caption"], "") << context;
        }
    }
    return winner;
}

// Every card in one place: in a hand, on the table or the trump card; the
// talon and the discard are counted by `followDiscards`.
std::set<CardKey> cardsInPlay(const nlohmann::json& state, const std::string& context) {
    std::set<CardKey> visible;
    for (const char* row : {"computerHand", "computerTableRow", "humanTableRow", "humanHand"}) {
        for (const SeenCard& card : rowCards(state, row)) {
            EXPECT_TRUE(card.rank >= 6 && card.rank <= 14 && card.suit >= 1 && card.suit <= 4)
                << context << ": a card " << card.suit << "/" << card.rank << " in " << row;
            EXPECT_TRUE(visible.insert({card.suit, card.rank}).second)
                << context << ": " << cardName({card.suit, card.rank}) << " lies twice";
        }
    }
    const auto& trump = state["trumpCard"];
    if (trump["hidden"] == 0) {
        const CardKey key{trump["suit"], trump["rank"]};
        EXPECT_FALSE(isJapanese(state)) << context << ": a Japanese game turns up no trump";
        EXPECT_TRUE(visible.insert(key).second)
            << context << ": the turned-up " << cardName(key) << " is also in play";
    }
    return visible;
}

// The table as the rules allow it.
void checkTable(const nlohmann::json& state, const std::string& context) {
    const int computerAttacks = state["computerAttacks"];
    const int allowance = state["throwInAllowance"];
    const auto computerTable = rowCards(state, "computerTableRow");
    const auto humanTable = rowCards(state, "humanTableRow");
    const auto& attacks = computerAttacks == 1 ? computerTable : humanTable;
    const auto& covers = computerAttacks == 1 ? humanTable : computerTable;
    const std::string table =
        " (tables " + state["computerTableRow"].dump() + ", " + state["humanTableRow"].dump() + ")";

    EXPECT_LE(attacks.size(), 6u) << context << ": more than six attacking cards" << table;
    EXPECT_LE(covers.size(), attacks.size()) << context << table;
    std::vector<bool> used(attacks.size(), false);
    EXPECT_TRUE(coversMatch(covers, attacks, trumpSuitOf(state), isJapanese(state), used, 0))
        << context << ": a covering card beats nothing" << table;
    for (size_t i = 1; i < attacks.size(); ++i) {
        std::vector<SeenCard> before(attacks.begin(), attacks.begin() + static_cast<long>(i));
        EXPECT_TRUE(hasRank(before, attacks[i].rank) || hasRank(covers, attacks[i].rank))
            << context << ": " << cardName({attacks[i].suit, attacks[i].rank})
            << " was added to the attack with a rank not on the table" << table;
    }
    // At rest the bout is in one of the states the human can act in.
    if (allowance > 0) {
        EXPECT_EQ(computerAttacks, 0) << context;
        EXPECT_GT(humanTable.size(), computerTable.size()) << context << table;
    } else if (computerAttacks == 1) {
        EXPECT_EQ(allowance, -1) << context;
        EXPECT_GT(computerTable.size(), humanTable.size())
            << context << ": the computer attacks with nothing to cover" << table;
    } else {
        EXPECT_EQ(allowance, -1) << context;
        EXPECT_EQ(computerTable.size(), humanTable.size())
            << context << ": an uncovered card while the human attacks" << table;
    }
}

} // namespace

void TableChecker::check(const nlohmann::json& state, const std::vector<nlohmann::json>& events,
                         const std::string& context) {
    const int winner = winnerOf(events, context);
    if (winner != -1) {
        ++gamesDecided_;
        (winner == 1 ? computerWins_ : humanWins_) += 1;
        // The winner opens the next game.
        EXPECT_EQ(state["lastWinner"], winner) << context;
        EXPECT_EQ(state["computerAttacks"], winner) << context;
        EXPECT_EQ(state["computerTableRow"]["cards"].size(), winner == 1 ? 1u : 0u) << context;
        EXPECT_TRUE(winner == 1 || state["status"] == "Ваш ход!") << context;
        seen_ = discarded_ = previousTable_ = previousSelection_ = {};
    }
    if (computerWins_ < 0) {
        computerWins_ = state["computerWins"];
        humanWins_ = state["humanWins"];
    }
    EXPECT_EQ(state["computerWins"], computerWins_) << context;
    EXPECT_EQ(state["humanWins"], humanWins_) << context;
    followDiscards(state, cardsInPlay(state, context), context);
    checkTable(state, context);
}

void TableChecker::followDiscards(const nlohmann::json& state, const std::set<CardKey>& visible,
                                  const std::string& context) {
    for (const CardKey& key : discarded_) {
        EXPECT_EQ(visible.count(key), 0u)
            << context << ": " << cardName(key) << " came back from the discard";
    }
    // Only the table is ever discarded, and the whole of it at once; a card
    // that leaves a hand goes somewhere we can see, unless it is the human's
    // card just played and discarded with the table in the same event.
    size_t tableDiscarded = 0;
    for (const CardKey& key : seen_) {
        if (visible.count(key) != 0 || !discarded_.insert(key).second) {
            continue;
        }
        tableDiscarded += previousTable_.count(key);
        EXPECT_TRUE(previousTable_.count(key) != 0 || previousSelection_.count(key) != 0)
            << context << ": " << cardName(key) << " vanished without having been on the table";
    }
    EXPECT_TRUE(tableDiscarded == 0 || tableDiscarded == previousTable_.size())
        << context << ": " << tableDiscarded << " of the " << previousTable_.size()
        << " cards on the table were discarded";
    seen_.insert(visible.begin(), visible.end());
    previousTable_ = keysOf(rowCards(state, "computerTableRow"));
    const auto humanKeys = keysOf(rowCards(state, "humanTableRow"));
    previousTable_.insert(humanKeys.begin(), humanKeys.end());
    previousSelection_ = selectedCards(state);
    const int remaining = state["remaining"];
    EXPECT_EQ(remaining + static_cast<int>(visible.size() + discarded_.size()), 36)
        << context << ": talon " << remaining << ", in play " << visible.size() << ", discarded "
        << discarded_.size();
}
