#include "table_checker.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "support/card_notation.h"

namespace {

bool isJapanese(const nlohmann::json& state) {
    return state["gameType"] == 4 || state["gameType"] == 5;
}

int trumpSuitOf(const nlohmann::json& state) {
    return state["trumpCard"]["suit"];
}

std::string cardName(const CardKey& key) {
    return notation::cardName(key.first, key.second);
}

std::set<CardKey> keysOf(const std::vector<SeenCard>& cards, bool selectedOnly = false) {
    std::set<CardKey> keys;
    for (const SeenCard& card : cards) {
        if (!selectedOnly || card.selected != 0) {
            keys.insert({card.suit, card.rank});
        }
    }
    return keys;
}

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

bool hasRank(const std::vector<SeenCard>& cards, int rank) {
    return std::any_of(cards.begin(), cards.end(),
                       [rank](const SeenCard& card) { return card.rank == rank; });
}

} // namespace

std::vector<SeenCard> rowCards(const nlohmann::json& state, const char* row) {
    std::vector<SeenCard> cards;
    for (const auto& card : state[row]["cards"]) {
        cards.push_back(
            {card["suit"], card["rank"], card["x"], card["y"], card["selected"], card["isTrump"]});
    }
    return cards;
}

std::set<CardKey> selectedCards(const nlohmann::json& state) {
    return keysOf(rowCards(state, "humanHand"), true);
}

bool beats(const SeenCard& candidate, const SeenCard& target, int trumpSuit, bool japanese) {
    // In the Japanese variants only a spade beats a spade.
    return !(japanese && target.suit == 4 && candidate.suit != 4) &&
           ((candidate.suit == trumpSuit && target.suit != trumpSuit) ||
            (candidate.suit == target.suit && candidate.rank > target.rank));
}

void TableChecker::check(const nlohmann::json& state, const std::vector<nlohmann::json>& events,
                         const std::string& context) {
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
    if (winner != -1) {
        ++gamesDecided_;
        checkNewGame(state, winner, context);
        seen_ = discarded_ = previousTable_ = previousSelection_ = {};
    }
    if (computerWins_ < 0) {
        computerWins_ = state["computerWins"];
        humanWins_ = state["humanWins"];
    }
    EXPECT_EQ(state["computerWins"], computerWins_) << context;
    EXPECT_EQ(state["humanWins"], humanWins_) << context;
    checkCardsAccounted(state, context);
    checkTable(state, context);
}

void TableChecker::checkNewGame(const nlohmann::json& state, int winner,
                                const std::string& context) {
    (winner == 1 ? computerWins_ : humanWins_) += 1;
    // The winner opens the next game.
    EXPECT_EQ(state["lastWinner"], winner) << context;
    EXPECT_EQ(state["computerAttacks"], winner) << context;
    EXPECT_EQ(state["computerTableRow"]["cards"].size(), winner == 1 ? 1u : 0u) << context;
    if (winner == 0) {
        EXPECT_EQ(state["status"], "Ваш ход!") << context;
    }
}

void TableChecker::checkCardsAccounted(const nlohmann::json& state, const std::string& context) {
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
    const auto humanTable = keysOf(rowCards(state, "humanTableRow"));
    previousTable_.insert(humanTable.begin(), humanTable.end());
    previousSelection_ = selectedCards(state);
    const int remaining = state["remaining"];
    EXPECT_EQ(remaining + static_cast<int>(visible.size() + discarded_.size()), 36)
        << context << ": talon " << remaining << ", in play " << visible.size() << ", discarded "
        << discarded_.size();
}

