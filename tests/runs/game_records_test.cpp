// SPDX-License-Identifier: MIT
// Game records through the headless runner: a thousand games of all six
// variants, played by a script, are written as they are played and replay
// move for move; a record with one card changed is refused at its line.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "program_session.h"

namespace {

// Plays blind: a card of each place of the hand in turn, then the play
// area, and every third time the ok / take button. What the rules refuse
// is no move, so the games go on to their ends.
std::string blindScript(int rounds, int from = 0) {
    const int places[] = {4, 30, 60, 90, 120, 150, 180};
    std::string script;
    for (int i = from; i < rounds; ++i) {
        script += "tap " + std::to_string(places[i % 7]) + ((i / 7) % 3 != 0 ? " 143\n" : " 190\n");
        script += "tap 100 110\n";
        script += i % 3 == 2 ? "tap 220 186\n" : "";
    }
    return script;
}

// The one month's file the run wrote into the folder's games/. The
// settings file is read-only, so that no win is written to the disk.
std::string playedRecord(const std::string& folder, int type, const std::string& script,
                         std::vector<std::string> arguments = {}) {
    std::filesystem::create_directories(folder);
    if (!std::filesystem::exists(folder + "/settings.reg")) {
        writeTextFile(folder + "/settings.reg", settingsText("type=" + std::to_string(type)));
        std::filesystem::permissions(folder + "/settings.reg", std::filesystem::perms::owner_read);
    }
    if (arguments.empty()) {
        arguments = {"--clock", "10:0" + std::to_string(type) + ":00.000"};
    }
    arguments.insert(arguments.end(),
                     {"--registry", folder + "/settings.reg", "--records", folder + "/games"});
    const RunResult played = runScript(arguments, script);
    EXPECT_EQ(played.status, 0);
    std::string file;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/games")) {
        EXPECT_TRUE(file.empty()) << "one file a month";
        file = entry.path().string();
    }
    return file;
}

RunResult check(const std::string& file) {
    return runScript({"--replay", file, "--check"}, "");
}

int gamesIn(const std::string& text) {
    int games = 0;
    for (size_t at = text.find("[Variant \""); at != std::string::npos;
         at = text.find("[Variant \"", at + 1)) {
        ++games;
    }
    return games;
}

const char* const variantNames[] = {
    "[Variant \"Throw-in\"]", "[Variant \"Throw-in with transfers\"]",
    "[Variant \"Bulk\"]",     "[Variant \"Bulk with transfers\"]",
    "[Variant \"Japanese\"]", "[Variant \"Japanese with transfers\"]"};

TEST(GameRecordsTest, AThousandScriptedGamesOfEveryVariantReplay) {
    const std::string folder = makeScratchFolder();
    int games = 0;
    for (int type = 0; type < 6; ++type) {
        const std::string file =
            playedRecord(folder + "/" + std::to_string(type), type, blindScript(13000));
        const std::string text = readTextFile(file);
        games += gamesIn(text);
        EXPECT_NE(text.find(variantNames[type]), std::string::npos);
        const RunResult checked = check(file);
        EXPECT_EQ(checked.status, 0) << "variant " << type << ": " << checked.errors;
        EXPECT_EQ(checked.errors, "");
    }
    EXPECT_GE(games, 1000);
    std::filesystem::remove_all(folder);
}

struct ChangedCard {
    const char* move;    // the kind of line changed: its tenth of the file
    const char* becomes; // the card put in its place
    const char* refusal; // what the check says at that line
};

const ChangedCard changedCards[] = {
    {"computer cover ", "", "the game makes 'computer cover "},
    {"computer lead ", "", "the game makes 'computer lead "},
    {"human lead ", "9X", "'9X' is no card"},
};

TEST(GameRecordsTest, AChangedCardIsRefusedAtItsLine) {
    const std::string folder = makeScratchFolder();
    const std::string text = readTextFile(playedRecord(folder, 1, blindScript(1500)));
    for (const ChangedCard& change : changedCards) {
        const std::string move = std::string("\n") + change.move;
        size_t at = 0;
        for (int i = 0; i < 10 && at != std::string::npos; ++i) {
            at = text.find(move, at + 1);
        }
        ASSERT_NE(at, std::string::npos) << change.move;
        const size_t card = at + move.size();
        std::string changed = text;
        // Another card of the same suit: the ace, or the six for an ace.
        const std::string other = text[card] == 'A' ? "6" : "A";
        changed.replace(card, 2, *change.becomes != 0 ? change.becomes : other + text[card + 1]);
        writeTextFile(folder + "/changed.txt", changed);
        const int line = static_cast<int>(std::count(text.begin(), text.begin() + card, '\n')) + 1;
        const RunResult checked = check(folder + "/changed.txt");
        EXPECT_EQ(checked.status, 2) << change.move;
        EXPECT_EQ(checked.errors.rfind(
                      folder + "/changed.txt:" + std::to_string(line) + ": " + change.refusal, 0),
                  0u)
            << checked.errors;
    }
    std::filesystem::remove_all(folder);
}

