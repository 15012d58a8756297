// SPDX-License-Identifier: MIT
// Deal codes, undo and redo and the tap-and-hold menu, through the headless
// runner: a code deals the same cards in another run, a mistyped one is
// refused, undo and redo give back the very same state lines, and the menu
// opens on hold and never on tap.
#include <filesystem>

#include <gtest/gtest.h>

#include "program_session.h"

namespace {

struct ScriptRun {
    std::vector<nlohmann::json> events;
    RunResult result;
};

ScriptRun run(const std::string& settings, std::vector<std::string> arguments,
              const std::string& script) {
    const std::string folder = makeScratchFolder();
    writeTextFile(folder + "/settings.reg", settingsText(settings));
    arguments.insert(arguments.begin(), {"--registry", folder + "/settings.reg"});
    ScriptRun done;
    done.result = runScript(arguments, script);
    done.events = eventsOf(done.result.output);
    std::filesystem::remove_all(folder);
    return done;
}

std::vector<nlohmann::json> eventsNamed(const ScriptRun& done, const std::string& name) {
    std::vector<nlohmann::json> found;
    for (const auto& event : done.events) {
        if (event["event"] == name) {
            found.push_back(event);
        }
    }
    return found;
}

// What a deal fixes: the cards everywhere, the trump and who attacks.
nlohmann::json dealOf(const nlohmann::json& state) {
    nlohmann::json deal;
    for (const char* field :
         {"title", "gameType", "remaining", "computerAttacks", "status", "trumpCard",
          "computerHand", "computerTableRow", "humanTableRow", "humanHand"}) {
        deal[field] = state[field];
    }
    return deal;
}

struct DealCase {
    const char* settings;
    const char* clock;
    const char* playedFirst; // before the new game whose code is taken
};

const DealCase dealCases[] = {
    {"", "10:00:00.000", ""},
    {"type=3", "12:34:56.789", "tap 4 143\ntap 100 110\ntap 220 186\n"},
    {"type=5", "00:00:00.000", "key alt+n\nkey alt+n\n"},
    {"type=1", "23:59:59.999", "tap 4 143\ntap 100 110\nkey alt+n\ntap 4 143\ntap 100 110\n"},
};

TEST(DealCodes, TheCodeDealsTheSameGameInAnotherRun) {
    for (const DealCase& c : dealCases) {
        const ScriptRun first = run(c.settings, {"--clock", c.clock},
                                    std::string(c.playedFirst) + "key alt+n\ndeal\nstate\n");
        const auto deals = eventsNamed(first, "deal");
        ASSERT_EQ(deals.size(), 1u) << first.result.output;
        const std::string code = deals[0]["code"];
        const ScriptRun again =
            run("", {"--clock", "06:07:08.009", "--deal", code}, "state\ndeal\n");
        ASSERT_EQ(again.result.status, 0) << again.result.errors;
        EXPECT_EQ(dealOf(again.events[0]), dealOf(first.events.back())) << code;
        EXPECT_EQ(again.events[1]["code"], code);
    }
}

TEST(DealCodes, AMistypedCodeIsRefusedBeforeAnythingRuns) {
    const ScriptRun first = run("", {"--clock", "10:00:00.000"}, "deal\n");
    std::string code = eventsNamed(first, "deal").at(0)["code"];
    code[2] = code[2] == 'A' ? 'B' : 'A';
    const ScriptRun refused = run("", {"--deal", code}, "state\n");
    EXPECT_EQ(refused.result.status, 2);
    EXPECT_TRUE(refused.events.empty());
    EXPECT_EQ(refused.result.errors.rfind("talonix: --deal " + code + ": ", 0), 0u)
        << refused.result.errors;
}

// The human leads the first card, then the second: each lead with the
// computer's answer is one move.
const char* const twoMoves = "tap 4 143\nstate\ntap 100 110\nstate\n"
                             "tap 4 143\nstate\ntap 100 110\nstate\n";

TEST(UndoRedo, GiveBackTheVeryStateLinesOfTheGame) {
    const ScriptRun done = run(
        "", {"--clock", "10:00:00.000"},
        std::string(twoMoves) + "key ctrl+z\nstate\nkey ctrl+z\nstate\nkey ctrl+z\nstate\n"
                                "key ctrl+y\nstate\nkey ctrl+y\nstate\nkey ctrl+y\nstate\ndeal\n");
    const auto& e = done.events;
    ASSERT_EQ(e.size(), 11u) << done.result.output;
    ASSERT_NE(e[0], e[1]);
    ASSERT_NE(e[2], e[3]);
    EXPECT_EQ(e[4], e[2]); // the second move taken back
    EXPECT_EQ(e[5], e[0]); // and the first
    EXPECT_EQ(e[6], e[0]); // nothing before the deal
    EXPECT_EQ(e[7], e[2]); // redo gives back what undo found
    EXPECT_EQ(e[8], e[3]);
    EXPECT_EQ(e[9], e[3]); // nothing more to redo
    expectFields(e[10], "/canUndo=1|/canRedo=0|/undone=2");
}

// "Why?" explains the computer's move of the position shown: after an undo,
// the move before the one taken back, and after a redo the move given back.
TEST(UndoRedo, WhyExplainsTheMoveOfThePositionShown) {
    const ScriptRun done = run("", {"--clock", "10:00:00.000"},
                               "key w\ntap 4 143\ntap 100 110\nkey w\ntap 4 143\ntap 100 110\n"
                               "key w\nkey ctrl+z\nkey w\nkey ctrl+z\nkey w\nkey ctrl+y\nkey w\n"
                               "key ctrl+y\nkey w\n");
    std::vector<std::string> whys;
    for (const auto& box : eventsNamed(done, "messagebox")) {
        whys.push_back(box["text"]);
    }
    ASSERT_EQ(whys.size(), 7u) << done.result.output;
    ASSERT_NE(whys[0], whys[1]);
    ASSERT_NE(whys[1], whys[2]);
    const std::vector<std::string> expected = {whys[0], whys[1], whys[2], whys[1],
                                               whys[0], whys[1], whys[2]};
    EXPECT_EQ(whys, expected);
}

TEST(UndoRedo, ANewMoveDropsWhatCouldBeRedoneAndANewGameAllHistory) {
    const ScriptRun done = run("", {"--clock", "10:00:00.000"},
                               std::string(twoMoves) + "key ctrl+z\ntap 100 110\ndeal\n"
                                                       "key alt+n\ndeal\n");
    const auto deals = eventsNamed(done, "deal");
    ASSERT_EQ(deals.size(), 2u);
    expectFields(deals[0], "/canUndo=1|/canRedo=0|/undone=1");
    expectFields(deals[1], "/canUndo=0|/canRedo=0|/undone=0");
}

// The human takes twice: the second take is undone while another text
// stands in the status line, and the line of the first take comes back.
TEST(UndoRedo, GiveBackTheStatusLineShownBeforeTheMove) {
    const ScriptRun done = run("", {"--clock", "10:00:00.000", "--lang", "en"},
                               "tap 4 143\ntap 100 110\ntap 220 186\ntap 220 186\nstate\n"
                               "tap 220 186\ntap 100 110\nstate\nkey ctrl+z\nstate\n");
    const auto& e = done.events;
    ASSERT_EQ(e.size(), 3u) << done.result.output;
    expectFields(e[0], "/status=\"You took 1.\"|humanHandCount=7");
    expectFields(e[1], "/status=\"Please select cards!\"|humanHandCount=8");
    EXPECT_EQ(e[2], e[0]);
}

TEST(TableMenu, OpensOnHoldAndNeverOnTap) {
    const ScriptRun taps =
        run("", {"--clock", "10:00:00.000"}, "tap 100 110\ntap 120 300\nstate\n");
    EXPECT_TRUE(eventsNamed(taps, "menu").empty());
    const ScriptRun held =
        run("", {"--clock", "10:00:00.000"}, "hold 120 200\nkey escape\nstate\n");
    const auto menus = eventsNamed(held, "menu");
    ASSERT_EQ(menus.size(), 1u) << held.result.output;
    // No bout has ended yet; the pace is the normal one.
    expectFields(menus[0], "/result=0|/items/0/flags=1|/items/1/flags=1|/items/2/flags=2048|"
                           "/items/3/flags=1|/items/4/flags=0|/items/5/flags=8|/items/6/flags=0|"
                           "/items/8/flags=0|/items/0/text=\"Отменить ход\"");
    const ScriptRun untouched = run("", {"--clock", "10:00:00.000"}, "state\n");
    EXPECT_EQ(held.events.back(), untouched.events.back()); // the menu changed nothing
}

// The gesture is the table's: a press held on a dialog's button or check
// box, or on the command bar, is the tap it is there.
TEST(TableMenu, AHoldOffTheTableIsATap) {
    const std::string dealNumber = "hold 60 150\nkey up\nkey up\nkey up\nkey up\n"
                                   "key up\nkey up\nkey enter\n";
    const struct {
        std::string before;
        const char* point;
        bool tap;
    } cases[] = {
        {"", "60 150", false},             // the table: the menu
        {"", "12 12", true},               // the command bar's New game
        {"key ctrl+o\n", "120 300", true}, // the options' Ok
        {"key ctrl+o\n", "20 83", true},   // a check box of the options
        {dealNumber, "175 155", true},     // the deal number's Ok
        {dealNumber, "100 250", true},     // the table beside that dialog
    };
    for (const auto& c : cases) {
        const std::string after = std::string(" ") + c.point + "\nstate\nkey escape\nstate\n";
        const ScriptRun held = run("", {"--clock", "10:00:00.000"}, c.before + "hold" + after);
        const ScriptRun tapped = run("", {"--clock", "10:00:00.000"}, c.before + "tap" + after);
        EXPECT_EQ(held.result.output == tapped.result.output, c.tap) << c.before << c.point;
        EXPECT_EQ(eventsNamed(held, "menu").size() - eventsNamed(tapped, "menu").size(),
                  c.tap ? 0u : 1u)
            << c.point;
    }
}

// The opponent chosen from the menu is checked the next time it opens, and
// "Why?" from the menu explains the computer's move.
TEST(TableMenu, ChoosesTheOpponentAndAsksWhy) {
    const ScriptRun done = run("", {"--clock", "10:00:00.000", "--lang", "en"},
                               "key menu\nkey up\nkey up\nkey up\nkey enter\n"
                               "key menu\nkey up\nkey enter\nstate\n");
    const auto menus = eventsNamed(done, "menu");
    ASSERT_EQ(menus.size(), 2u) << done.result.output;
    expectFields(menus[0], "/result=40122|/items/12/flags=8|/items/14/flags=0");
    expectFields(menus[1], "/result=40124|/items/12/flags=0|/items/14/flags=8");
    ASSERT_EQ(eventsNamed(done, "messagebox").size(), 1u);
}

// An item reaches from the pixel after the menu's left border to the pixel
// before its right one. Opened at 60 160 the menu spans x 60 to 183; at
// 120 160 it does not fit to the right and opens against the left edge,
// from x 0 to 123.
TEST(TableMenu, AnItemEndsAtTheMenusBorders) {
    const struct {
        const char* hold;
        int x;
        const char* result;
    } taps[] = {{"60 160", 182, "40103"},
                {"60 160", 183, "0"},
                {"60 160", 184, "0"},
                {"120 160", 1, "40103"},
                {"120 160", 0, "0"}};
    for (const auto& tap : taps) {
        const ScriptRun done = run("", {"--clock", "10:00:00.000", "--lang", "en"},
                                   std::string("hold ") + tap.hold + "\ntap " +
                                       std::to_string(tap.x) + " 131\nstate\n");
        const auto menus = eventsNamed(done, "menu");
        ASSERT_EQ(menus.size(), 1u) << done.result.output;
        expectFields(menus[0], std::string("/result=") + tap.result);
    }
}

// After two moves every item from Undo on can be chosen: Home marks the
// first item and End the last, "Why?", wherever the mark was.
TEST(TableMenu, HomeAndEndMarkTheFirstAndTheLastItem) {
    const std::pair<const char*, const char*> keys[] = {
        {"key home", "40101"},
        {"key end", "40124"},
        {"key end\nkey home", "40101"},
        {"key down\nkey down\nkey end", "40124"},
    };
    for (const auto& [moves, result] : keys) {
        const ScriptRun done =
            run("", {"--clock", "10:00:00.000", "--lang", "en"},
                std::string(twoMoves) + "hold 100 200\n" + moves + "\nkey enter\n");
        const auto menus = eventsNamed(done, "menu");
        ASSERT_EQ(menus.size(), 1u) << done.result.output;
        expectFields(menus[0], std::string("/result=") + result);
    }
}

TEST(TableMenu, UndoesAndClosesWithThePenAndTheKeys) {
    const ScriptRun done = run("", {"--clock", "10:00:00.000", "--lang", "en"},
                               std::string(twoMoves) +
                                   // the first item, Undo, by keys; then Redo by the pen
                                   "hold 100 200\nkey down\nkey enter\nstate\n"
                                   "hold 100 40\ntap 110 30\nstate\n"
                                   // a tap outside closes it and does nothing else
                                   "hold 100 200\ntap 10 300\nstate\n");
    const auto states = eventsNamed(done, "state");
    const auto menus = eventsNamed(done, "menu");
    ASSERT_EQ(states.size(), 7u) << done.result.output;
    ASSERT_EQ(menus.size(), 3u);
    expectFields(menus[0], "/result=40101|/items/0/text=\"Undo\"");
    expectFields(menus[1], "/result=40102");
    expectFields(menus[2], "/result=0");
    EXPECT_EQ(states[4], states[2]);
    EXPECT_EQ(states[5], states[3]);
    EXPECT_EQ(states[6], states[3]);
}

} // namespace

