// SPDX-License-Identifier: MIT
#include "records/kept_record.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr int64_t mostMoves = 100000;

// The words of the text separated by spaces and line ends, read in order.
class Words {
  public:
    explicit Words(std::string_view text) : text_(text) {}
    std::string_view next() {
        const size_t from = text_.find_first_not_of(" \n", at_);
        if (from == std::string_view::npos) {
            at_ = text_.size();
            return {};
        }
        at_ = std::min(text_.find_first_of(" \n", from), text_.size());
        return text_.substr(from, at_ - from);
    }
    // A whole number in lo..hi.
    bool number(int64_t& value, int64_t lo, int64_t hi) {
        const std::string_view word = next();
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        return !word.empty() && error == std::errc() && end == word.data() + word.size() &&
               value >= lo && value <= hi;
    }
    bool word(std::string_view expected) { return next() == expected; }
    // What follows the line the last word ended.
    std::string_view rest() const {
        const size_t line = text_.find('\n', at_);
        return line == std::string_view::npos ? std::string_view() : text_.substr(line + 1);
    }

  private:
    std::string_view text_;
    size_t at_ = 0;
};

void put(std::string& out, int64_t value) {
    out += ' ';
    out += std::to_string(value);
}

void putMove(std::string& out, const RecordMove& move) {
    put(out, static_cast<int>(move.player));
    put(out, static_cast<int>(move.kind));
    put(out, static_cast<int64_t>(move.cards.size()));
    for (const auto& [suit, rank] : move.cards) {
        put(out, suit);
        put(out, rank);
    }
}

// A move as putMove wrote it; its cards must have names.
bool getMove(Words& in, RecordMove& move) {
    int64_t player = 0;
    int64_t kind = 0;
    int64_t count = 0;
    if (!in.number(player, 0, 1) || !in.number(kind, 0, 5) || !in.number(count, 0, 36)) {
        return false;
    }
    move.player = static_cast<Player>(player);
    move.kind = static_cast<MoveKind>(kind);
    for (int64_t i = 0; i < count; ++i) {
        int64_t suit = 0;
        int64_t rank = 0;
        if (!in.number(suit, 1, 4) || !in.number(rank, 6, 14)) {
            return false;
        }
        move.cards.emplace_back(static_cast<int32_t>(suit), static_cast<int32_t>(rank));
    }
    return true;
}

bool getHistory(Words& in, KeptRecord& kept) {
    int64_t count = 0;
    if (!in.word("undo") || !in.number(count, 0, mostMoves)) {
        return false;
    }
    for (int64_t i = 0; i < count; ++i) {
        int64_t moves = 0;
        if (!in.number(moves, -1, mostMoves)) {
            return false;
        }
        kept.undoCounts.push_back(moves < 0 ? UNKNOWN_RECORD_COUNT : static_cast<size_t>(moves));
    }
    if (!in.word("redo") || !in.number(count, 0, mostMoves)) {
        return false;
    }
    for (int64_t i = 0; i < count; ++i) {
        int64_t moves = 0;
        if (!in.number(moves, 0, mostMoves)) {
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
    std::string out = "record";
    put(out, kept.placed ? 1 : 0);
    put(out, static_cast<int64_t>(kept.offset));
    put(out, static_cast<int64_t>(kept.end));
    out += "\nundo";
    put(out, static_cast<int64_t>(kept.undoCounts.size()));
    for (size_t count : kept.undoCounts) {
        put(out, count == UNKNOWN_RECORD_COUNT ? -1 : static_cast<int64_t>(count));
    }
    out += "\nredo";
    put(out, static_cast<int64_t>(kept.redoMoves.size()));
    out += '\n';
    for (const std::vector<RecordMove>& step : kept.redoMoves) {
        out += std::to_string(step.size());
        for (const RecordMove& move : step) {
            putMove(out, move);
        }
        out += '\n';
    }
    return out + gameText(kept.game);
}

std::optional<KeptRecord> readKeptRecord(const std::string& text) {
    Words in(text);
    KeptRecord kept;
    int64_t placed = 0;
    int64_t offset = 0;
    int64_t end = 0;
    constexpr int64_t largest = int64_t{1} << 48;
    if (!in.word("record") || !in.number(placed, 0, 1) || !in.number(offset, 0, largest) ||
        !in.number(end, offset, largest) || !getHistory(in, kept)) {
        return std::nullopt;
    }
    kept.placed = placed != 0;
    kept.offset = static_cast<uint64_t>(offset);
    kept.end = static_cast<uint64_t>(end);
    std::vector<GameRecord> games;
    int line = 0;
    if (!readGames(std::string(in.rest()), games, line).empty() || games.size() != 1) {
        return std::nullopt;
    }
    kept.game = std::move(games[0]);
    for (RecordMove& move : kept.game.moves) {
        move.line = 0;
    }
    kept.game.line = 0;
    return kept;
}
