// SPDX-License-Identifier: MIT
#include "records/kept_record.h"

#include <limits>
#include <sstream>

namespace {

constexpr size_t unknownCount = std::numeric_limits<size_t>::max();
constexpr int64_t mostMoves = 100000;

// Reads a number in lo..hi; once one fails every later read fails too.
bool number(std::istream& in, int64_t& value, int64_t lo, int64_t hi) {
    return static_cast<bool>(in >> value) && value >= lo && value <= hi;
}

bool word(std::istream& in, const char* expected) {
    std::string text;
    return static_cast<bool>(in >> text) && text == expected;
}

void putMove(std::ostringstream& out, const RecordMove& move) {
    out << ' ' << static_cast<int>(move.player) << ' ' << static_cast<int>(move.kind) << ' '
        << move.cards.size();
    for (const auto& [suit, rank] : move.cards) {
        out << ' ' << suit << ' ' << rank;
    }
}

// A move as putMove wrote it; its cards must have names.
bool getMove(std::istream& in, RecordMove& move) {
    int64_t player = 0;
    int64_t kind = 0;
    int64_t count = 0;
    if (!number(in, player, 0, 1) || !number(in, kind, 0, 5) || !number(in, count, 0, 36)) {
        return false;
    }
    move.player = static_cast<Player>(player);
    move.kind = static_cast<MoveKind>(kind);
    for (int64_t i = 0; i < count; ++i) {
        int64_t suit = 0;
        int64_t rank = 0;
        if (!number(in, suit, 1, 4) || !number(in, rank, 6, 14)) {
            return false;
        }
        move.cards.emplace_back(static_cast<int32_t>(suit), static_cast<int32_t>(rank));
    }
    return true;
}

bool getHistory(std::istream& in, KeptRecord& kept) {
    int64_t count = 0;
    if (!word(in, "undo") || !number(in, count, 0, mostMoves)) {
        return false;
    }
    for (int64_t i = 0; i < count; ++i) {
        int64_t moves = 0;
        if (!number(in, moves, -1, mostMoves)) {
            return false;
        }
        kept.undoCounts.push_back(moves < 0 ? unknownCount : static_cast<size_t>(moves));
    }
    if (!word(in, "redo") || !number(in, count, 0, mostMoves)) {
        return false;
    }
    for (int64_t i = 0; i < count; ++i) {
        int64_t moves = 0;
        if (!number(in, moves, 0, mostMoves)) {
            return false;
        }
        std::vector<RecordMove>& step = kept.redoMoves.emplace_back();
        for (int64_t m = 0; m < moves; ++m) {
            if (!getMove(in, step.emplace_back())) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::string keptRecordText(const KeptRecord& kept) {
    std::ostringstream out;
    out << "record " << (kept.placed ? 1 : 0) << ' ' << kept.offset << ' ' << kept.end << "\nundo "
        << kept.undoCounts.size();
    for (size_t count : kept.undoCounts) {
        out << ' ' << (count == unknownCount ? -1 : static_cast<int64_t>(count));
    }
    out << "\nredo " << kept.redoMoves.size() << '\n';
    for (const std::vector<RecordMove>& step : kept.redoMoves) {
        out << step.size();
        for (const RecordMove& move : step) {
            putMove(out, move);
        }
        out << '\n';
    }
    return out.str() + gameText(kept.game);
}

std::optional<KeptRecord> readKeptRecord(const std::string& text) {
    std::istringstream in(text);
    KeptRecord kept;
    int64_t placed = 0;
    int64_t offset = 0;
    int64_t end = 0;
    constexpr int64_t largest = int64_t{1} << 48;
    if (!word(in, "record") || !number(in, placed, 0, 1) || !number(in, offset, 0, largest) ||
        !number(in, end, offset, largest) || !getHistory(in, kept)) {
        return std::nullopt;
    }
    kept.placed = placed != 0;
    kept.offset = static_cast<uint64_t>(offset);
    kept.end = static_cast<uint64_t>(end);
    std::string rest;
    std::getline(in, rest); // the end of the last number's line
    rest.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::vector<GameRecord> games;
    int line = 0;
    if (!readGames(rest, games, line).empty() || games.size() != 1) {
        return std::nullopt;
    }
    kept.game = std::move(games[0]);
    for (RecordMove& move : kept.game.moves) {
        move.line = 0;
    }
    kept.game.line = 0;
    return kept;
}
