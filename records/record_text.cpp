// SPDX-License-Identifier: MIT
#include "records/record_text.h"

#include <array>
#include <sstream>

namespace {

constexpr std::string_view rankLetters = "6789TJQKA"; // ranks 6 to 14
constexpr std::string_view suitLetters = "DHCS";      // suits 1 to 4

constexpr std::array<const char*, 6> kindWords = {"lead",     "cover", "transfer",
                                                  "throw-in", "take",  "done"};

bool takesCards(MoveKind kind) {
    return kind != MoveKind::Take && kind != MoveKind::Done;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

// [Name "value"]; false when the line is no tag.
bool readTag(const std::string& line, std::pair<std::string, std::string>& tag) {
    const size_t space = line.find(' ');
    if (line.size() < 5 || line.front() != '[' || line.back() != ']' ||
        space == std::string::npos || line[space + 1] != '"' || line[line.size() - 2] != '"' ||
        space + 2 > line.size() - 2) {
        return false;
    }
    tag.first = line.substr(1, space - 1);
    tag.second = line.substr(space + 2, line.size() - space - 4);
    return !tag.first.empty();
}

std::string readMove(const std::string& line, RecordMove& move) {
    const std::vector<std::string> words = wordsOf(line);
    if (words.size() < 2 || (words[0] != "human" && words[0] != "computer")) {
        return "not a tag or a move (a move begins with human or computer)";
    }
    move.player = words[0] == "human" ? Player::Human : Player::Computer;
    size_t kind = 0;
    while (kind < kindWords.size() && words[1] != kindWords[kind]) {
        ++kind;
    }
    if (kind == kindWords.size()) {
        return "'" + words[1] + "' is no move (lead, cover, transfer, throw-in, take, done)";
    }
    move.kind = static_cast<MoveKind>(kind);
    if (takesCards(move.kind) != (words.size() > 2)) {
        return takesCards(move.kind) ? "'" + words[1] + "' names the cards played"
                                     : "'" + words[1] + "' takes no cards";
    }
    for (size_t i = 2; i < words.size(); ++i) {
        int32_t suit = 0;
        int32_t rank = 0;
        if (!readCardName(words[i], suit, rank)) {
            return "'" + words[i] + "' is no card (7S, TD, AH: rank 6-9 T J Q K A, suit D H C S)";
        }
        move.cards.emplace_back(suit, rank);
    }
    return {};
}

std::string withoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.pop_back();
    }
    return line;
}

} // namespace

std::string cardName(int32_t suit, int32_t rank) {
    if (rank < 6 || rank > 14 || suit < 1 || suit > 4) {
        return "??";
    }
    return {rankLetters[static_cast<size_t>(rank - 6)], suitLetters[static_cast<size_t>(suit - 1)]};
}

bool readCardName(const std::string& name, int32_t& suit, int32_t& rank) {
    if (name.size() != 2) {
        return false;
    }
    const size_t r = rankLetters.find(name[0]);
    const size_t s = suitLetters.find(name[1]);
    if (r == std::string_view::npos || s == std::string_view::npos) {
        return false;
    }
    rank = static_cast<int32_t>(r) + 6;
    suit = static_cast<int32_t>(s) + 1;
    return true;
}

std::string moveText(const RecordMove& move) {
    std::string text = move.player == Player::Human ? "human " : "computer ";
    text += kindWords[static_cast<size_t>(move.kind)];
    for (const auto& [suit, rank] : move.cards) {
        text += ' ' + cardName(suit, rank);
    }
    return text;
}

std::string gameText(const GameRecord& game) {
    std::string text;
    for (const auto& [name, value] : game.tags) {
        text += '[' + name + " \"" + value + "\"]\n";
    }
    text += '\n';
    for (const RecordMove& move : game.moves) {
        text += moveText(move) + '\n';
    }
    return text + '\n';
}

std::string tagValue(const GameRecord& game, const std::string& name) {
    for (const auto& [tagName, value] : game.tags) {
        if (tagName == name) {
            return value;
        }
    }
    return {};
}

std::string readGames(const std::string& text, std::vector<GameRecord>& games, int& line) {
    std::istringstream in(text);
    std::string raw;
    line = 0;
    bool inMoves = true; // a tag after moves (or at the start) begins a game
    while (std::getline(in, raw)) {
        ++line;
        const std::string content = withoutLineEnd(raw);
        std::pair<std::string, std::string> tag;
        if (content.empty() || content.front() == ';') {
            continue;
        }
        if (readTag(content, tag)) {
            if (inMoves) {
                games.push_back(GameRecord{{}, {}, line});
            }
            inMoves = false;
            games.back().tags.push_back(tag);
            continue;
        }
        if (content.front() == '[') {
            return "a tag is written [Name \"value\"]";
        }
        if (games.empty()) {
            return "a move before the first game's tags";
        }
        RecordMove move;
        move.line = line;
        if (std::string problem = readMove(content, move); !problem.empty()) {
            return problem;
        }
        inMoves = true;
        games.back().moves.push_back(move);
    }
    return {};
}