// A game stopped in the middle goes on being recorded in the run that
// resumes it, where it stood in its file (undo and redo included): the file
// then holds the game as one run playing it all writes it, to its result.
TEST(GameRecordsTest, AResumedGameGoesOnBeingRecorded) {
    const struct {
        int type;
        int stop; // the rounds of the first run
        const char* atStop;
        const char* atResume;
    } cases[] = {{0, 8, "", ""},
                 {3, 20, "key ctrl+z\n", "key ctrl+y\nkey ctrl+z\n"},
                 {5, 3, "key ctrl+z\nkey ctrl+z\n", "key ctrl+y\n"}};
    for (const auto& c : cases) {
        const std::string folder = makeScratchFolder();
        const std::string first = blindScript(c.stop) + c.atStop;
        const std::string rest = c.atResume + blindScript(200, c.stop);
        setenv("XDG_STATE_HOME", folder.c_str(), 1);
        playedRecord(folder + "/two", c.type, first, {"--clock", "10:00:00.000", "--resume"});
        const std::string two = readTextFile(
            playedRecord(folder + "/two", c.type, rest, {"--clock", "17:00:00.000", "--resume"}));
        unsetenv("XDG_STATE_HOME");
        const std::string one = readTextFile(
            playedRecord(folder + "/one", c.type, first + rest, {"--clock", "10:00:00.000"}));
        const size_t end = one.find("[Variant", 1);
        ASSERT_NE(end, std::string::npos) << "the first game ended";
        // The time of day the game began is the machine's, not the --clock.
        const size_t time = one.find("[Time");
        EXPECT_EQ(two.substr(0, time), one.substr(0, time)) << c.type;
        EXPECT_EQ(two.substr(time + 18, end - time - 18), one.substr(time + 18, end - time - 18));
        EXPECT_EQ(one.substr(0, end).find("[Result \"*\"]"), std::string::npos);
        const RunResult checked = check(
            folder + "/two/games/" +
            std::filesystem::directory_iterator(folder + "/two/games")->path().filename().string());
        EXPECT_EQ(checked.status, 0) << checked.errors;
        std::filesystem::remove_all(folder);
    }
}

// --replay FILE shows the game's positions, each as the game had it after
// the human's move, Home and End go to the deal and the end, and a tap
// plays on from the position shown.
TEST(GameRecordsTest, ReplayStepsThroughThePositionsAndPlaysOn) {
    const std::string folder = makeScratchFolder();
    std::string script = "state\n";
    for (const char* line : {"tap 4 143", "tap 100 110", "tap 220 186", "tap 30 143", "tap 100 110",
                             "tap 220 186", "tap 60 143", "tap 100 110"}) {
        script += std::string(line) + "\nstate\n";
    }
    std::filesystem::create_directories(folder + "/games");
    const RunResult played = runScript({"--registry", folder + "/a.reg", "--records",
                                        folder + "/games", "--clock", "10:00:00.000"},
                                       script);
    std::vector<nlohmann::json> original = eventsOf(played.output);
    std::string file;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/games")) {
        file = entry.path().string();
    }
    std::string replayScript = "key home\nstate\n";
    for (int i = 0; i < 12; ++i) {
        replayScript += "key right\nstate\n";
    }
    replayScript += "key end\nstate\nkey home\ntap 4 143\ntap 100 110\nstate\n";
    std::vector<nlohmann::json> shown = eventsOf(
        runScript({"--registry", folder + "/b.reg", "--replay", file}, replayScript).output);
    // The hand sizes at the last lead carry over from whatever game came
    // before, in either run, until the deal's own first leads.
    for (auto* states : {&original, &shown}) {
        for (nlohmann::json& state : *states) {
            state.erase("computerHandAtLead");
            state.erase("humanHandAtLead");
        }
    }
    ASSERT_EQ(shown.size(), 15u);
    // Every position shown is one the game had, in the order it had them.
    size_t at = 0;
    for (size_t i = 0; i + 2 < shown.size(); ++i) {
        while (at < original.size() && original[at] != shown[i]) {
            ++at;
        }
        EXPECT_LT(at, original.size()) << "position " << i << " was never on the table";
    }
    EXPECT_EQ(shown[0], original[0]);
    EXPECT_EQ(shown[12], shown[13]) << "End stays at the end";
    EXPECT_NE(shown[0], shown[12]);
    EXPECT_EQ(shown[14], original[2]) << "a tap plays on from the deal";
    std::filesystem::remove_all(folder);
}

