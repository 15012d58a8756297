// SPDX-License-Identifier: MIT
// The text of game records: tags in square brackets, then one move a line
// ("human lead 7S", "computer take"). Several games follow each other in
// one file. See docs/records.md.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

enum class Player { Human, Computer };
enum class MoveKind { Lead, Cover, Transfer, ThrowIn, Take, Done };

struct RecordMove {
    Player player = Player::Human;
    MoveKind kind = MoveKind::Lead;
    std::vector<std::pair<int32_t, int32_t>> cards; // suit, rank
    int line = 0;                                   // in the file read, 0 when played

    bool operator==(const RecordMove& other) const {
        return player == other.player && kind == other.kind && cards == other.cards;
    }
};

struct GameRecord {
    std::vector<std::pair<std::string, std::string>> tags; // name, value, in order
    std::vector<RecordMove> moves;
    int line = 0; // of the first tag in the file read
};

// "7S", "TD", "AH": the rank (6 to 9, T, J, Q, K, A) and the suit (D, H, C, S).
std::string cardName(int32_t suit, int32_t rank);
bool readCardName(const std::string& name, int32_t& suit, int32_t& rank);

std::string moveText(const RecordMove& move);
std::string gameText(const GameRecord& game);

// The value of a tag, or an empty text.
std::string tagValue(const GameRecord& game, const std::string& name);

// Reads every game of a file's text; on a line that is neither a tag nor a
// move, says which and what is wrong (line set, text returned).
std::string readGames(const std::string& text, std::vector<GameRecord>& games, int& line);
