// The program started from the command line: the switch that shows the
// computer's cards, the title, the accelerators and Exit.
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "program_session.h"

namespace {

class StartUpTest : public ::testing::Test {
  protected:
    void SetUp() override { folder = makeScratchFolder(); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    nlohmann::json firstState(std::vector<std::string> extra) {
        std::vector<std::string> arguments = {"--clock", "10:00:00.000", "--registry",
                                              folder + "/settings.reg"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const RunResult run = runScript(arguments, "state\n");
        EXPECT_EQ(run.status, 0);
        return nlohmann::json::parse(run.output, nullptr, false);
    }

    std::vector<nlohmann::json> events(const std::string& script) {
        const RunResult run =
            runScript({"--clock", "10:00:00.000", "--registry", folder + "/settings.reg"}, script);
        EXPECT_EQ(run.status, 0);
        std::vector<nlohmann::json> parsed;
        size_t start = 0;
        while (start < run.output.size()) {
            const size_t end = run.output.find('\n', start);
            parsed.push_back(nlohmann::json::parse(run.output.substr(start, end - start)));
            start = end == std::string::npos ? run.output.size() : end + 1;
        }
        return parsed;
    }

    static bool computerCardsFaceUp(const nlohmann::json& state) {
        bool faceUp = state["computerHand"]["cards"].size() > 0;
        for (const auto& card : state["computerHand"]["cards"]) {
            faceUp = faceUp && card["faceDown"] == 0;
        }
        return faceUp;
    }

    std::string folder;
};

TEST_F(StartUpTest, TheSwitchShowsTheComputersCardsWhereverItStands) {
    for (const char* argument : {"q7K", "xq7Ky"}) {
        const nlohmann::json state = firstState({argument});
        ASSERT_TRUE(state.is_object()) << argument;
        EXPECT_EQ(state["computerHandFaceDown"], 0) << argument;
        EXPECT_TRUE(computerCardsFaceUp(state)) << argument;
    }
    const nlohmann::json state = firstState({"something", "q7K"});
    EXPECT_EQ(state["computerHandFaceDown"], 0) << "any word of the command line";
}

TEST_F(StartUpTest, OtherLetterCasesDoNotCount) {
    for (const char* argument : {"Q7K", "q7k"}) {
        const nlohmann::json state = firstState({argument});
        ASSERT_TRUE(state.is_object()) << argument;
        EXPECT_EQ(state["computerHandFaceDown"], 1) << argument;
        for (const auto& card : state["computerHand"]["cards"]) {
            EXPECT_EQ(card["faceDown"], 1) << argument;
        }
    }
}

TEST_F(StartUpTest, AFirstRunDealsTheFirstVariant) {
    const nlohmann::json state = firstState({});
    ASSERT_TRUE(state.is_object());
    EXPECT_EQ(state["title"], "Подкидной");
    EXPECT_EQ(state["gameType"], 0);
    EXPECT_EQ(state["computerWins"], 0);
    EXPECT_EQ(state["humanWins"], 0);
    EXPECT_EQ(state["humanHand"]["cards"].size(), 6u);
    EXPECT_EQ(state["remaining"], 23);
    EXPECT_EQ(state["computerHandStyle"], 4);
    EXPECT_TRUE(state["dialog"].is_null());
}

TEST_F(StartUpTest, AboutAnswersAltSlashAndTheCommand) {
    for (const char* line : {"key alt+/\n", "command 40003\n"}) {
        const auto out = events(line);
        ASSERT_EQ(out.size(), 1u) << line;
        EXPECT_EQ(out[0]["event"], "messagebox");
        EXPECT_EQ(out[0]["caption"], "О программе");
        EXPECT_EQ(out[0]["style"], 0);
        const std::string text = out[0]["text"];
        EXPECT_NE(text.find("Talonix"), std::string::npos) << text;
        EXPECT_NE(text.find("1.1"), std::string::npos) << text;
    }
}

TEST_F(StartUpTest, AltNDealsANewGame) {
    const auto out = events("tap 100 110\nkey alt+n\nstate\n");
    ASSERT_FALSE(out.empty());
    const nlohmann::json& state = out.back();
    EXPECT_EQ(state["humanHand"]["cards"].size(), 6u);
    EXPECT_EQ(state["remaining"], 23);
    EXPECT_EQ(state["lastWinner"], -1);
}

TEST_F(StartUpTest, ExitEndsTheRunThere) {
    for (const char* line : {"command 40002\n", "key alt+f4\n"}) {
        const auto out = events(std::string(line) + "state\n");
        EXPECT_TRUE(out.empty()) << line << ": nothing after Exit is read";
    }
}

TEST_F(StartUpTest, WithTheOptionOnADoubleTapPlaysTheCard) {
    writeTextFile(folder + "/settings.reg",
                  "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"wc\"=dword:00000001\n");
    ProgramSession session({"--clock", "10:00:00.000", "--registry", folder + "/settings.reg"});
    const nlohmann::json first = session.send("# the deal").back();
    ASSERT_EQ(first["computerAttacks"], 0) << "this deal lets the human lead";
    ASSERT_EQ(first["doubleTapPlays"], 1);
    const auto& card = first["humanHand"]["cards"][2];
    const int x = card["x"];
    const int y = card["y"];
    const nlohmann::json after =
        session.send("dbl " + std::to_string(x + 2) + " " + std::to_string(y + 2)).back();
    ASSERT_EQ(after["humanTableRow"]["cards"].size(), 1u);
    EXPECT_EQ(after["humanTableRow"]["cards"][0]["suit"], card["suit"]);
    EXPECT_EQ(after["humanTableRow"]["cards"][0]["rank"], card["rank"]);
    EXPECT_EQ(after["humanHand"]["cards"].size(), 5u);
    EXPECT_EQ(session.finish(), 0);
}

TEST_F(StartUpTest, WithoutADisplayTheOnlyOutputIsOneErrorLine) {
    std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ") +
                          TALONIX_BINARY + " --registry " + folder + "/settings.reg 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    int status = pclose(pipe);
    EXPECT_NE(status, 0);
    EXPECT_EQ(output.rfind("talonix: cannot open a window: no display", 0), 0u) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
}

TEST_F(StartUpTest, AStoredFiveStacksTheComputersHandFromTheFirstDeal) {
    writeTextFile(folder + "/settings.reg",
                  "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"hidev\"=dword:00000005\n");
    const nlohmann::json state = firstState({});
    EXPECT_EQ(state["computerHandStyle"], 5);
}

TEST_F(StartUpTest, TheWinCountsAreReadAtStartUp) {
    writeTextFile(folder + "/settings.reg",
                  "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
                  "\"statc\"=dword:00000005\n\"statu\"=dword:0000000c\n\"type\"=dword:00000004\n");
    const nlohmann::json state = firstState({});
    EXPECT_EQ(state["computerWins"], 5);
    EXPECT_EQ(state["humanWins"], 12);
    EXPECT_EQ(state["title"], "Японский");
    EXPECT_EQ(state["remaining"], 24);
}

} // namespace
