// Golden screenshots: scripted headless runs of the program with a fixed
// clock, each `shot` compared pixel by pixel with a PNG kept in
// tests/data/golden. TALONIX_UPDATE_GOLDENS=1 writes the PNGs instead of
// comparing (see docs/testing.md); a mismatching shot is written under
// golden-actual/ beside the program in the build folder.
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "png_reader.h"
#include "program_session.h"

namespace {

namespace fs = std::filesystem;

using StateCheck = std::function<void(const nlohmann::json&)>;

// Script lines, then a shot compared with the golden of that name. The check
// looks at the state line written just before the shot, so that a change of
// the game flow reads as such and not as a mysterious picture.
struct Step {
    std::string lines; // separated by ';'
    std::string golden;
    StateCheck check = [](const nlohmann::json&) {};
};

struct GoldenRun {
    std::map<std::string, uint32_t> settings;
    std::vector<Step> steps;
    std::string clock = "10:20:30.400";
};

bool updatingGoldens() {
    const char* value = std::getenv("TALONIX_UPDATE_GOLDENS");
    return value != nullptr && std::string(value) == "1";
}

fs::path goldenPath(const std::string& name) {
    return fs::path(TALONIX_TEST_DATA) / "golden" / (name + ".png");
}

fs::path mismatchPath(const std::string& name) {
    return fs::path(TALONIX_BINARY).parent_path() / "golden-actual" / (name + ".png");
}

std::string settingsText(const std::map<std::string, uint32_t>& settings) {
    std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";
    for (const auto& [name, value] : settings) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x", value);
        text += "\"" + name + "\"=dword:" + digits + "\n";
    }
    return text;
}

std::string scriptLines(const std::string& lines) {
    std::string script;
    std::istringstream parts(lines);
    std::string line;
    while (std::getline(parts, line, ';')) {
        if (!line.empty()) {
            script += line + "\n";
        }
    }
    return script;
}

std::vector<nlohmann::json> stateLines(const std::string& output) {
    std::vector<nlohmann::json> states;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const nlohmann::json event = nlohmann::json::parse(line, nullptr, false);
        if (event.is_object() && event.value("event", "") == "state") {
            states.push_back(event);
        }
    }
    return states;
}

// Pixels where the two pictures differ, with the first one described.
int64_t countDifferences(const platform::Surface& actual, const platform::Surface& expected,
                         std::string& first) {
    if (actual.width != expected.width || actual.height != expected.height) {
        first = "size " + std::to_string(actual.width) + "x" + std::to_string(actual.height) +
                " instead of " + std::to_string(expected.width) + "x" +
                std::to_string(expected.height);
        return static_cast<int64_t>(expected.pixels.size());
    }
    int64_t count = 0;
    for (int32_t y = 0; y < actual.height; ++y) {
        for (int32_t x = 0; x < actual.width; ++x) {
            if (actual.at(x, y) != expected.at(x, y) && count++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "first at %d,%d: %06X instead of %06X", x, y,
                              actual.at(x, y), expected.at(x, y));
                first = text;
            }
        }
    }
    return count;
}

void compareWithGolden(const fs::path& shot, const std::string& name) {
    platform::Surface actual;
    ASSERT_TRUE(readPng(shot.string(), actual)) << "no shot was written for " << name;
    if (updatingGoldens()) {
        fs::create_directories(goldenPath(name).parent_path());
        fs::copy_file(shot, goldenPath(name), fs::copy_options::overwrite_existing);
        return;
    }
    platform::Surface expected;
    ASSERT_TRUE(readPng(goldenPath(name).string(), expected))
        << "missing golden " << goldenPath(name)
        << "; run with TALONIX_UPDATE_GOLDENS=1 to make it";
    std::string first;
    const int64_t differences = countDifferences(actual, expected, first);
    if (differences != 0) {
        fs::create_directories(mismatchPath(name).parent_path());
        fs::copy_file(shot, mismatchPath(name), fs::copy_options::overwrite_existing);
        ADD_FAILURE() << name << ": " << differences << " pixels differ from " << goldenPath(name)
                      << " (" << first << "); the actual screen is in " << mismatchPath(name);
    }
}

class GoldenScreenTest : public ::testing::Test {
  protected:
    void SetUp() override { folder = makeScratchFolder(); }
    void TearDown() override { fs::remove_all(folder); }

    // Runs the steps in one program run and returns the shots' paths.
    std::vector<fs::path> runShots(const GoldenRun& run) {
        const std::string settings = folder + "/settings.reg";
        writeTextFile(settings, settingsText(run.settings));
        std::string script;
        std::vector<fs::path> shots;
        for (size_t i = 0; i < run.steps.size(); ++i) {
            shots.push_back(fs::path(folder) / ("shot" + std::to_string(i) + ".png"));
            script +=
                scriptLines(run.steps[i].lines) + "state\nshot " + shots.back().string() + "\n";
        }
        const RunResult result = runScript({"--clock", run.clock, "--registry", settings}, script);
        EXPECT_EQ(result.status, 0);
        const std::vector<nlohmann::json> states = stateLines(result.output);
        EXPECT_EQ(states.size(), run.steps.size());
        for (size_t i = 0; i < run.steps.size() && i < states.size(); ++i) {
            SCOPED_TRACE("before the shot " + run.steps[i].golden);
            run.steps[i].check(states[i]);
        }
        return shots;
    }

