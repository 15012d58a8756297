// Reading the state line as a table, a checker of the rules that must hold
// after every event, and a simple legal strategy for the human.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

struct SeenCard {
    int suit = -1;
    int rank = -1;
    int x = -1;
    int y = -1;
    int selected = 0;
    int isTrump = 0;
};

using CardKey = std::pair<int, int>; // suit, rank

std::vector<SeenCard> rowCards(const nlohmann::json& state, const char* row);
// The human's selected cards.
std::set<CardKey> selectedCards(const nlohmann::json& state);
// `Beats` as the rules give it, for checking both players' covers.
bool beats(const SeenCard& candidate, const SeenCard& target, int trumpSuit, bool japanese);

// Follows one game after another through their state lines and reports
// every broken rule as a failure of the running test.
class TableChecker {
  public:
    // Checks one state; `events` are the messages that came with it.
    void check(const nlohmann::json& state, const std::vector<nlohmann::json>& events,
               const std::string& context);
    int gamesDecided() const { return gamesDecided_; }

  private:
    void checkCardsAccounted(const nlohmann::json& state, const std::string& context);
    void checkTable(const nlohmann::json& state, const std::string& context);
    void checkNewGame(const nlohmann::json& state, int winner, const std::string& context);

    std::set<CardKey> seen_;
    std::set<CardKey> discarded_;
    std::set<CardKey> previousTable_;     // both table rows of the previous state
    std::set<CardKey> previousSelection_; // the human's selected cards then
    int gamesDecided_ = 0;
    long long computerWins_ = -1;
    long long humanWins_ = -1;
};

// The next script lines of a human who plays by the rules: select cards and
// play them, or press the action button.
struct HumanMove {
    std::vector<CardKey> cards; // to select, then tap the play area; empty: the action button
    bool answerYes = false;     // a trump transfer: confirm the question
    std::string what;           // for failure messages
};

HumanMove chooseHumanMove(const nlohmann::json& state, int moveNumber);
