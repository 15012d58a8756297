// SPDX-License-Identifier: MIT
// The computer's answer shown step by step: the frames a window would show
// (recorded by a headless run with TALONIX_FRAMES) bring the table's cards
// in one at a time, each in its place, and end on the very picture of a run
// that shows no steps. A press during the steps finishes them at once.
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "../support/golden_pictures.h"
#include "program_session.h"

namespace {

namespace fs = std::filesystem;
using golden_pictures::readPng;
using nlohmann::json;

struct Frames {
    RunResult run;
    std::vector<platform::Surface> pictures;
    std::vector<json> states;
    std::set<size_t> steps;
};

Frames recordRun(const std::string& clock, const std::string& script, int hurryAt = 0) {
    const std::string folder = makeScratchFolder();
    setenv("TALONIX_FRAMES", folder.c_str(), 1);
    setenv("TALONIX_FRAMES_HURRY", std::to_string(hurryAt).c_str(), 1);
    Frames frames;
    frames.run = runScript({"--clock", clock, "--registry", folder + "/s.reg"},
                           script + "shot " + folder + "/shot.png\n");
    unsetenv("TALONIX_FRAMES");
    unsetenv("TALONIX_FRAMES_HURRY");
    frames.states = eventsOf(readTextFile(folder + "/frames.jsonl"));
    for (size_t i = 0; i < frames.states.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "frame-%03zu.png", i);
        frames.pictures.emplace_back();
        EXPECT_TRUE(readPng(fs::path(folder) / name, frames.pictures.back())) << name;
    }
    std::istringstream steps(readTextFile(folder + "/steps.txt"));
    for (size_t step = 0; steps >> step;) {
        frames.steps.insert(step);
    }
    frames.pictures.emplace_back();
    EXPECT_TRUE(readPng(fs::path(folder) / "shot.png", frames.pictures.back()));
    return frames;
}

using CardKey = std::pair<int, int>;

std::vector<json> tableCards(const json& state) {
    std::vector<json> cards;
    for (const char* row : {"computerTableRow", "humanTableRow"}) {
        for (const json& card : state[row]["cards"]) {
            cards.push_back(card);
        }
    }
    return cards;
}

bool sameArea(const platform::Surface& a, const platform::Surface& b, int x, int y) {
    for (int dy = 0; dy < 20; ++dy) {
        for (int dx = 0; dx < 20; ++dx) {
            if (a.at(x + dx, y + dy) != b.at(x + dx, y + dy)) {
                return false;
            }
        }
    }
    return true;
}