// Replay last game in the menu: greyed before a game has ended, then it
// shows the game before the one on the table, whose deal Home goes to.
TEST(GameRecordsTest, TheMenuReplaysTheGameBefore) {
    const std::string folder = makeScratchFolder();
    const std::string script = "hold 60 160\nkey escape\n" + blindScript(300) +
                               "hold 60 160\nkey end\nkey up\nkey up\nkey up\nkey up\nkey up\n"
                               "key enter\nkey home\ndeal\n";
    const RunResult run = runScript({"--registry", folder + "/a.reg", "--records",
                                     folder + "/games", "--clock", "10:00:00.000"},
                                    script);
    std::vector<nlohmann::json> menus;
    std::vector<nlohmann::json> deals;
    for (const nlohmann::json& event : eventsOf(run.output)) {
        (event["event"] == "menu" ? menus : deals).push_back(event);
    }
    ASSERT_EQ(menus.size(), 2u);
    // Replay last game follows Deal number… (Why? is the last item).
    EXPECT_EQ(menus[0]["items"][10],
              nlohmann::json::parse(R"({"id":40105,"text":"Повтор последней партии","flags":1})"));
    EXPECT_EQ(menus[1]["items"][10]["flags"], 0);
    EXPECT_EQ(menus[1]["result"], 40105);
    std::string text;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/games")) {
        text = readTextFile(entry.path().string());
    }
    // The game before the last one the file holds.
    const size_t last = text.rfind("[Deal \"");
    const size_t before = text.rfind("[Deal \"", last - 1);
    ASSERT_NE(before, std::string::npos);
    EXPECT_EQ(deals.back()["code"], text.substr(before + 7, 12));
    std::filesystem::remove_all(folder);
}

// A run that has not closed a game yet replays the last one its records
// folder holds: the game the run before left.
// Also when the game before closed last month's file: the run before is
// moved there, as if the month had turned between the two runs.
TEST(GameRecordsTest, TheMenuReplaysTheGameOfTheRunBefore) {
    for (const bool lastMonth : {false, true}) {
        const std::string folder = makeScratchFolder();
        const std::vector<std::string> arguments = {"--registry", folder + "/a.reg", "--records",
                                                    folder + "/games"};
        std::vector<std::string> first = arguments;
        first.insert(first.end(), {"--clock", "10:00:00.000"});
        const auto left = eventsOf(runScript(first, "tap 4 143\ntap 100 110\ndeal\n").output);
        if (lastMonth) {
            const auto file = std::filesystem::directory_iterator(folder + "/games")->path();
            const int year = std::stoi(file.filename().string().substr(0, 4));
            const int month = std::stoi(file.filename().string().substr(5, 2));
            char before[32];
            std::snprintf(before, sizeof before, "%04d-%02d.txt", month == 1 ? year - 1 : year,
                          month == 1 ? 12 : month - 1);
            std::filesystem::rename(file, file.parent_path() / before);
        }
        std::vector<std::string> second = arguments;
        second.insert(second.end(), {"--clock", "17:00:00.000"});
        const auto shown = eventsOf(runScript(second, "deal\nhold 60 160\nkey end\nkey up\n"
                                                      "key up\nkey up\nkey up\nkey up\n"
                                                      "key enter\nkey home\ndeal\n")
                                        .output);
        ASSERT_EQ(left.size(), 1u);
        ASSERT_EQ(shown.size(), 3u) << lastMonth;
        EXPECT_NE(shown[0]["code"], left[0]["code"]);
        EXPECT_EQ(shown[1]["result"], 40105) << lastMonth;
        EXPECT_EQ(shown[2]["code"], left[0]["code"]) << lastMonth;
        std::filesystem::remove_all(folder);
    }
}

} // namespace
