// SPDX-License-Identifier: MIT
// The pen on the table: what taps, double taps and presses of the buttons do
// from a chosen position, each case read back as the fields it changes.
#include <cctype>
#include <map>

#include "game/table_fixture.h"
#include "window/table_layout.h"

using namespace table_test;

namespace {

// Before the pen: "attacks N", "doubletap N", "throwin N", "atlead N",
// "select CARDS", "status TEXT". The pen: "tap", "down", "up", "dbl" (down,
// up, double click, up) or "dblclk" at X Y or on a card of the hand.
struct PenCase {
    const char* name;
    Position position;
    const char* input;    // steps separated by ';'
    const char* expected; // "field=value|..." of the fields read back
};

const Position humanLeads{.computerHand = "7C 8C 9C TC JC QC", .humanHand = "6C 6S 7S 8S 9S TS"};
const Position coverLies{
    .computerHand = "6D 8D 9D TS", .humanHand = "6S 7S", .computerTable = "9C", .humanTable = "8C"};
const Position oneAttack{.computerHand = "6D 8D", .humanHand = "7S 8S 9S", .computerTable = "6S"};
const Position twoAttacks{
    .computerHand = "6D 8D", .humanHand = "7S 8S 9S TS", .computerTable = "6S 6C"};
const Position twoAttacksOneCovered{.computerHand = "6D 8D",
                                    .humanHand = "7S 8S 9S TS",
                                    .computerTable = "6S 6C",
                                    .humanTable = "TC"};
const Position toTake{.computerHand = "KC AC QD", .humanHand = "6S 8S", .computerTable = "7C"};
const Position lastCard{.type = 4, .computerHand = "6S 7S", .humanHand = "8C", .talon = 0};
const Position throwIn{.computerHand = "6D 8D 9D TS", .humanHand = "7S 7H KS", .humanTable = "7C"};
const PenCase penCases[] = {
    {"PlayAreaEndsBeforeColumn200", humanLeads, "select 6C;tap 200 140", "mine=|theirs="},
    {"PlayAreaCornerPlays", humanLeads, "select 6C;tap 199 140", "mine=6C|theirs=QC|sel="},
    {"PlayAreaNearCornerPlays", humanLeads, "select 6C;tap 2 94", "mine=6C"},
    {"PlayAreaStartsAtRow94", humanLeads, "select 6C;tap 100 93", "mine="},
    {"ButtonMissedByOneColumn", coverLies, "down 237 202", "button=0|mine=8C"},
    {"ButtonFarCornerEndsTheBout", coverLies, "down 236 202", "button=1|mine=|attacks=1"},
    {"ButtonNearCornerEndsTheBout", coverLies, "down 204 170", "button=1|mine="},
    {"ButtonMissedByOneRowOrColumn", coverLies, "down 203 170;down 236 203", "button=0|mine=8C"},
    {"ButtonRisesWithThePen", coverLies, "down 236 202;up 236 202", "button=0"},
    {"TapOnNothingClearsTheStatus", humanLeads, "status Ваш ход!;tap 220 300",
     "status=(none)|repaint=statusRect"},
    {"TapOnNothingWithoutStatusRepaintsNothing", humanLeads, "tap 220 300", "repaint=|sel="},
    {"EmptyPlayAsksForCards", humanLeads, "status Ок. Ваш ход!;tap 100 110",
     "status=   Пожалуйста выберите карты!|mine="},
    {"OneAttackKeepsOneSelected", oneAttack, "attacks 1;tap 7S;tap 8S", "sel=8S"},
    {"TappingTheSelectedCardDeselects", oneAttack, "attacks 1;tap 7S;tap 8S;tap 8S", "sel="},
    {"TwoAttacksToggleEachCard", twoAttacks, "attacks 1;tap 7S;tap 8S;tap 9S;tap 8S", "sel=7S 9S"},
    {"OnceACoverLiesOneIsSelected", twoAttacksOneCovered, "attacks 1;tap 7S;tap 8S", "sel=8S"},
    {"ButtonTakesWhileTheComputerAttacks", toTake, "attacks 1;atlead 6;tap 220 186",
     "hand=6S 7C 8D 8C 8S AS|status=Вы взяли 1 |attacks=1"},
    {"ButtonRunsOnlyOneOperation", coverLies, "tap 220 186", "attacks=1|handSize=6|theirs=6D"},
    {"ButtonIsDrawnPressedBeforeItsOperation", coverLies, "down 220 186", "repaint=204,170"},
    {"PenLiftedAwayLeavesTheButtonsPressed", humanLeads, "down 220 136;up 100 300",
     "button=1|sort=1"},
    {"PenLiftedOnTheButtonReleasesThem", humanLeads, "down 220 136;up 100 300;up 220 136",
     "button=0|sort=1"},
    {"AWinStartsTheNextGameUnderTheSamePen", lastCard, "select 8C;tap 100 110",
     "msgs=Вы победили!|handSize=6|sel=|status=Ваш ход!"},
    {"DoubleTapWithTheOptionOffSelects", humanLeads, "dbl 6C", "sel=6C|mine="},
    {"DoubleTapPlaysThatCardAlone", humanLeads, "doubletap 1;select TS;dbl 6C",
     "mine=6C|sel=|theirs=QC"},
    {"DoubleTapOnNothingClearsTheStatus", humanLeads,
     "doubletap 1;select 6C;status x;dblclk 100 110", "status=(none)|mine="},
    {"DoubleTapThrowsIn", throwIn, "doubletap 1;throwin 3;dblclk 7S",
     "mine=7C 7S|throwIn=2|theirs="},
};

class PenInputTest : public TableTest, public ::testing::WithParamInterface<PenCase> {
  protected:
    static LPARAM at(std::istringstream& words) {
        std::string first;
        words >> first;
        if (first.size() == 2 && !std::isdigit(static_cast<unsigned char>(first[1]))) {
            return pointOnHandCard(first);
        }
        int32_t y = 0;
        words >> y;
        return point(std::stoi(first), y);
    }

