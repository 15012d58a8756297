// Whole games played with the keyboard alone: the variant is chosen in the
// Options dialog by keys, cards are found with Home and Right, selected with
// Space and played with Enter, the button is T and sorting S. Every state is
// checked against the rules. The same key strokes then replay in English:
// only the texts may differ, and none of them is Cyrillic.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "program_session.h"
#include "table_checker.h"

namespace {

constexpr int stepLimit = 4000;

std::set<CardKey> selectedCards(const nlohmann::json& state) {
    std::set<CardKey> selected;
    for (const SeenCard& card : rowCards(state, "humanHand")) {
        if (card.selected != 0) {
            selected.insert({card.suit, card.rank});
        }
    }
    return selected;
}

class KeyboardPlayer {
  public:
    KeyboardPlayer(ProgramSession& session, std::string name)
        : session_(session), name_(std::move(name)) {}

    void key(const std::string& name) { step("key " + name); }

    // Options by keys: Tab to the list of variants, Down to the type, Enter.
    void chooseVariant(int type) {
        key("ctrl+o");
        EXPECT_EQ(state_["dialog"]["template"], 130) << name_;
        key("tab");
        key("tab");
        key("home");
        for (int i = 0; i < type; ++i) {
            key("down");
        }
        step("key enter", false);
        EXPECT_TRUE(state_["dialog"].is_null()) << name_;
        EXPECT_EQ(state_["gameType"], type) << name_;
        // Another variant deals a new game, which no rule of the last one
        // explains: the checker starts over from the new deal.
        checker_ = TableChecker();
        checker_.check(state_, {}, name_ + ", the new deal");
    }

    void playOneGame() {
        const int target = checker_.gamesDecided() + 1;
        for (int move = 0; checker_.gamesDecided() < target && steps_ < stepLimit && !stopped_;
             ++move) {
            playMove(move);
        }
        EXPECT_EQ(checker_.gamesDecided(), target)
            << name_ << ": no end of game within " << steps_ << " keys";
    }

    void step(const std::string& line, bool checked = true) {
        ++steps_;
        const std::vector<nlohmann::json> events = session_.send(line);
        if (events.empty() || events.back().value("event", "") != "state") {
            ADD_FAILURE() << name_ << ": no state after '" << line << "'";
            stopped_ = true;
            return;
        }
        state_ = events.back();
        if (!checked) {
            return;
        }
        checker_.check(state_, events, name_ + ", key " + std::to_string(steps_) + " " + line);
    }

    const nlohmann::json& state() const { return state_; }

  private:
    void playMove(int move) {
        if (move % 13 == 4) {
            const int sortMode = state_["humanHand"]["sortMode"];
            key("s");
            EXPECT_EQ(state_["humanHand"]["sortMode"], sortMode == 1 ? 0 : 1) << name_;
            return;
        }
        const HumanMove chosen = chooseHumanMove(state_, move);
        if (chosen.cards.empty()) {
            key("t");
            return;
        }
        const std::set<CardKey> wanted(chosen.cards.begin(), chosen.cards.end());
        for (int attempt = 0; attempt < 6 && selectedCards(state_) != wanted && !stopped_;
             ++attempt) {
            selectNext(wanted);
        }
        if (selectedCards(state_) != wanted) {
            ADD_FAILURE() << name_ << ": could not select the cards to " << chosen.what;
            stopped_ = true;
            return;
        }
        if (chosen.answerYes) {
            step("answer yes");
        }
        key("enter");
    }