namespace {

// Up from the menu's end to Deal number, past the opponents' items.
const std::string upToDealNumber = "key up\nkey up\nkey up\nkey up\nkey up\nkey up\n";

// Deal number: the code is typed over the shown one.
TEST(DealNumberDialog, ShowsTheCodeAndDealsAnotherRefusingATypo) {
    const ScriptRun other = run("type=4", {"--clock", "21:43:05.432"}, "deal\nstate\n");
    const std::string code = eventsNamed(other, "deal").at(0)["code"];
    std::string erase;
    for (int i = 0; i < 12; ++i) {
        erase += "key backspace\n";
    }
    std::string typo = code;
    typo[0] = typo[0] == 'A' ? 'B' : 'A';
    const ScriptRun done =
        run("", {"--clock", "10:00:00.000"},
            "deal\nhold 60 150\n" + upToDealNumber + "key enter\nstate\n" + erase + "type " + typo +
                "\nkey enter\n" + erase + "type " + code + "\nkey enter\nstate\ndeal\n");
    const auto states = eventsNamed(done, "state");
    const auto boxes = eventsNamed(done, "messagebox");
    const auto deals = eventsNamed(done, "deal");
    ASSERT_EQ(states.size(), 2u) << done.result.output;
    expectFields(states[0],
                 "/dialog/template=133|/dialog/controls/2/text=" + deals.at(0)["code"].dump());
    ASSERT_EQ(boxes.size(), 1u); // the typo, refused
    expectFields(eventsNamed(done, "dialog").at(0), "/template=133|/result=1");
    EXPECT_EQ(dealOf(states[1]), dealOf(other.events.back()));
    EXPECT_EQ(deals.at(1)["code"], code);
}

} // namespace