    static void run(const std::string& input) {
        std::istringstream steps(input);
        std::string step;
        while (std::getline(steps, step, ';')) {
            std::istringstream words(step);
            std::string verb;
            std::string rest;
            words >> verb;
            std::getline(words >> std::ws, rest);
            const std::map<std::string, int32_t*> values = {{"attacks", &computerAttacks},
                                                            {"doubletap", &doubleTapPlays},
                                                            {"throwin", &throwInAllowance},
                                                            {"atlead", &humanHandAtLead}};
            if (verb == "select") {
                selectCards(humanHand, rest);
            } else if (verb == "status") {
                SetStatus(utf16FromUtf8(rest).c_str());
            } else if (values.count(verb) != 0) {
                *values.at(verb) = std::stoi(rest);
            }
            if (verb == "select" || verb == "status" || values.count(verb) != 0) {
                platform_testing::takeInvalidations();
                continue;
            }
            std::istringstream place(rest);
            const LPARAM where = at(place);
            if (verb == "down" || verb == "tap" || verb == "dbl") {
                send(WM_LBUTTONDOWN, 0, where);
            }
            if (verb == "dbl") {
                send(WM_LBUTTONUP, 0, where);
            }
            if (verb == "dbl" || verb == "dblclk") {
                send(WM_LBUTTONDBLCLK, 0, where);
            }
            if (verb == "up" || verb == "tap" || verb == "dbl") {
                send(WM_LBUTTONUP, 0, where);
            }
        }
    }

    static std::map<std::string, std::string> fields() {
        std::string repaint;
        const auto marks = platform_testing::takeInvalidations();
        if (!marks.empty()) {
            const RECT& r = marks[0].rect;
            repaint = r.left == statusRect.left && r.top == statusRect.top
                          ? "statusRect"
                          : std::to_string(r.left) + "," + std::to_string(r.top);
            repaint += marks[0].erase ? " erased" : "";
        }
        std::string messages;
        for (const std::string& text : messageTexts()) {
            messages += (messages.empty() ? "" : " / ") + text;
        }
        return {{"hand", names(humanHand)},
                {"handSize", std::to_string(cardCount(humanHand))},
                {"sel", selectedNames(humanHand)},
                {"mine", names(humanTableRow)},
                {"theirs", names(computerTableRow)},
                {"attacks", std::to_string(computerAttacks)},
                {"button", std::to_string(buttonPressed)},
                {"sort", std::to_string(humanHand.sortMode)},
                {"throwIn", std::to_string(throwInAllowance)},
                {"status", statusUtf8()},
                {"msgs", messages},
                {"repaint", repaint}};
    }
};

TEST_P(PenInputTest, ChangesWhatItShould) {
    const PenCase& c = GetParam();
    setUpPosition(c.position);
    run(c.input);
    const auto seen = fields();
    std::istringstream expected(c.expected);
    std::string item;
    while (std::getline(expected, item, '|')) {
        const std::string key = item.substr(0, item.find('='));
        ASSERT_TRUE(seen.count(key)) << key;
        EXPECT_EQ(seen.at(key), item.substr(key.size() + 1)) << key << " after " << c.input;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PenInputTest, ::testing::ValuesIn(penCases),
                         [](const auto& item) { return std::string(item.param.name); });

} // namespace