    // Home, then Right to the next card to flip, then Space.
    void selectNext(const std::set<CardKey>& wanted) {
        const auto hand = rowCards(state_, "humanHand");
        const bool several = state_["computerTableRow"]["cards"].size() > 1 &&
                             state_["humanTableRow"]["cards"].empty();
        for (size_t place = 0; place < hand.size(); ++place) {
            const bool want = wanted.count({hand[place].suit, hand[place].rank}) != 0;
            if ((several && want != (hand[place].selected != 0)) || (!several && want)) {
                key("home");
                for (size_t i = 0; i < place; ++i) {
                    key("right");
                }
                key("space");
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

bool hasCyrillic(const std::string& utf8) {
    // Cyrillic letters are U+0400..U+04FF: lead bytes 0xD0..0xD3.
    for (unsigned char byte : utf8) {
        if (byte >= 0xD0 && byte <= 0xD3) {
            return true;
        }
    }
    return false;
}

// Every text emptied (the status, the title, message boxes, dialog controls
// and list lines); null stays null.
void emptyTexts(nlohmann::json& value) {
    if (value.is_string()) {
        value = "";
        return;
    }
    if (!value.is_structured()) {
        return;
    }
    for (auto& [key, item] : value.items()) {
        if (key != "event") {
            emptyTexts(item);
        }
    }
}

// A line with its texts taken out, and the language of the rules that F1
// opened: what the interface language must not change.
std::string withoutTexts(const std::string& line) {
    nlohmann::json event = nlohmann::json::parse(line, nullptr, false);
    emptyTexts(event);
    event.erase("rulesLanguage");
    return event.dump();
}

bool showsEnglishRules(const std::string& line) {
    const nlohmann::json event = nlohmann::json::parse(line, nullptr, false);
    return event.value("event", "") == "state" && event["dialog"].is_object() &&
           event["dialog"]["template"] == 132 && event["rulesLanguage"] == 0;
}

std::vector<std::string> linesOf(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

class KeyboardGamesTest : public ::testing::TestWithParam<int> {};

TEST_P(KeyboardGamesTest, AGameToItsEndWithKeysAloneThenTheSameInEnglish) {
    const int type = GetParam();
    const std::string folder = makeScratchFolder();
    const std::string settings = folder + "/settings.reg";
    const std::vector<std::string> arguments = {"--clock", "08:30:00.250", "--registry", settings};
    std::string script;
    std::string russian;
    {
        ProgramSession session(arguments);
        KeyboardPlayer player(session, "type " + std::to_string(type));
        player.step("# the first deal");
        player.chooseVariant(type);
        player.playOneGame();
        // F1 opens the rules in the interface language; Escape closes them.
        player.key("f1");
        EXPECT_EQ(player.state()["dialog"]["template"], 132);
        EXPECT_EQ(player.state()["rulesLanguage"], 1) << "Russian";
        player.key("escape");
        EXPECT_TRUE(player.state()["dialog"].is_null());
        // Ctrl+N deals a new game of the same variant; nobody has won it.
        const int wins =
            player.state()["computerWins"].get<int>() + player.state()["humanWins"].get<int>();
        player.step("key ctrl+n", false);
        EXPECT_EQ(player.state()["gameType"], type);
        EXPECT_EQ(player.state()["computerWins"].get<int>() +
                      player.state()["humanWins"].get<int>(),
                  wins);
        EXPECT_EQ(player.state()["remaining"], type == 2 || type == 3 ? 0 : (type >= 4 ? 24 : 23));
        EXPECT_EQ(session.finish(), 0);
        script = session.script();
        russian = session.output();
        if (const char* keep = std::getenv("TALONIX_KEEP_SCRIPT")) {
            std::ofstream(std::string(keep) + std::to_string(type) + ".txt") << script;
        }
    }

    std::filesystem::remove(settings);
    std::vector<std::string> english_args = arguments;
    english_args.insert(english_args.end(), {"--lang", "en"});
    const RunResult english = runScript(english_args, script);
    EXPECT_EQ(english.status, 0);
    const std::vector<std::string> russianLines = linesOf(russian);
    const std::vector<std::string> englishLines = linesOf(english.output);
    ASSERT_EQ(englishLines.size(), russianLines.size());
    for (size_t i = 0; i < englishLines.size(); ++i) {
        ASSERT_FALSE(hasCyrillic(englishLines[i])) << englishLines[i];
        ASSERT_EQ(withoutTexts(englishLines[i]), withoutTexts(russianLines[i])) << "line " << i;
    }
    EXPECT_EQ(std::count_if(englishLines.begin(), englishLines.end(), showsEnglishRules), 1)
        << "F1 opens the English rules";
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Variants, KeyboardGamesTest, ::testing::Range(0, 6),
                         [](const auto& variant) {
                             return "type" + std::to_string(variant.param);
                         });

} // namespace
