// SPDX-License-Identifier: MIT
// Golden screenshots: scripted headless runs of the program with a fixed
// clock, each `shot` compared pixel by pixel with a PNG kept in
// tests/data/golden. TALONIX_UPDATE_GOLDENS=1 writes the PNGs instead of
// comparing (see docs/testing.md); a mismatching shot is written under
// golden-actual/ in the folder the test runs in.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/raster/surface.h"
#include "program_session.h"
#include "support/golden_pictures.h"

namespace {

namespace fs = std::filesystem;

// Script lines, then a shot compared with the golden picture. The fields
// are checked on the state line written just before the shot, so that a
// change of the game flow reads as such and not as a mysterious picture. A
// case named otherwise than its golden must show the same picture and never
// rewrites it.
struct GoldenCase {
    std::string name;
    std::string settings; // "type=0 cidc=1"
    std::string lines;    // separated by ';'
    std::string fields;
    std::string clock = "10:20:30.400";
    std::string golden = ""; // "" for the case's name
};

// A case named otherwise than its golden only compares; its mismatch is kept
// under the case's name.
void compareWithGolden(const fs::path& shot, const std::string& name, const std::string& label) {
    platform::Surface actual;
    ASSERT_TRUE(golden_pictures::readPng(shot, actual)) << "no shot was written for " << name;
    golden_pictures::expectGolden(actual, name, label);
}

// The moves of a human who attacks with the lowest card, covers with the
// lowest card that beats, takes or says ok otherwise: a number selects the
// card at that x and plays it, "b" presses the action button.
std::string moves(const std::string& list) {
    std::istringstream words(list);
    std::string script;
    for (std::string word; words >> word;) {
        script += word == "b" ? ";tap 220 186" : ";tap " + word + " 143;tap 100 110";
    }
    return script.substr(1);
}

// Recorded with the clock given; each stops where its shot is taken.
const std::string trumpLeft =
    moves("4 4 b 4 b 4 4 32 b 60 60 b 4 32 b 4 4 b 60 60 4 b b 18 4 4 4 4 b 32 b");
const std::string japaneseTalonEmpty =
    moves("4 4 4 32 b 4 b 32 116 b 102 4 b 88 4 4 60 60 b 4 4 4 b 144 32 32 b 4 60 b");
const GoldenCase singleShots[] = {
    {"first_deal_type0", "type=0", "", "/trumpCard/hidden=0|/computerAttacks=0"},
    {"first_deal_type2", "type=2", "", "/trumpCard/hidden=1|humanHandCount=18"},
    {"first_deal_type4", "type=4", "", "/computerAttacks=1|computerTableRowCount=1"},
    {"selected_card", "type=0", "tap 4 143", "/humanHand/cards/0/selected=1"},
    {"covered_human_attacks", "type=0", moves("4"),
     "/computerAttacks=0|humanTableRowCount=1|computerTableRowCount=1"},
    {"covered_computer_attacks", "type=4", moves("4 4 4 32 b 4 b 32"),
     "/computerAttacks=1|humanTableRowCount=1|computerTableRowCount=2"},
    {"pressed_sort_button", "type=0", "down 220 136", "/buttonPressed=1"},
    {"pressed_action_button", "type=0", moves("4") + ";down 220 186",
     "/buttonPressed=1|/computerAttacks=1"},
    {"talon_count_type0", "type=0 cidc=1", "", "/remaining=23"},
    {"talon_count_type4", "type=4 cidc=1", "", "/remaining=24"},
    // Bulk deals the trump card at once: no count, the same screen as without.
    {"talon_count_type2", "type=2 cidc=1", "", "/remaining=0", "10:20:30.400", "first_deal_type2"},
    {"talon_count_trump_left", "type=0 cidc=1", trumpLeft,
     "/remaining=0|/trumpCard/hidden=0|/lastWinner=-1", "10:20:31.000"},
    {"suit_mark_trump_dealt", "type=0 cidc=1", trumpLeft + ";" + moves("60 116 b 88 102"),
     "/trumpCard/hidden=1|/lastWinner=-1", "10:20:31.000"},
    {"talon_count_japanese_empty", "type=4 cidc=1", japaneseTalonEmpty,
     "/remaining=0|/lastWinner=-1"}};

// Shots along one script, each case running it up to its own shot.
using Step = std::array<std::string, 3>; // lines, golden, fields
void along(std::vector<GoldenCase>& cases, const char* settings, const std::vector<Step>& steps) {
    std::string lines;
    for (const auto& [step, name, fields] : steps) {
        lines += (lines.empty() ? "" : ";") + step;
        cases.push_back({name, settings, lines, fields});
    }
}

// The dialogs in Russian, and what the English ones do not show: Options as
// it opens, with every control changed and with its list of variants open;
// the rules at the top and scrolled to the end (the scroll bar's thumb at
// each end).
void addDialogCases(std::vector<GoldenCase>& cases) {
    const std::string optionsSet = "check 1011 1;check 1008 1;check 1014 1;select 1003 2;"
                                   "select 1006 3;select 1015 4";
    along(cases, "",
          {{"key ctrl+o", "options", "/dialog/template=130"},
           {optionsSet, "options_set", "/dialog/template=130"},
           {"tap 200 136", "options_variants_open", "/gameType=0"},
           {"key escape;press 2;key ctrl+t", "statistics", "/dialog/template=131"},
           {"press 2;key f1", "rules", "/rulesLanguage=1"},
           {"key end", "rules_end", "/rulesLanguage=1"},
           {"press 2;down 10 10", "tooltip", "/dialog=null"}});
    along(cases, "lang=1",
          {{"key ctrl+o;" + optionsSet, "english_options_set", "/dialog/template=130"},
           {"tap 200 136", "english_options_variants_open", "/gameType=0"},
           {"key escape;press 2;key f1;key end", "english_rules_end", "/rulesLanguage=0"}});
}

std::vector<GoldenCase> goldenCases() {
    std::vector<GoldenCase> cases(std::begin(singleShots), std::end(singleShots));
    // The English table with a status text, each dialog, a tooltip held under
    // the pen and the take face; the keyboard's focus mark on the third card
    // (the first Right brings it to the first), moved with the hand as the
    // card before it is played, gone after a tap.
    along(cases, "lang=1",
          {{"tap 100 110", "english_table_status", "/status=\"Please select cards!\""},
           {"command 40014", "english_options", "/dialog/template=130"},
           {"press 2;command 40015", "english_statistics", "/dialog/template=131"},
           {"press 2;key f1", "english_rules", "/dialog/template=132|/rulesLanguage=0"},
           {"press 2;down 10 10", "english_tooltip", "/dialog=null"},
           {"up 10 10;" + moves("4") + ";down 220 186", "english_take_pressed",
            "/buttonPressed=1|/computerAttacks=1"}});
    addDialogCases(cases);
    along(cases, "",
          {{"key right;key right;key right", "focus_mark_third_card",
            "/humanHand/cards/2/selected=0"},
           {"key home;key space;key enter", "focus_mark_after_a_lead", "humanTableRowCount=1"},
           {"tap 150 60", "focus_mark_hidden_by_a_tap", "humanHandCount=5"}});
    // The table's menu: opened by the pen over a bout, in English with an
    // item marked by the keys, and opened near the corner (moved to fit).
    along(cases, "", {{"tap 4 143;tap 100 110;hold 60 160", "menu_open", "humanTableRowCount=1"}});
    along(
        cases, "lang=1",
        {{"hold 60 160;key down;key down;key down", "english_menu_marked", "humanTableRowCount=0"},
         {"key escape;hold 239 319", "menu_in_the_corner", "humanTableRowCount=0"}});
    // The deal number dialog, opened from the menu, with the deal's code.
    const std::string dealNumber = "hold 60 150;key up;key up;key up;key up;key up;key up;"
                                   "key enter";
    along(cases, "", {{dealNumber, "deal_number", "/dialog/template=133"}});
    along(cases, "lang=1", {{dealNumber, "english_deal_number", "/dialog/template=133"}});
    // Backs show on the computer's hand and the talon; the first pair is the
    // first deal of type 0.
    for (const std::string value : {"1", "2", "3", "4"}) {
        cases.push_back({"table_colour_and_back_" + value,
                         "type=0 blackbg=" + value + " back=" + value, "",
                         "/tableColourIndex=" + value + "|/cardBackIndex=" + value});
    }
    // A settings file edited by hand: values past the tables paint the first
    // colour and the first back.
    for (const auto& [stored, read] : {std::pair{"5", "5"},
                                       {"9", "9"},
                                       {"0x7FFFFFFF", "2147483647"},
                                       {"0xFFFFFFFF", "-1"},
                                       {"0x80000000", "-2147483648"}}) {
        cases.push_back({std::string("out_of_range_") + stored,
                         std::string("type=0 blackbg=") + stored + " back=" + stored, "",
                         std::string("/tableColourIndex=") + read + "|/cardBackIndex=" + read,
                         "10:20:30.400", "first_deal_type0"});
    }
    return cases;
}

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

class GoldenScreenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenScreenTest, ShotMatchesItsGolden) {
    const GoldenCase& c = GetParam();
    const std::string folder = makeScratchFolder();
    const std::string settings = folder + "/settings.reg";
    writeTextFile(settings, settingsText(c.settings));
    const fs::path shot = fs::path(folder) / "shot.png";
    std::string script = c.lines.empty() ? "" : c.lines + ";";
    std::replace(script.begin(), script.end(), ';', '\n');
    // Blanks round the file name are not part of it.
    const RunResult result = runScript({"--clock", c.clock, "--registry", settings},
                                       script + "state\nshot \t" + shot.string() + " \t\n");
    EXPECT_EQ(result.status, 0);
    std::vector<nlohmann::json> states = eventsOf(result.output);
    std::erase_if(states, [](const auto& event) {
        return !event.is_object() || event.value("event", "") != "state";
    });
    ASSERT_EQ(states.size(), 1u);
    expectFields(states[0], c.fields);
    compareWithGolden(shot, c.golden.empty() ? c.name : c.golden, c.name);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(, GoldenScreenTest, ::testing::ValuesIn(goldenCases()),
                         [](const auto& item) { return item.param.name; });

} // namespace