bool samePicture(const platform::Surface& a, const platform::Surface& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

struct AnswerCase {
    const char* name;
    const char* clock;
    const char* script;
    size_t leastSteps;                // in the whole run
    const char* cardLaterInHumanHand; // a card shown on the table, then taken ("" for none)
};

class ComputerSteps : public ::testing::TestWithParam<AnswerCase> {};

// Each frame brings at most one new card to the table, drawn in its place;
// the last frame is the shot of the same point.
TEST_P(ComputerSteps, ShowEachCardInPlaceAndEndOnTheShot) {
    const AnswerCase& c = GetParam();
    const Frames frames = recordRun(c.clock, c.script);
    ASSERT_EQ(frames.run.status, 0) << frames.run.errors;
    const std::string plain = makeScratchFolder() + "/s.reg";
    EXPECT_EQ(frames.run.output,
              runScript({"--clock", c.clock, "--registry", plain}, c.script).output);
    ASSERT_GE(frames.steps.size(), c.leastSteps);
    const size_t last = frames.states.size() - 1;
    EXPECT_TRUE(samePicture(frames.pictures[last], frames.pictures.back()));
    std::set<CardKey> seenOnTable;
    for (size_t k = 1; k <= last; ++k) {
        int newCards = 0;
        for (const json& card : tableCards(frames.states[k])) {
            const CardKey key{card["suit"], card["rank"]};
            bool before = false;
            for (const json& old : tableCards(frames.states[k - 1])) {
                before = before || CardKey{old["suit"], old["rank"]} == key;
            }
            if (!before) {
                ++newCards;
                EXPECT_FALSE(
                    sameArea(frames.pictures[k], frames.pictures[k - 1], card["x"], card["y"]))
                    << "frame " << k << " does not show its new card";
            }
            seenOnTable.insert(key);
        }
        EXPECT_LE(newCards, frames.steps.count(k) == 1 || k == last ? 1 : 6) << "frame " << k;
    }
    if (*c.cardLaterInHumanHand != '\0') {
        const int suit = c.cardLaterInHumanHand[0] - '0';
        const int rank = std::atoi(c.cardLaterInHumanHand + 1);
        EXPECT_EQ(seenOnTable.count({suit, rank}), 1U);
        expectFields(frames.states[last],
                     "/status=\"Вы взяли 2 ,\\r\\n включая 1 дополнительно.\"");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ComputerSteps,
    ::testing::Values(AnswerCase{"ALeadTheComputerCovers", "10:00:00.000",
                                 "tap 4 143\ntap 100 110\n", 1, ""},
                      AnswerCase{"ATakeWithACardAdded", "10:00:09.000", "tap 220 186\n", 2, "46"},
                      AnswerCase{"ABoutEndsAndTheComputerLeads", "10:00:00.000",
                                 "tap 4 143\ntap 100 110\ntap 220 186\n", 4, ""}),
    [](const auto& each) { return std::string(each.param.name); });

// Input during the first step of the bout's end: the rest comes in one
// picture, the same as without steps, and the key that came is handled once.
TEST(ComputerStepsHurried, ByInputEndAtOnceOnTheSamePicture) {
    const std::string script = "tap 4 143\ntap 100 110\ntap 220 186\nkey l\n";
    const Frames full = recordRun("10:00:00.000", script);
    ASSERT_GE(full.steps.size(), 4U);
    const Frames hurried = recordRun("10:00:00.000", script, 2);
    ASSERT_EQ(hurried.run.status, 0) << hurried.run.errors;
    EXPECT_EQ(hurried.run.output, full.run.output);
    ASSERT_EQ(hurried.steps.size(), 2U);
    // After the step the input came in, the frames are those that follow
    // the last step of the full run: the final table, then the box.
    const size_t tail = full.pictures.size() - *full.steps.rbegin();
    ASSERT_EQ(hurried.pictures.size() - *hurried.steps.rbegin(), tail);
    for (size_t i = 1; i < tail; ++i) {
        EXPECT_TRUE(samePicture(hurried.pictures[hurried.pictures.size() - i],
                                full.pictures[full.pictures.size() - i]));
    }
    EXPECT_EQ(eventsOf(hurried.run.output).size(), 1U); // the last bout's box, once
}

// The table's menu on a window: each item marked by the keys is shown as
// it is marked, so the last frame is the shot of the open menu.
TEST(MenuFrames, ShowTheItemMarkedByTheKeys) {
    const Frames frames = recordRun("10:00:00.000", "hold 60 160\nkey down\nkey down\n");
    ASSERT_GE(frames.pictures.size(), 2U);
    EXPECT_TRUE(samePicture(frames.pictures[frames.pictures.size() - 2], frames.pictures.back()));
}

struct BoutCase {
    const char* clock;
    const char* language;
    const char* settings; // "" for none
    const char* script;   // any state line in it must show `table`
    const char* table;
    const char* text;
};

class LastBout : public ::testing::TestWithParam<BoutCase> {};

// The key L shows the bout that ended last: the pairs in the order played,
// each attack with the card that beat it wherever the table laid it, the
// cards of a transfer, the card thrown in to the taker, the discard or the
// take.
TEST_P(LastBout, IsShownByTheKey) {
    const BoutCase& c = GetParam();
    const std::string folder = makeScratchFolder();
    writeTextFile(folder + "/s.reg", settingsText(c.settings));
    const RunResult run = runScript(
        {"--clock", c.clock, "--lang", c.language, "--registry", folder + "/s.reg"}, c.script);
    std::vector<json> boxes; // plain boxes: not the transfer question
    size_t states = 0;
    for (const json& event : eventsOf(run.output)) {
        if (event["event"] == "state") {
            ++states;
            expectFields(event, c.table);
        } else if (event["style"] == 0) {
            boxes.push_back(event);
        }
    }
    EXPECT_EQ(states, *c.table == '\0' ? 0U : 1U);
    ASSERT_EQ(boxes.size(), 1U) << run.output;
    EXPECT_EQ(boxes[0]["text"], c.text);
}

// After a transfer the two cards are covered at once: the defence lies in
// hand order, a king over the six of clubs it does not beat.
constexpr const char* TRANSFER_COVERED = "tap 4 143\ntap 100 110\nstate\ntap 220 186\nkey l\n";
constexpr const char* KING_OVER_CLUBS =
    "/humanTableRow/cards/0/suit=3|/humanTableRow/cards/0/rank=6|"
    "/computerTableRow/cards/0/suit=4|"
    "/computerTableRow/cards/0/rank=13";
// The computer transfers the seven of spades, and the human covers both
// sevens at once, the seven of hearts picked first.
constexpr const char* COVER_BOTH = "tap 4 143\ntap 100 110\ntap 4 143\ntap 116 143\ntap 100 110\n"
                                   "key l\n";

INSTANTIATE_TEST_SUITE_P(
    Bouts, LastBout,
    ::testing::Values(
        // nothing before a bout has ended
        BoutCase{"10:00:00.000", "ru", "",
                 "key l\ntap 4 143\ntap 100 110\nkey l\ntap 220 186\nkey l\n", "",
                 "Ходили вы.\r\n7п – Дп\r\nБито."},
        BoutCase{"10:00:00.000", "en", "", "tap 4 143\ntap 100 110\ntap 220 186\nkey l\n", "",
                 "You attacked.\r\n7S – QS\r\nDiscarded."},
        BoutCase{"10:00:09.000", "ru", "", "tap 220 186\nkey l\n", "",
                 "Ходил КПК.\r\n6б\r\nПодкинуто: 6п\r\nВы взяли: 6б 6п"},
        BoutCase{"10:00:29.000", "ru", "type=1", TRANSFER_COVERED, KING_OVER_CLUBS,
                 "Ходил КПК.\r\n6т – 6ч\r\n6п – Кп\r\nПереведено: 6п\r\nБито."},
        BoutCase{"10:00:29.000", "en", "type=1", TRANSFER_COVERED, KING_OVER_CLUBS,
                 "The PDA attacked.\r\n6C – 6H\r\n6S – KS\r\nTransferred: 6S\r\nDiscarded."},
        BoutCase{"10:00:14.000", "ru", "type=1", COVER_BOTH, "",
                 "Ходили вы.\r\n7п – Кп\r\n7т – 7ч\r\nПереведено: 7т\r\nБито."},
        BoutCase{"10:00:14.000", "en", "type=1", COVER_BOTH, "",
                 "You attacked.\r\n7S – KS\r\n7C – 7H\r\nTransferred: 7C\r\nDiscarded."},
        // a throw-in after a cover is no transfer
        BoutCase{"10:00:00.000", "ru", "type=1",
                 "tap 4 143\ntap 100 110\ntap 4 143\ntap 100 110\ntap 220 186\nkey l\n", "",
                 "Ходили вы.\r\n7п – Дп\r\n7т\r\nКПК взял: 7п Дп 7т"}));

// --pace is kept, checked in the menu, and changed there.
TEST(Pace, IsKeptAndChosenInTheMenu) {
    const std::string settings = makeScratchFolder() + "/s.reg";
    const RunResult run = runScript({"--pace", "0", "--registry", settings},
                                    "key menu\nkey escape\nkey menu\nkey home\nkey down\n"
                                    "key down\nkey enter\nkey menu\nkey escape\n");
    const std::vector<json> menus = eventsOf(run.output);
    ASSERT_EQ(menus.size(), 3U) << run.output;
    expectFields(menus[0], "/items/4/flags=8|/items/5/flags=0|/items/6/flags=0");
    expectFields(menus[1], "/result=40113");
    expectFields(menus[2], "/items/4/flags=0|/items/6/flags=8");
    EXPECT_NE(readTextFile(settings).find("\"pace\"=dword:00000002"), std::string::npos);
}

} // namespace