void TableChecker::checkTable(const nlohmann::json& state, const std::string& context) {
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

namespace {

HumanMove pressButton(const std::string& what) {
    return {{}, false, what};
}

HumanMove playCard(const SeenCard& card, const std::string& what, bool answerYes = false) {
    return {{{card.suit, card.rank}}, answerYes, what + " " + cardName({card.suit, card.rank})};
}

// The lowest card by rank, a non-trump before a trump.
const SeenCard* lowest(const std::vector<const SeenCard*>& cards) {
    const SeenCard* best = nullptr;
    for (const SeenCard* card : cards) {
        if (best == nullptr ||
            std::make_pair(card->isTrump, card->rank) < std::make_pair(best->isTrump, best->rank)) {
            best = card;
        }
    }
    return best;
}

// The same greedy choice the program checks several covers with: attacks in
// suit order, each taking the lowest free card in suit order that beats it.
std::vector<CardKey> matchAll(std::vector<SeenCard> attacks, std::vector<SeenCard> hand,
                              int trumpSuit, bool japanese) {
    auto suitKey = [trumpSuit](const SeenCard& card) {
        return card.suit == trumpSuit ? card.suit * 1000 + card.rank : card.suit * 100 + card.rank;
    };
    auto bySuit = [&](const SeenCard& a, const SeenCard& b) { return suitKey(a) < suitKey(b); };
    std::sort(attacks.begin(), attacks.end(), bySuit);
    std::sort(hand.begin(), hand.end(), bySuit);
    std::vector<bool> taken(hand.size(), false);
    std::vector<CardKey> chosen;
    for (const SeenCard& attack : attacks) {
        for (size_t i = 0; i < hand.size(); ++i) {
            if (!taken[i] && beats(hand[i], attack, trumpSuit, japanese)) {
                taken[i] = true;
                chosen.push_back({hand[i].suit, hand[i].rank});
                break;
            }
        }
    }
    return chosen.size() == attacks.size() ? chosen : std::vector<CardKey>{};
}

HumanMove attack(const nlohmann::json& state, const std::vector<SeenCard>& hand,
                 const std::vector<SeenCard>& table) {
    std::vector<const SeenCard*> candidates;
    for (const SeenCard& card : hand) {
        if (table.empty() || hasRank(table, card.rank)) {
            candidates.push_back(&card);
        }
    }
    const bool full =
        rowCards(state, "humanTableRow").size() >= 6 || rowCards(state, "computerHand").empty();
    if (candidates.empty() || (!table.empty() && full)) {
        return pressButton(table.empty() ? "nothing to lead" : "ok");
    }
    return playCard(*lowest(candidates), table.empty() ? "lead" : "throw in");
}

HumanMove defend(const nlohmann::json& state, const std::vector<SeenCard>& hand, int moveNumber) {
    const auto attacks = rowCards(state, "computerTableRow");
    const auto covers = rowCards(state, "humanTableRow");
    const int trumpSuit = trumpSuitOf(state);
    const bool japanese = isJapanese(state);
    if (attacks.empty()) {
        return pressButton("take (no attack?)");
    }
    const SeenCard& target = attacks.back();
    // Pass the attack on when the rules allow; a trump only every other time,
    // so that both answers to the question are seen.
    const bool mayTransfer = state["transferVariant"] == 1 && state["transferOpen"] == 1 &&
                             covers.empty() &&
                             rowCards(state, "computerHand").size() >= attacks.size() + 1;
    if (mayTransfer) {
        for (const SeenCard& card : hand) {
            if (card.rank == target.rank && card.suit != trumpSuit) {
                return playCard(card, "transfer");
            }
        }
        for (const SeenCard& card : hand) {
            if (card.rank == target.rank && moveNumber % 2 == 0) {
                return playCard(card, "trump transfer", true);
            }
        }
    }
    if (attacks.size() > 1 && covers.empty()) {
        const HumanMove move{matchAll(attacks, hand, trumpSuit, japanese), false, "cover all"};
        return move.cards.empty() ? pressButton("take all") : move;
    }
    std::vector<const SeenCard*> candidates;
    for (const SeenCard& card : hand) {
        if (beats(card, target, trumpSuit, japanese)) {
            candidates.push_back(&card);
        }
    }
    if (candidates.empty()) {
        return pressButton("take");
    }
    // A trump that could be taken for a transfer would raise the question; a
    // cover with it is what the answer No gives anyway.
    return playCard(*lowest(candidates), "cover");
}

} // namespace

HumanMove chooseHumanMove(const nlohmann::json& state, int moveNumber) {
    const auto hand = rowCards(state, "humanHand");
    std::vector<SeenCard> table = rowCards(state, "computerTableRow");
    const auto humanTable = rowCards(state, "humanTableRow");
    table.insert(table.end(), humanTable.begin(), humanTable.end());

    if (state["throwInAllowance"] > 0) {
        for (const SeenCard& card : hand) {
            if (hasRank(table, card.rank)) {
                return playCard(card, "add to the take");
            }
        }
        return pressButton("let the computer take");
    }
    if (state["computerAttacks"] == 0) {
        return attack(state, hand, table);
    }
    return defend(state, hand, moveNumber);
}