    void expectGoldens(const GoldenRun& run) {
        const std::vector<fs::path> shots = runShots(run);
        for (size_t i = 0; i < run.steps.size(); ++i) {
            compareWithGolden(shots[i], run.steps[i].golden);
        }
    }

    // The one shot of the run shows exactly what the named golden shows.
    void expectSameAsGolden(const GoldenRun& run, const std::string& name) {
        ASSERT_EQ(run.steps.size(), 1u);
        const std::vector<fs::path> shots = runShots(run);
        platform::Surface actual;
        platform::Surface expected;
        ASSERT_TRUE(readPng(shots[0].string(), actual));
        ASSERT_TRUE(readPng(goldenPath(name).string(), expected))
            << "missing golden " << goldenPath(name);
        std::string first;
        EXPECT_EQ(countDifferences(actual, expected, first), 0) << first;
    }

    std::string folder;
};

int cardCountOf(const nlohmann::json& state, const char* row) {
    return static_cast<int>(state[row]["cards"].size());
}

// A human who attacks with the lowest card, covers with the lowest card
// that beats, takes or says ok otherwise, recorded with this clock; each
// stops where its shot is taken.
const char* const untilOnlyTheTrumpIsLeft =
    "tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 220 186;tap 4 143;tap 100 110;"
    "tap 220 186;tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 32 143;tap 100 110;"
    "tap 220 186;tap 60 143;tap 100 110;tap 60 143;tap 100 110;tap 220 186;tap 4 143;"
    "tap 100 110;tap 32 143;tap 100 110;tap 220 186;tap 4 143;tap 100 110;tap 4 143;"
    "tap 100 110;tap 220 186;tap 60 143;tap 100 110;tap 60 143;tap 100 110;tap 4 143;"
    "tap 100 110;tap 220 186;tap 220 186;tap 18 143;tap 100 110;tap 4 143;tap 100 110;"
    "tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 220 186;"
    "tap 32 143;tap 100 110;tap 220 186";
const char* const untilTheTrumpIsDealt = "tap 60 143;tap 100 110;tap 116 143;tap 100 110;"
                                         "tap 220 186;tap 88 143;tap 100 110;tap 102 143;"
                                         "tap 100 110";
const char* const untilTheJapaneseTalonIsEmpty =
    "tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 32 143;"
    "tap 100 110;tap 220 186;tap 4 143;tap 100 110;tap 220 186;tap 32 143;tap 100 110;"
    "tap 116 143;tap 100 110;tap 220 186;tap 102 143;tap 100 110;tap 4 143;tap 100 110;"
    "tap 220 186;tap 88 143;tap 100 110;tap 4 143;tap 100 110;tap 4 143;tap 100 110;"
    "tap 60 143;tap 100 110;tap 60 143;tap 100 110;tap 220 186;tap 4 143;tap 100 110;"
    "tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 220 186;tap 144 143;tap 100 110;"
    "tap 32 143;tap 100 110;tap 32 143;tap 100 110;tap 220 186;tap 4 143;tap 100 110;"
    "tap 60 143;tap 100 110;tap 220 186";
const char* const untilAThrowInAfterACover =
    "tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 4 143;tap 100 110;tap 32 143;"
    "tap 100 110;tap 220 186;tap 4 143;tap 100 110;tap 220 186;tap 32 143;tap 100 110";

TEST_F(GoldenScreenTest, FirstDealOfThrownUpBulkAndJapanese) {
    expectGoldens({{{"type", 0}}, {{"", "first_deal_type0", [](const nlohmann::json& state) {
                                        EXPECT_EQ(state["trumpCard"]["hidden"], 0)
                                            << "trump under the talon";
                                        EXPECT_EQ(state["computerAttacks"], 0);
                                    }}}});
    expectGoldens({{{"type", 2}}, {{"", "first_deal_type2", [](const nlohmann::json& state) {
                                        EXPECT_EQ(state["trumpCard"]["hidden"], 1)
                                            << "the suit mark shows";
                                        EXPECT_EQ(cardCountOf(state, "humanHand"), 18);
                                    }}}});
    expectGoldens({{{"type", 4}}, {{"", "first_deal_type4", [](const nlohmann::json& state) {
                                        EXPECT_EQ(state["computerAttacks"], 1);
                                        EXPECT_EQ(cardCountOf(state, "computerTableRow"), 1);
                                    }}}});
}

TEST_F(GoldenScreenTest, SelectedCardIsANegative) {
    expectGoldens({{{"type", 0}}, {{"tap 4 143", "selected_card", [](const nlohmann::json& state) {
                                        EXPECT_EQ(state["humanHand"]["cards"][0]["selected"], 1);
                                    }}}});
}

