// The program started from the command line: the switch that shows the
// computer's cards, the settings read at start-up, the accelerators and the
// menu commands, each case read back from the last line the run writes.
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "program_session.h"

namespace {

struct StartUpCase {
    const char* name;
    std::vector<std::string> arguments; // after the clock and the settings file
    const char* settings;               // value lines of the settings file
    const char* script;                 // lines separated by ';'
    const char* expected;               // "/json/pointer=json|..."; "lines": events written
};

void PrintTo(const StartUpCase& c, std::ostream* out) {
    *out << c.name;
}

const char* const firstDeal = "lines=1|/title=\"Подкидной\"|/gameType=0|/computerWins=0|"
                              "/humanWins=0|humanHandCount=6|/remaining=23|/computerHandStyle=4|"
                              "/computerHandFaceDown=1|computerFaceUp=0|/rulesLanguage=0";
const char* const shown = "/computerHandFaceDown=0|computerFaceUp=6";
const char* const about = "lines=1|/event=\"messagebox\"|/caption=\"О программе\"|/style=0|"
                          "/text=\"Talonix 1.1\\r\\n\\r\\nКарточная игра \\\"Дурак\\\"\\r\\n"
                          "для одного игрока\"";

const StartUpCase startUpCases[] = {
    {"FirstRun", {}, "", "state", firstDeal},
    {"SwitchShowsTheComputersCards", {"q7K"}, "", "state", shown},
    {"SwitchWithinAWord", {"xq7Ky"}, "", "state", shown},
    {"SwitchAfterAnotherWord", {"something", "q7K"}, "", "state", shown},
    {"SwitchInCapitals", {"Q7K"}, "", "state", "/computerHandFaceDown=1|computerFaceUp=0"},
    {"SwitchInSmallLetters", {"q7k"}, "", "state", "/computerHandFaceDown=1|computerFaceUp=0"},
    {"CountsAndTypeRead",
     {},
     "\"statc\"=dword:00000005\n\"statu\"=dword:0000000c\n\"type\"=dword:00000004\n",
     "state",
     "/computerWins=5|/humanWins=12|/title=\"Японский\"|/remaining=24"},
    {"AboutOnAltSlash", {}, "", "key alt+/", about},
    {"AboutOnTheCommand", {}, "", "command 40003", about},
    {"AltNDealsAfreshScoringNothing",
     {},
     "",
     "tap 4 143;tap 100 110;key alt+n;state",
     "lines=1|humanHandCount=6|/remaining=23|/lastWinner=-1|/computerWins=0|/humanWins=0"},
    {"NewGameCommand",
     {},
     "",
     "tap 60 143;command 40012;state",
     "lines=1|humanHandCount=6|/humanHand/cards/2/selected=0"},
    {"ExitCommandEndsTheRun", {}, "", "command 40002;state", "lines=0"},
    {"AltF4EndsTheRun", {}, "", "key alt+f4;state", "lines=0"},
    {"RussianRules", {}, "", "command 40017;press 2;state", "/rulesLanguage=1"},
    {"EnglishRules",
     {},
     "",
     "command 40017;press 2;command 40013;press 2;state",
     "/rulesLanguage=0"},
    {"DoubleTapWithTheOptionOnPlays",
     {},
     "\"wc\"=dword:00000001\n",
     "dbl 60 143;state",
     "/doubleTapPlays=1|humanHandCount=5|/humanTableRow/cards/0/suit=2|"
     "/humanTableRow/cards/0/rank=9|/computerAttacks=0"},
    {"StoredFiveStacksTheComputersHand",
     {},
     "\"hidev\"=dword:00000005\n",
     "state",
     "/computerHandStyle=5"},
    {"StoredSevenFansTheComputersHand",
     {},
     "\"hidev\"=dword:00000007\n",
     "state",
     "/computerHandStyle=4"},
    {"DoubleTapWithTheOptionOffSelects",
     {},
     "",
     "dbl 60 143;state",
     "humanHandCount=6|/humanHand/cards/2/selected=1"},
};

class StartUpTest : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(StartUpTest, EndsAsItShould) {
    const StartUpCase& c = GetParam();
    const std::string folder = makeScratchFolder();
    writeTextFile(folder + "/settings.reg",
                  std::string("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n") + c.settings);
    std::vector<std::string> arguments = {"--clock", "10:00:00.000", "--registry",
                                          folder + "/settings.reg"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    std::string script = c.script;
    std::replace(script.begin(), script.end(), ';', '\n');
    const RunResult run = runScript(arguments, script + "\n");
    std::filesystem::remove_all(folder);
    EXPECT_EQ(run.status, 0);

    nlohmann::json last;
    int lines = 0;
    std::istringstream output(run.output);
    for (std::string line; std::getline(output, line); ++lines) {
        last = nlohmann::json::parse(line);
    }
    last["lines"] = lines;
    expectFields(last, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartUpTest, ::testing::ValuesIn(startUpCases),
                         [](const auto& item) { return std::string(item.param.name); });

} // namespace

namespace {

TEST(StartUpWithoutDisplayTest, TheOnlyOutputIsOneErrorLine) {
    const std::string command =
        std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ") + TALONIX_BINARY +
        " --registry /nonexistent/settings.reg 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    EXPECT_NE(pclose(pipe), 0);
    EXPECT_EQ(output.rfind("talonix: cannot open a window: no display", 0), 0u) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
}

} // namespace
