// Whole games through the headless runner: a human who keeps to the rules
// plays the computer with the pen, or with keys alone (the variant chosen in
// Options, cards found with Home and Right, selected with Space and played with
// Enter, the button T and sorting S), while every state line is checked against
// the rules. The session's script then replays identically; the key strokes
// replay in English too, where only the texts may differ and none is Cyrillic.
#include <algorithm>
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "program_session.h"
#include "support/card_notation.h"

namespace {

struct SeenCard {
    int suit = -1;
    int rank = -1;
    int x = -1;
    int y = -1;
    int selected = 0;
    int isTrump = 0;
};

using CardKey = std::pair<int, int>; // suit, rank

std::vector<SeenCard> rowCards(const nlohmann::json& state, const char* row) {
    std::vector<SeenCard> cards;
    for (const auto& card : state[row]["cards"]) {
        cards.push_back(
            {card["suit"], card["rank"], card["x"], card["y"], card["selected"], card["isTrump"]});
    }
    return cards;
}

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

// The human's selected cards.
std::set<CardKey> selectedCards(const nlohmann::json& state) {
    return keysOf(rowCards(state, "humanHand"), true);
}

// `Beats` as the rules give it, for checking both players' covers.
bool beats(const SeenCard& candidate, const SeenCard& target, int trumpSuit, bool japanese) {
    // In the Japanese variants only a spade beats a spade.
    return !(japanese && target.suit == 4 && candidate.suit != 4) &&
           ((candidate.suit == trumpSuit && target.suit != trumpSuit) ||
            (candidate.suit == target.suit && candidate.rank > target.rank));
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

// Follows one game after another through their state lines and reports
// every broken rule as a failure of the running test.
class TableChecker {
  public:
    // Checks one state; `events` are the messages that came with it.
    void check(const nlohmann::json& state, const std::vector<nlohmann::json>& events,
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
        // Every card in one place: in a hand, on the table, the trump card,
        // the talon or the discard.
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
        const auto humanKeys = keysOf(rowCards(state, "humanTableRow"));
        previousTable_.insert(humanKeys.begin(), humanKeys.end());
        previousSelection_ = selectedCards(state);
        const int remaining = state["remaining"];
        EXPECT_EQ(remaining + static_cast<int>(visible.size() + discarded_.size()), 36)
            << context << ": talon " << remaining << ", in play " << visible.size()
            << ", discarded " << discarded_.size();
        // The table as the rules allow it.
        const int computerAttacks = state["computerAttacks"];
        const int allowance = state["throwInAllowance"];
        const auto computerTable = rowCards(state, "computerTableRow");
        const auto humanTable = rowCards(state, "humanTableRow");
        const auto& attacks = computerAttacks == 1 ? computerTable : humanTable;
        const auto& covers = computerAttacks == 1 ? humanTable : computerTable;
        const std::string table = " (tables " + state["computerTableRow"].dump() + ", " +
                                  state["humanTableRow"].dump() + ")";

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

    int gamesDecided() const { return gamesDecided_; }

  private:
    std::set<CardKey> seen_;
    std::set<CardKey> discarded_;
    std::set<CardKey> previousTable_;     // both table rows of the previous state
    std::set<CardKey> previousSelection_; // the human's selected cards then
    int gamesDecided_ = 0;
    long long computerWins_ = -1;
    long long humanWins_ = -1;
};

// A simple legal strategy for the human: select cards and play them, or
// press the action button.
struct HumanMove {
    std::vector<CardKey> cards; // to select, then play; empty: the action button
    bool answerYes = false;     // a trump transfer: confirm the question
    std::string what;           // for failure messages
};

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

constexpr int stepLimit = 4000;

const char* const variantTitles[] = {"Подкидной",  "Подкидной переводной",
                                     "Наваленный", "Наваленный переводной",
                                     "Японский",   "Японский переводной"};

// Plays with the pen, or with keys alone.
class GamePlayer {
  public:
    GamePlayer(ProgramSession& session, std::string name, bool keys)
        : session_(session), name_(std::move(name)), keys_(keys) {}

    // Plays until `games` more games have been decided.
    void play(int games) {
        const int target = checker_.gamesDecided() + games;
        for (int move = 0; checker_.gamesDecided() < target && steps_ < stepLimit && !stopped_;
             ++move) {
            playMove(move);
        }
        EXPECT_EQ(checker_.gamesDecided(), target)
            << name_ << ": no end of game within " << steps_ << " events";
    }

    void step(const std::string& line, bool checked = true) {
        ++steps_;
        const std::vector<nlohmann::json> events = session_.send(line);
        if (events.empty() || !events.back().is_object() ||
            events.back().value("event", "") != "state") {
            ADD_FAILURE() << name_ << ": no state after '" << line << "'";
            stopped_ = true;
            return;
        }
        state_ = events.back();
        if (checked) {
            checker_.check(state_, events,
                           name_ + ", event " + std::to_string(steps_) + " '" + line + "'");
        }
    }

    void key(const std::string& name) { step("key " + name); }

    // Options by keys: Tab to the list of variants, Down to the type, Enter.
    void chooseVariant(int type) {
        key("ctrl+o");
        EXPECT_EQ(state_["dialog"]["template"], 130) << name_;
        key("tab");
        key("tab");
        key("home");
        for (int i = 0; i < type; ++i) {
            key("down");
        }
        step("key enter", false);
        EXPECT_TRUE(state_["dialog"].is_null()) << name_;
        // Another variant deals a new game, which no rule of the last one
        // explains: the checker starts over from the new deal.
        checker_ = TableChecker();
        checker_.check(state_, {}, name_ + ", the new deal");
    }

    nlohmann::json state_;

  private:
    void playMove(int move) {
        if (move % (keys_ ? 13 : 17) == (keys_ ? 4 : 5)) {
            const int sortMode = state_["humanHand"]["sortMode"];
            step(keys_ ? "key s" : "tap 220 136"); // the sort button
            EXPECT_EQ(state_["humanHand"]["sortMode"], sortMode == 1 ? 0 : 1) << name_;
            return;
        }
        const HumanMove chosen = chooseHumanMove(state_, move);
        if (chosen.cards.empty()) {
            step(keys_ ? "key t" : "tap 220 186"); // the action button
            return;
        }
        const std::set<CardKey> wanted(chosen.cards.begin(), chosen.cards.end());
        for (int attempt = 0; attempt < 6 && selectedCards(state_) != wanted && !stopped_;
             ++attempt) {
            selectNext(wanted);
        }
        if (selectedCards(state_) != wanted) {
            ADD_FAILURE() << name_ << ": could not select the cards to " << chosen.what;
            stopped_ = true;
            return;
        }
        if (chosen.answerYes) {
            step("answer yes");
        }
        const int decided = checker_.gamesDecided();
        step(keys_ ? "key enter" : "tap 100 110"); // the play area
        if (checker_.gamesDecided() != decided) {
            return;
        }
        // Every legal move is taken: the cards leave the hand.
        for (const SeenCard& card : rowCards(state_, "humanHand")) {
            if (wanted.count({card.suit, card.rank}) != 0) {
                ADD_FAILURE() << name_ << ": the program refused to " << chosen.what;
                stopped_ = true;
            }
        }
    }

    // One card at a time: selecting the wanted card makes it the only one;
    // several at a time: each selection flips one card. A tap, or Home, Right
    // to the card and Space.
    void selectNext(const std::set<CardKey>& wanted) {
        const auto hand = rowCards(state_, "humanHand");
        const bool several = state_["computerTableRow"]["cards"].size() > 1 &&
                             state_["humanTableRow"]["cards"].empty();
        for (size_t place = 0; place < hand.size(); ++place) {
            const bool want = wanted.count({hand[place].suit, hand[place].rank}) != 0;
            if ((several && want != (hand[place].selected != 0)) || (!several && want)) {
                if (!keys_) {
                    step("tap " + std::to_string(hand[place].x + 2) + " " +
                         std::to_string(hand[place].y + 2));
                    return;
                }
                key("home");
                for (size_t i = 0; i < place; ++i) {
                    key("right");
                }
                key("space");
                return;
            }
        }
    }

    ProgramSession& session_;
    std::string name_;
    bool keys_;
    TableChecker checker_;
    int steps_ = 0;
    bool stopped_ = false;
};

bool hasCyrillic(const std::string& utf8) {
    // Cyrillic letters are U+0400..U+04FF: lead bytes 0xD0..0xD3.
    return std::any_of(utf8.begin(), utf8.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0xD0 && static_cast<unsigned char>(c) <= 0xD3;
    });
}

// An event with its texts emptied (the status, the title, message boxes,
// dialog controls and list lines) and without the language of the rules that
// F1 opened: what the interface language must not change.
nlohmann::json withoutTexts(const nlohmann::json& event) {
    nlohmann::json flat = event.flatten();
    for (auto& [key, item] : flat.items()) {
        if (item.is_string() && key != "/event") {
            item = "";
        }
    }
    flat.erase("/rulesLanguage");
    return flat;
}

struct GameRun {
    int type;
    const char* clock;
    int games;
    bool keys = false;
};

void PrintTo(const GameRun& run, std::ostream* out) {
    *out << "type " << run.type << " at " << run.clock << (run.keys ? " by keys" : "");
}

class WholeGamesTest : public ::testing::TestWithParam<GameRun> {};

TEST_P(WholeGamesTest, GamesFollowTheRulesAndReplayIdentically) {
    const GameRun run = GetParam();
    const std::string folder = makeScratchFolder();
    const std::string settings = folder + "/settings.reg";
    // The pen starts from the type in the settings file, the keys choose it.
    const std::string settingsFile =
        settingsText("type=" + std::to_string(run.keys ? 0 : run.type));
    writeTextFile(settings, settingsFile);
    const std::vector<std::string> arguments = {"--clock", run.clock, "--registry", settings};

    std::string script;
    std::string output;
    long long computerWins = 0;
    long long humanWins = 0;
    {
        ProgramSession session(arguments);
        GamePlayer player(session, "type " + std::to_string(run.type), run.keys);
        player.step("# the first deal");
        if (run.keys) {
            player.chooseVariant(run.type);
        }
        const nlohmann::json first = player.state_;
        ASSERT_TRUE(first.is_object());
        EXPECT_EQ(first["gameType"], run.type);
        if (run.type >= 0 && run.type < 6) {
            EXPECT_EQ(first["title"], variantTitles[run.type]);
        } else {
            EXPECT_EQ(first["title"], "Дурак") << "a type without a name keeps the title";
        }
        EXPECT_EQ(first["lastWinner"], -1);
        player.play(run.games);
        computerWins = player.state_["computerWins"];
        humanWins = player.state_["humanWins"];
        EXPECT_EQ(computerWins + humanWins, run.games);
        if (run.keys) {
            // F1 opens the rules in the interface language; Escape closes them.
            player.key("f1");
            EXPECT_EQ(player.state_["dialog"]["template"], 132);
            EXPECT_EQ(player.state_["rulesLanguage"], 1) << "Russian";
            player.key("escape");
            EXPECT_TRUE(player.state_["dialog"].is_null());
            // Ctrl+N deals a new game of the same variant; nobody has won it.
            player.step("key ctrl+n", false);
            EXPECT_EQ(player.state_["gameType"], run.type);
            EXPECT_EQ(player.state_["computerWins"], computerWins);
            EXPECT_EQ(player.state_["humanWins"], humanWins);
            EXPECT_EQ(player.state_["remaining"], run.type == 2 || run.type == 3 ? 0
                                                  : run.type >= 4                ? 24
                                                                                 : 23);
        }
        EXPECT_EQ(session.finish(), 0);
        script = session.script();
        output = session.output();
    }

    // The same script, run from a file with a fresh settings file, twice; the
    // keys the second time in English.
    for (int replay = 0; replay < 2; ++replay) {
        const bool english = run.keys && replay == 1;
        writeTextFile(settings, settingsFile);
        std::vector<std::string> replayArguments = arguments;
        if (english) {
            replayArguments.insert(replayArguments.end(), {"--lang", "en"});
        }
        const RunResult again = runScript(replayArguments, script);
        EXPECT_EQ(again.status, 0);
        if (!english) {
            EXPECT_TRUE(again.output == output) << "replay " << replay << " differs";
            continue;
        }
        const std::vector<nlohmann::json> russian = eventsOf(output);
        const std::vector<nlohmann::json> events = eventsOf(again.output);
        ASSERT_EQ(events.size(), russian.size());
        int englishRules = 0;
        for (size_t i = 0; i < events.size(); ++i) {
            ASSERT_FALSE(hasCyrillic(events[i].dump())) << events[i].dump();
            ASSERT_EQ(withoutTexts(events[i]), withoutTexts(russian[i])) << "line " << i;
            englishRules += events[i]["event"] == "state" && events[i]["dialog"].is_object() &&
                            events[i]["dialog"]["template"] == 132 &&
                            events[i]["rulesLanguage"] == 0;
        }
        EXPECT_EQ(englishRules, 1) << "F1 opens the English rules";
    }

    // The win counts outlive the program.
    const RunResult later = runScript({"--registry", settings}, "state\n");
    const nlohmann::json state = nlohmann::json::parse(later.output, nullptr, false);
    ASSERT_TRUE(state.is_object()) << later.output;
    EXPECT_EQ(state["computerWins"], computerWins);
    EXPECT_EQ(state["humanWins"], humanWins);
    std::filesystem::remove_all(folder);
}

// Every variant, a type without a name, and further deals of the first
// variant, each a different game; then one game of each variant by keys.
std::vector<GameRun> runs() {
    std::vector<GameRun> runs = {
        {0, "09:15:00.123", 2}, {1, "13:47:12.500", 2}, {2, "07:00:59.999", 2},
        {3, "21:30:30.030", 2}, {4, "11:11:11.111", 2}, {5, "16:05:42.718", 2},
        {7, "02:22:22.222", 2}, {0, "00:00:00.000", 3}, {0, "05:43:21.987", 3},
        {0, "12:00:00.001", 3}, {0, "23:59:59.999", 3}};
    for (int type = 0; type < 6; ++type) {
        runs.push_back({type, "08:30:00.250", 1, true});
    }
    return runs;
}

INSTANTIATE_TEST_SUITE_P(Variants, WholeGamesTest, ::testing::ValuesIn(runs()),
                         [](const auto& item) {
                             std::string clock = item.param.clock;
                             std::erase_if(clock, [](char c) { return c == ':' || c == '.'; });
                             return "type" + std::to_string(item.param.type) + "_" + clock +
                                    (item.param.keys ? "_keys" : "");
                         });

} // namespace