namespace {

// A game stopped in the middle goes on in the next run with --resume: the
// same state line, the same deal number, the same undo history. Without
// --resume a headless run deals afresh.
TEST(Resume, TheNextRunContinuesTheGameInProgress) {
    const std::string folder = makeScratchFolder();
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    const ScriptRun first = run("", {"--clock", "10:00:00.000", "--resume"},
                                "tap 4 143\nstate\ntap 100 110\nstate\ndeal\n");
    const ScriptRun again =
        run("", {"--clock", "17:00:00.000", "--resume"}, "state\ndeal\nkey ctrl+z\nstate\n");
    const ScriptRun fresh = run("", {"--clock", "17:00:00.000"}, "state\n");
    const ScriptRun freshAgain = run("", {"--clock", "17:00:00.000", "--resume"}, "state\n");
    unsetenv("XDG_STATE_HOME");
    std::filesystem::remove_all(folder);
    ASSERT_EQ(first.events.size(), 3u);
    ASSERT_EQ(again.events.size(), 3u) << again.result.output;
    ASSERT_NE(first.events[1], first.events[0]);
    EXPECT_EQ(again.events[0], first.events[1]);
    EXPECT_EQ(again.events[1], first.events[2]); // the deal and its history
    EXPECT_EQ(again.events[2], first.events[0]);
    EXPECT_NE(dealOf(fresh.events[0]), dealOf(first.events[1]));
    EXPECT_EQ(freshAgain.events[0], again.events[2]); // the undo was kept as well
}

} // namespace