TEST_F(GoldenScreenTest, CoveredAttacks) {
    expectGoldens(
        {{{"type", 0}},
         {{"tap 4 143;tap 100 110", "covered_human_attacks", [](const nlohmann::json& state) {
               EXPECT_EQ(state["computerAttacks"], 0);
               EXPECT_EQ(cardCountOf(state, "humanTableRow"), 1);
               EXPECT_EQ(cardCountOf(state, "computerTableRow"), 1) << "covered";
           }}}});
    expectGoldens(
        {{{"type", 4}},
         {{untilAThrowInAfterACover, "covered_computer_attacks", [](const nlohmann::json& state) {
               EXPECT_EQ(state["computerAttacks"], 1);
               EXPECT_EQ(cardCountOf(state, "humanTableRow"), 1);
               EXPECT_EQ(cardCountOf(state, "computerTableRow"), 2);
           }}}});
}

TEST_F(GoldenScreenTest, PressedButtonsShowInTheInverseColour) {
    expectGoldens({{{"type", 0}},
                   {{"down 220 136", "pressed_sort_button",
                     [](const nlohmann::json& state) { EXPECT_EQ(state["buttonPressed"], 1); }}}});
    expectGoldens({{{"type", 0}},
                   {{"tap 4 143;tap 100 110;down 220 186", "pressed_action_button",
                     [](const nlohmann::json& state) {
                         EXPECT_EQ(state["buttonPressed"], 1);
                         EXPECT_EQ(state["computerAttacks"], 1) << "the take face";
                     }}}});
}

TEST_F(GoldenScreenTest, TalonCountOnTheFirstDeal) {
    expectGoldens({{{"type", 0}, {"cidc", 1}},
                   {{"", "talon_count_type0", [](const nlohmann::json& state) {
                         EXPECT_EQ(state["remaining"], 23) << "shown as 24 with the trump";
                     }}}});
    expectGoldens({{{"type", 4}, {"cidc", 1}},
                   {{"", "talon_count_type4",
                     [](const nlohmann::json& state) { EXPECT_EQ(state["remaining"], 24); }}}});
    // Bulk deals the trump card at once: no count, the same screen as without.
    expectSameAsGolden({{{"type", 2}, {"cidc", 1}}, {{"", "first_deal_type2"}}},
                       "first_deal_type2");
}

TEST_F(GoldenScreenTest, OnlyTheTrumpLeftThenTheSuitMark) {
    GoldenRun run{{{"type", 0}, {"cidc", 1}},
                  {{untilOnlyTheTrumpIsLeft, "talon_count_trump_left",
                    [](const nlohmann::json& state) {
                        EXPECT_EQ(state["remaining"], 0);
                        EXPECT_EQ(state["trumpCard"]["hidden"], 0) << "shown as 1";
                        EXPECT_EQ(state["lastWinner"], -1);
                    }},
                   {untilTheTrumpIsDealt, "suit_mark_trump_dealt",
                    [](const nlohmann::json& state) {
                        EXPECT_EQ(state["trumpCard"]["hidden"], 1) << "mark, and no count";
                        EXPECT_EQ(state["lastWinner"], -1);
                    }}},
                  "10:20:31.000"};
    expectGoldens(run);
}

TEST_F(GoldenScreenTest, JapaneseCountShowsZeroOnceTheTalonIsEmpty) {
    expectGoldens({{{"type", 4}, {"cidc", 1}},
                   {{untilTheJapaneseTalonIsEmpty, "talon_count_japanese_empty",
                     [](const nlohmann::json& state) {
                         EXPECT_EQ(state["remaining"], 0);
                         EXPECT_EQ(state["lastWinner"], -1);
                     }}}});
}

// Backs show on the computer's hand and the talon; the first pair is the
// first deal of type 0.
TEST_F(GoldenScreenTest, EveryTableColourAndCardBack) {
    for (uint32_t index = 1; index < 5; ++index) {
        const std::string name = "table_colour_and_back_" + std::to_string(index);
        SCOPED_TRACE(name);
        expectGoldens({{{"type", 0}, {"blackbg", index}, {"back", index}},
                       {{"", name, [index](const nlohmann::json& state) {
                             EXPECT_EQ(state["tableColourIndex"], index);
                             EXPECT_EQ(state["cardBackIndex"], index);
                         }}}});
    }
}

// A settings file edited by hand: values past the tables paint the first
// colour and the first back.
TEST_F(GoldenScreenTest, OutOfRangeColourAndBackPaintTheFirstOnes) {
    for (uint32_t value : {5u, 9u, 0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u}) {
        SCOPED_TRACE("value " + std::to_string(value));
        expectSameAsGolden(
            {{{"type", 0}, {"blackbg", value}, {"back", value}},
             {{"", "out_of_range",
               [](const nlohmann::json& state) { EXPECT_NE(state["cardBackIndex"], 0); }}}},
            "first_deal_type0");
    }
}

} // namespace
