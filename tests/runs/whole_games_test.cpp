// Whole games through the headless runner: a rule-abiding human plays the
// computer while every state line is checked against the rules.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "program_session.h"
#include "table_checker.h"

namespace {

constexpr int stepLimit = 3000;

// clang-format off
const char* const variantTitles[] = {"Подкидной", "Подкидной переводной", "Наваленный", "Наваленный переводной", "Японский", "Японский переводной"};
// clang-format on

struct GamePlayer {
    GamePlayer(ProgramSession& session, std::string name) : session_(session), name_(name) {}

    // The program's first state line.
    nlohmann::json start() {
        step("# the first deal");
        return state_;
    }

    // Plays until `games` more games have been decided.
    void play(int games) {
        const int target = checker_.gamesDecided() + games;
        int move = 0;
        while (checker_.gamesDecided() < target && steps_ < stepLimit && !stopped_) {
            playMove(move++);
        }
        EXPECT_EQ(checker_.gamesDecided(), target)
            << name_ << ": no end of game within " << steps_ << " events";
    }

    void step(const std::string& line) {
        ++steps_;
        const std::vector<nlohmann::json> events = session_.send(line);
        if (events.empty() || !events.back().is_object() ||
            events.back().value("event", "") != "state") {
            ADD_FAILURE() << name_ << ": no state after '" << line << "'";
            stopped_ = true;
            return;
        }
        state_ = events.back();
        checker_.check(state_, events,
                       name_ + ", event " + std::to_string(steps_) + " '" + line + "'");
    }

    void tapAt(int x, int y) { step("tap " + std::to_string(x) + " " + std::to_string(y)); }

    void playMove(int move) {
        if (move % 17 == 5) {
            const int sortMode = state_["humanHand"]["sortMode"];
            tapAt(220, 136); // the sort button
            EXPECT_EQ(state_["humanHand"]["sortMode"], sortMode == 1 ? 0 : 1) << name_;
            return;
        }
        const HumanMove chosen = chooseHumanMove(state_, move);
        if (chosen.cards.empty()) {
            tapAt(220, 186); // the action button
            return;
        }
        const std::set<CardKey> wanted(chosen.cards.begin(), chosen.cards.end());
        for (int attempt = 0; attempt < 6 && selectedCards(state_) != wanted && !stopped_;
             ++attempt) {
            tapCardToSelect(wanted);
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
        tapAt(100, 110); // the play area
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

    void tapCardToSelect(const std::set<CardKey>& wanted) {
        const bool several = state_["computerTableRow"]["cards"].size() > 1 &&
                             state_["humanTableRow"]["cards"].empty();
        for (const SeenCard& card : rowCards(state_, "humanHand")) {
            const bool want = wanted.count({card.suit, card.rank}) != 0;
            // One card at a time: tapping the wanted card makes it the only
            // one; several at a time: each tap flips one card.
            if ((several && want != (card.selected != 0)) || (!several && want)) {
                tapAt(card.x + 2, card.y + 2);
                return;
            }
        }
    }

    ProgramSession& session_;
    std::string name_;
    TableChecker checker_;
    nlohmann::json state_;
    int steps_ = 0;
    bool stopped_ = false;
};

struct Variant {
    int type;
    const char* clock;
    int games = 2;
};

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << "type " << variant.type << " at " << variant.clock;
}

class WholeGamesTest : public ::testing::TestWithParam<Variant> {};

TEST_P(WholeGamesTest, GamesFollowTheRulesAndReplayIdentically) {
    const Variant variant = GetParam();
    const std::string folder = makeScratchFolder();
    const std::string settings = folder + "/settings.reg";
    const std::string settingsFile = settingsText("type=" + std::to_string(variant.type));
    writeTextFile(settings, settingsFile);
    const std::vector<std::string> arguments = {"--clock", variant.clock, "--registry", settings};

    std::string script;
    std::string output;
    long long computerWins = 0;
    long long humanWins = 0;
    {
        ProgramSession session(arguments);
        GamePlayer player(session, "type " + std::to_string(variant.type));
        const nlohmann::json first = player.start();
        ASSERT_TRUE(first.is_object());
        EXPECT_EQ(first["gameType"], variant.type);
        if (variant.type >= 0 && variant.type < 6) {
            EXPECT_EQ(first["title"], variantTitles[variant.type]);
        } else {
            EXPECT_EQ(first["title"], "Дурак") << "a type without a name keeps the title";
        }
        EXPECT_EQ(first["lastWinner"], -1);
        player.play(variant.games);
        computerWins = player.state_["computerWins"];
        humanWins = player.state_["humanWins"];
        EXPECT_EQ(computerWins + humanWins, variant.games);
        EXPECT_EQ(session.finish(), 0);
        script = session.script();
        output = session.output();
    }

    // The same script, run from a file with a fresh settings file, twice.
    for (int run = 0; run < 2; ++run) {
        writeTextFile(settings, settingsFile);
        const RunResult replay = runScript(arguments, script);
        EXPECT_EQ(replay.status, 0);
        EXPECT_TRUE(replay.output == output) << "run " << run << " differs from the session";
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
// variant, each a different game.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Variants, WholeGamesTest, ::testing::Values(
    Variant{0, "09:15:00.123"}, Variant{1, "13:47:12.500"}, Variant{2, "07:00:59.999"}, Variant{3, "21:30:30.030"},
    Variant{4, "11:11:11.111"}, Variant{5, "16:05:42.718"}, Variant{7, "02:22:22.222"}, Variant{0, "00:00:00.000", 3},
    Variant{0, "05:43:21.987", 3}, Variant{0, "12:00:00.001", 3}, Variant{0, "23:59:59.999", 3}),
    [](const auto& item) {
        std::string clock = item.param.clock;
        std::erase_if(clock, [](char c) { return c == ':' || c == '.'; });
        return "type" + std::to_string(item.param.type) + "_" + clock;
    });
// clang-format on

} // namespace