namespace {

// A game stopped after an undo plays on in the next run exactly as in one
// run: the redo, the take after it (the computer draws from the talon) and
// the next lead, with the same deal number and history.
TEST(Resume, TheResumedGamePlaysOnAsIfNeverStopped) {
    const std::string folder = makeScratchFolder();
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    const std::string before = "tap 4 143\ntap 100 110\ntap 220 186\ntap 220 186\nkey ctrl+z\n";
    const std::string after =
        "key ctrl+y\nstate\ntap 220 186\nstate\ntap 4 143\ntap 100 110\nstate\ndeal\n";
    const ScriptRun whole = run("", {"--clock", "10:00:00.000"}, before + after);
    run("", {"--clock", "10:00:00.000", "--resume"}, before);
    const ScriptRun resumed = run("", {"--clock", "11:00:00.000", "--resume"}, after);
    unsetenv("XDG_STATE_HOME");
    std::filesystem::remove_all(folder);
    ASSERT_EQ(whole.events.size(), 4u) << whole.result.output;
    expectFields(whole.events[3], "/canRedo=0|/undone=1");
    EXPECT_EQ(resumed.events, whole.events);
}

// A kept game that does not read is left alone: the run deals afresh.
TEST(Resume, AKeptGameThatDoesNotReadIsLeftAlone) {
    const std::string folder = makeScratchFolder();
    std::filesystem::create_directories(folder + "/talonix");
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    const ScriptRun fresh = run("", {"--clock", "10:00:00.000"}, "state\n");
    for (const char* text : {"", "talonix-game 1\n1 0 500", "talonix-game 1\n9 9 9 9 9 9 9 9\n",
                             "talonix-game 2\n", "\xff\xfe garbage"}) {
        writeTextFile(folder + "/talonix/game.txt", text);
        const ScriptRun resumed = run("", {"--clock", "10:00:00.000", "--resume"}, "state\n");
        ASSERT_EQ(resumed.result.status, 0) << text;
        EXPECT_EQ(resumed.events.at(0), fresh.events.at(0)) << text;
    }
    unsetenv("XDG_STATE_HOME");
    std::filesystem::remove_all(folder);
}

} // namespace

namespace {

// Restart this deal, from the Menu key: the table as it was dealt.
TEST(TableMenu, RestartDealsTheSameDealAgain) {
    for (const char* settings : {"", "type=2", "type=5"}) {
        const ScriptRun done = run(settings, {"--clock", "13:14:15.160"},
                                   "state\ntap 4 143\ntap 100 110\nkey menu\n" + upToDealNumber +
                                       "key up\nkey enter\nstate\ndeal\n");
        const auto states = eventsNamed(done, "state");
        ASSERT_EQ(states.size(), 2u) << done.result.output;
        expectFields(eventsNamed(done, "menu").at(0), "/result=40103");
        EXPECT_EQ(dealOf(states[1]), dealOf(states[0])) << settings;
        expectFields(eventsNamed(done, "deal").at(0), "/canUndo=0|/canRedo=0");
    }
}

} // namespace
