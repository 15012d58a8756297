// SPDX-License-Identifier: MIT
// Whole games through the headless runner: a human who keeps to the rules
// plays the computer with the pen, or with keys alone (the variant chosen in
// Options, cards found with Home and Right, selected with Space and played with
// Enter, the button T and sorting S), while every state line is checked against
// the rules. The session's script then replays identically; the key strokes
// replay in English too, where only the texts may differ and none is Cyrillic.
#include <filesystem>

#include <gtest/gtest.h>

#include "human_moves.h"
#include "program_session.h"
#include "table_checker.h"

namespace {

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

// What the first session leaves for the replays and the later run.
struct PlayedSession {
    std::string script;
    std::string output;
    long long computerWins = 0;
    long long humanWins = 0;
};

// The games themselves, played and checked line by line.
void playGames(const GameRun& run, const std::vector<std::string>& arguments,
               PlayedSession& played) {
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
    played.computerWins = player.state_["computerWins"];
    played.humanWins = player.state_["humanWins"];
    EXPECT_EQ(played.computerWins + played.humanWins, run.games);
    if (run.keys) {
        // F1 opens the rules in the interface language, Escape closes them;
        // Ctrl+N deals a new game of the same variant that nobody has won.
        player.key("f1");
        EXPECT_EQ(player.state_["dialog"]["template"], 132);
        EXPECT_EQ(player.state_["rulesLanguage"], 1) << "Russian";
        player.key("escape");
        EXPECT_TRUE(player.state_["dialog"].is_null());
        player.step("key ctrl+n", false);
        EXPECT_EQ(player.state_["gameType"], run.type);
        EXPECT_EQ(player.state_["computerWins"], played.computerWins);
        EXPECT_EQ(player.state_["humanWins"], played.humanWins);
        EXPECT_EQ(player.state_["remaining"], run.type == 2 || run.type == 3 ? 0
                                              : run.type >= 4                ? 24
                                                                             : 23);
    }
    EXPECT_EQ(session.finish(), 0);
    played.script = session.script();
    played.output = session.output();
}

// The English replay of the Russian output: the same events but for their
// texts, none of them Cyrillic, and F1 opens the English rules.
void checkEnglishReplay(const std::string& output, const std::string& englishOutput) {
    const std::vector<nlohmann::json> russian = eventsOf(output);
    const std::vector<nlohmann::json> events = eventsOf(englishOutput);
    ASSERT_EQ(events.size(), russian.size());
    int englishRules = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        ASSERT_FALSE(hasCyrillic(events[i].dump())) << events[i].dump();
        ASSERT_EQ(withoutTexts(events[i]), withoutTexts(russian[i])) << "line " << i;
        englishRules += events[i]["event"] == "state" && events[i]["dialog"].is_object() &&
                        events[i]["dialog"]["template"] == 132 && events[i]["rulesLanguage"] == 0;
    }
    EXPECT_EQ(englishRules, 1) << "F1 opens the English rules";
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
    PlayedSession played;
    ASSERT_NO_FATAL_FAILURE(playGames(run, arguments, played));

    // The same script, run from a file with a fresh settings file, twice; the
    // keys the second time in English.
    for (int replay = 0; replay < 2; ++replay) {
        const bool english = run.keys && replay == 1;
        writeTextFile(settings, settingsFile);
        std::vector<std::string> replayArguments = arguments;
        if (english) {
            replayArguments.insert(replayArguments.end(), {"--lang", "en"});
        }
        const RunResult again = runScript(replayArguments, played.script);
        EXPECT_EQ(again.status, 0);
        if (!english) {
            EXPECT_TRUE(again.output == played.output) << "replay " << replay << " differs";
            continue;
        }
        ASSERT_NO_FATAL_FAILURE(checkEnglishReplay(played.output, again.output));
    }

    // The win counts outlive the program.
    const RunResult later = runScript({"--registry", settings}, "state\n");
    const nlohmann::json state = nlohmann::json::parse(later.output, nullptr, false);
    ASSERT_TRUE(state.is_object()) << later.output;
    EXPECT_EQ(state["computerWins"], played.computerWins);
    EXPECT_EQ(state["humanWins"], played.humanWins);
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
