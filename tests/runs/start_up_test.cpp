// SPDX-License-Identifier: MIT
// The program started from the command line: the switch that shows the
// computer's cards, the settings read at start-up, the accelerators, the menu
// commands and the interface language, each case read back from the last line
// the run writes and from the settings file; and the command lines and script
// lines it refuses with exit status 2.
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "program_session.h"

namespace {

struct StartUpCase {
    const char* name;
    const char* arguments; // after the settings file, separated by spaces
    const char* settings;  // "name=value ..."
    const char* script;    // lines separated by ';'
    const char* expected;  // "/json/pointer=json|..."; "lines": lines written, "status": exit
                           // status (0 unless given), "errors": the start of standard error,
                           // "savedtype", "savedlang", "savedopponent": the value in
                           // the settings file afterwards, -1 when there is none
};

const char* const firstDeal =
    "lines=1|/title=\"Подкидной\"|/gameType=0|/computerWins=0|"
    "/humanWins=0|humanHandCount=6|/remaining=23|/computerHandStyle=4|"
    "/computerHandFaceDown=1|computerFaceUp=0|/rulesLanguage=0|savedlang=-1";
const char* const shown = "/computerHandFaceDown=0|computerFaceUp=6";
const char* const hidden = "/computerHandFaceDown=1|computerFaceUp=0";
const char* const about = "lines=1|/event=\"messagebox\"|/caption=\"О программе\"|/style=0|"
                          "/text=\"Talonix 1.1\\r\\n\\r\\nКарточная игра \\\"Дурак\\\"\\r\\n"
                          "для одного игрока\"";
const char* const secondLineFails = "status=2|errors=\"script:2: \"";

const StartUpCase startUpCases[] = {
    {"FirstRun", "", "", "state", firstDeal},
    {"EnglishIsRemembered", "--lang en", "", "state", "/title=\"Throw-in\"|savedlang=1"},
    {"StoredEnglish", "", "lang=1", "state", "/title=\"Throw-in\"|savedlang=1"},
    {"RussianOverStoredEnglish", "--lang ru", "lang=1", "state",
     "/title=\"Подкидной\"|savedlang=0"},
    {"AnyOtherStoredLanguageIsRussian", "", "lang=7", "state", "/title=\"Подкидной\"|savedlang=7"},
    {"SwitchShowsTheComputersCards", "q7K", "", "state", shown},
    {"SwitchWithinAWord", "xq7Ky", "", "state", shown},
    {"SwitchAfterAnotherWord", "something q7K", "", "state", shown},
    {"SwitchInCapitals", "Q7K", "", "state", hidden},
    {"SwitchInSmallLetters", "q7k", "", "state", hidden},
    {"CountsAndTypeRead", "", "statc=5 statu=12 type=4", "state",
     "/computerWins=5|/humanWins=12|/title=\"Японский\"|/remaining=24"},
    // Each stored type plays its variant; one outside the table plays
    // throw-in without transfers and has no name.
    {"Type1ThrowInWithTransfers", "", "type=1", "state",
     "/title=\"Подкидной переводной\"|/transferVariant=1|humanHandCount=6|/remaining=23"},
    {"Type2BulkDealsThePack", "", "type=2", "state",
     "/title=\"Наваленный\"|/transferVariant=0|humanHandCount=18|/remaining=0"},
    {"Type3BulkWithTransfers", "", "type=3", "state",
     "/title=\"Наваленный переводной\"|/transferVariant=1|humanHandCount=18"},
    {"Type5JapaneseWithTransfers", "", "type=5", "state",
     "/title=\"Японский переводной\"|/transferVariant=1|/remaining=24|/trumpCard/hidden=1"},
    {"Type7PlaysThrowInWithoutAName", "", "type=7", "state",
     "/title=\"Дурак\"|/gameType=7|/transferVariant=0|humanHandCount=6|/remaining=23"},
    {"OpponentHandheldOverAStoredExpert", "--opponent handheld", "opponent=2", "state",
     "savedopponent=0"},
    {"OpponentBeginner", "--opponent beginner", "", "state", "savedopponent=1"},
    {"OpponentExpertOverAStoredBeginner", "--opponent expert", "opponent=1", "state",
     "savedopponent=2"},
    {"NoOpponentAskedKeepsTheStoredOne", "", "opponent=1", "state", "savedopponent=1"},
    {"AboutOnAltSlash", "", "", "key alt+/", about},
    {"AboutOnTheCommand", "", "", "command 40003", about},
    {"AltNDealsAfreshScoringNothing", "", "", "tap 4 143;tap 100 110;key alt+n;state",
     "lines=1|humanHandCount=6|/remaining=23|/lastWinner=-1|/computerWins=0|/humanWins=0"},
    {"NewGameCommand", "", "", "tap 60 143;command 40012;state",
     "lines=1|humanHandCount=6|/humanHand/cards/2/selected=0"},
    {"ExitCommandEndsTheRun", "", "", "command 40002;state", "lines=0"},
    {"AltF4EndsTheRun", "", "", "key alt+f4;state", "lines=0"},
    {"ADialogOpenAtTheEndIsClosedByItsCloseBox", "", "", "command 40014",
     "lines=1|/event=\"dialog\"|/template=130|/result=2"},
    {"RussianRules", "", "", "command 40017;press 2;state", "/rulesLanguage=1"},
    {"EnglishRules", "", "", "command 40017;press 2;command 40013;press 2;state",
     "/rulesLanguage=0"},
    {"DoubleTapWithTheOptionOnPlays", "", "wc=1", "dbl 60 143;state",
     "/doubleTapPlays=1|humanHandCount=5|/humanTableRow/cards/0/suit=2|/humanTableRow/cards/0/"
     "rank=9|/computerAttacks=0"},
    {"StoredFiveStacksTheComputersHand", "", "hidev=5", "state", "/computerHandStyle=5"},
    {"StoredSevenFansTheComputersHand", "", "hidev=7", "state", "/computerHandStyle=4"},
    // Every key of docs/keyboard.md, on the table and in the dialogs.
    {"EndMarksTheLastCard", "", "", "key end;key space;state", "/humanHand/cards/5/selected=1"},
    {"HomeMarksTheFirstCard", "", "", "key end;key home;key space;state",
     "/humanHand/cards/0/selected=1|/humanHand/cards/5/selected=0"},
    {"ASecondSpaceClearsTheCard", "", "", "key right;key space;key space;state",
     "/humanHand/cards/0/selected=0"},
    {"EnterLeadsTheSelectedCard", "", "", "key right;key space;key enter;state",
     "humanHandCount=5|humanTableRowCount=1|computerTableRowCount=1|/computerAttacks=0"},
    {"TEndsTheBoutWithOk", "", "", "key right;key space;key enter;key t;state",
     "humanHandCount=6|humanTableRowCount=0|/computerAttacks=1"},
    {"SSortsBySuit", "", "", "key s;state", "/humanHand/sortMode=1"},
    {"CtrlNDealsAfresh", "", "", "key right;key space;key ctrl+n;state",
     "lines=1|humanHandCount=6|/humanHand/cards/0/selected=0|/computerAttacks=1"},
    {"CtrlOOpensOptions", "", "", "key ctrl+o", "lines=1|/template=130|/result=2"},
    {"CtrlTOpensStatistics", "", "", "key ctrl+t", "lines=1|/template=131|/result=2"},
    {"EscapeClosesADialogUnchanged", "", "", "key ctrl+o;key down;key escape",
     "lines=1|/template=130|/result=2|savedtype=-1"},
    {"EnterPressesOk", "", "", "key ctrl+o;key enter", "lines=1|/template=130|/result=1"},
    {"F1ShowsTheRulesOfTheInterfaceLanguage", "", "", "key f1;key escape;state",
     "/rulesLanguage=1"},
    {"F1InEnglish", "--lang en", "", "key f1;key escape;state", "/rulesLanguage=0"},
    {"DoubleTapWithTheOptionOffSelects", "", "", "dbl 60 143;state",
     "humanHandCount=6|/humanHand/cards/2/selected=1"},
    {"OptionsRefuseAnItemPastTheList", "", "", "command 40014;select 1015 9", secondLineFails},
    {"OptionsRefuseAnUnknownControl", "", "", "command 40014;check 4242 1", secondLineFails},
    {"StatisticsRefuseAnOptionsControl", "", "", "command 40015;press 1015", secondLineFails},
    {"APressWithNoDialogOpen", "", "", "# no dialog;press 1", secondLineFails},
    {"SettingsWrittenBeforeABadLineAreKept", "", "", "command 40014;select 1015 3;press 1;fly 1 2",
     "status=2|errors=\"script:4: \"|savedtype=3"},
    {"ClockOutOfRange", "--clock 25:00:00.000", "", "state",
     "status=2|errors=\"talonix: --clock\"|lines=0"},
    {"AMistypedOption", "--regsitry x.reg", "", "state",
     "status=2|lines=0|errors=\"talonix: unknown option '--regsitry' (did you mean --registry?)\""},
    {"MissingScript", "--script /nonexistent/script", "", "state", "status=2"},
};

void PrintTo(const StartUpCase& c, std::ostream* out) {
    *out << c.name;
}

class StartUpTest : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(StartUpTest, EndsAsItShould) {
    const StartUpCase& c = GetParam();
    const std::string folder = makeScratchFolder();
    const std::string settings = folder + "/settings.reg";
    writeTextFile(settings, settingsText(c.settings));
    std::vector<std::string> arguments = {"--registry", settings};
    if (std::string(c.arguments).find("--clock") == std::string::npos) {
        arguments.insert(arguments.end(), {"--clock", "10:00:00.000"});
    }
    std::istringstream words(c.arguments);
    for (std::string word; words >> word;) {
        arguments.push_back(word);
    }
    std::string script = c.script;
    std::replace(script.begin(), script.end(), ';', '\n');
    const RunResult run = runScript(arguments, script + "\n");
    const auto events = eventsOf(run.output);
    nlohmann::json last = events.empty() ? nlohmann::json::object() : events.back();
    last["lines"] = events.size();
    last["status"] = run.status;
    const std::string expected = c.expected;
    const size_t errors = expected.find("errors=\"");
    if (errors != std::string::npos) {
        last["errors"] = run.errors.substr(0, expected.find('"', errors + 8) - errors - 8);
    }
    const std::string saved = readTextFile(settings);
    for (const std::string name : {"type", "lang", "opponent"}) {
        const size_t at = saved.find("\"" + name + "\"=dword:");
        last["saved" + name] = at == std::string::npos
                                   ? -1
                                   : std::stoi(saved.substr(at + name.size() + 9), nullptr, 16);
    }
    std::filesystem::remove_all(folder);
    expectFields(last, expected.find("status=") == 0 ? expected : "status=0|" + expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartUpTest, ::testing::ValuesIn(startUpCases),
                         [](const auto& item) { return std::string(item.param.name); });

} // namespace
