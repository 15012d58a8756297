// SPDX-License-Identifier: MIT
#include "records/game_file.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr const char* header = "talonix-game 1";

class Numbers {
  public:
    void put(int64_t value) {
        text_ += std::to_string(value);
        text_ += ' ';
    }
    void line() {
        if (!text_.empty()) {
            text_.back() = '\n';
        }
    }
    std::string& text() { return text_; }

  private:
    std::string text_;
};

// Reads numbers in order; once one is missing or out of its range, every
// later read fails too.
class Reader {
  public:
    explicit Reader(const std::string& text) : at_(text.data()), end_(text.data() + text.size()) {}
    bool get(int64_t& value, int64_t lo, int64_t hi) {
        while (ok_ && at_ < end_ && (*at_ == ' ' || *at_ == '\n')) {
            ++at_;
        }
        if (!ok_) {
            return false;
        }
        auto [stop, error] = std::from_chars(at_, end_, value);
        ok_ = error == std::errc() && value >= lo && value <= hi;
        at_ = stop;
        return ok_;
    }
    int32_t get32(int64_t lo, int64_t hi) {
        int64_t value = 0;
        get(value, lo, hi);
        return static_cast<int32_t>(value);
    }
    bool ok() const { return ok_; }
    bool atEnd() {
        while (at_ < end_ && (*at_ == ' ' || *at_ == '\n')) {
            ++at_;
        }
        return at_ == end_;
    }

  private:
    const char* at_;
    const char* end_;
    bool ok_ = true;
};

constexpr int64_t anyInt = INT32_MAX;

void putCard(Numbers& out, const Card& c) {
    for (int32_t v :
         {c.bounds.left, c.bounds.top, c.bounds.right, c.bounds.bottom, c.hidden, c.suit, c.rank,
          c.isTrump, c.x, c.y, c.backStyle, c.selected, c.present, c.faceDown, c.height, c.width}) {
        out.put(v);
    }
    out.line();
}

Card getCard(Reader& in) {
    Card c;
    c.bounds.left = in.get32(-anyInt, anyInt);
    c.bounds.top = in.get32(-anyInt, anyInt);
    c.bounds.right = in.get32(-anyInt, anyInt);
    c.bounds.bottom = in.get32(-anyInt, anyInt);
    c.hidden = in.get32(0, 1);
    c.suit = in.get32(-1, 4);
    c.rank = in.get32(-1, 14);
    c.isTrump = in.get32(-1, 1);
    c.x = in.get32(-1, 1000);
    c.y = in.get32(-1, 1000);
    c.backStyle = in.get32(0, 4);
    c.selected = in.get32(0, 1);
    c.present = in.get32(0, 1);
    c.faceDown = in.get32(0, 1);
    c.height = in.get32(0, 100);
    c.width = in.get32(0, 100);
    return c;
}

void putRandom(Numbers& out, const RandomState& r) {
    out.put(r.state1);
    out.put(r.state2);
    out.put(r.lastOut);
    for (int32_t v : r.shuffle) {
        out.put(v);
    }
    out.line();
}

RandomState getRandom(Reader& in) {
    RandomState r;
    r.state1 = in.get32(-anyInt - 1, anyInt);
    r.state2 = in.get32(-anyInt - 1, anyInt);
    r.lastOut = in.get32(-anyInt - 1, anyInt);
    for (int32_t& v : r.shuffle) {
        v = in.get32(-anyInt - 1, anyInt);
    }
    return r;
}

void putSnapshot(Numbers& out, const GameSnapshot& s) {
    for (const RowSnapshot& row : s.rows) {
        for (int32_t v :
             {row.sortMode, row.perLine, row.backStyle, row.faceDown, row.trumpSuit, row.originX,
              row.originY, row.cardWidth, row.cardHeight, row.layoutMode}) {
            out.put(v);
        }
        out.put(static_cast<int64_t>(row.cards.size()));
        out.line();
        for (const Card& card : row.cards) {
            putCard(out, card);
        }
    }
    putCard(out, s.trump);
    putCard(out, s.talon);
    for (const DeckSlot& slot : s.deck.slots) {
        out.put(slot.rank);
        out.put(slot.suit);
        out.put(slot.present);
    }
    out.put(s.deck.remaining);
    out.put(s.deck.capacity);
    out.line();
    putRandom(out, s.random);
    for (int32_t v : {s.gameType, s.computerAttacks, s.transferOpen, s.computerLed, s.lastWinner,
                      s.computerHandAtLead, s.humanHandAtLead, s.throwInAllowance, s.buttonPressed,
                      static_cast<int32_t>(s.statusShown)}) {
        out.put(v);
    }
    out.put(static_cast<int64_t>(s.status.size()));
    for (char16_t unit : s.status) {
        out.put(unit);
    }
    out.line();
}

void getRow(Reader& in, RowSnapshot& row) {
    row.sortMode = in.get32(-1, 1);
    row.perLine = in.get32(0, 100);
    row.backStyle = in.get32(0, 4);
    row.faceDown = in.get32(0, 1);
    row.trumpSuit = in.get32(-1, 4);
    row.originX = in.get32(-1, 1000);
    row.originY = in.get32(-1, 1000);
    row.cardWidth = in.get32(-1, 100);
    row.cardHeight = in.get32(-1, 100);
    row.layoutMode = in.get32(0, 10);
    const int32_t count = in.get32(0, 36);
    for (int32_t i = 0; i < count && in.ok(); ++i) {
        row.cards.push_back(getCard(in));
    }
}

GameSnapshot getSnapshot(Reader& in) {
    GameSnapshot s;
    for (RowSnapshot& row : s.rows) {
        getRow(in, row);
    }
    s.trump = getCard(in);
    s.talon = getCard(in);
    for (DeckSlot& slot : s.deck.slots) {
        slot.rank = in.get32(0, 14); // slots past the capacity are never filled
        slot.suit = in.get32(0, 4);
        slot.present = in.get32(0, 1);
    }
    s.deck.remaining = in.get32(0, 52);
    s.deck.capacity = in.get32(s.deck.remaining > 36 ? 52 : 36, 52);
    s.random = getRandom(in);
    s.gameType = in.get32(0, 5);
    s.computerAttacks = in.get32(0, 1);
    s.transferOpen = in.get32(0, 1);
    s.computerLed = in.get32(0, 1);
    s.lastWinner = in.get32(-1, 1);
    s.computerHandAtLead = in.get32(0, 36);
    s.humanHandAtLead = in.get32(0, 36);
    s.throwInAllowance = in.get32(-1, 36);
    s.buttonPressed = in.get32(0, 1);
    s.statusShown = in.get32(0, 1) != 0;
    const int32_t length = in.get32(0, 255);
    for (int32_t i = 0; i < length && in.ok(); ++i) {
        s.status += static_cast<char16_t>(in.get32(1, 0xFFFF));
    }
    return s;
}

} // namespace

std::string writeSavedGame(const SavedGame& game) {
    Numbers out;
    out.text() = std::string(header) + "\n";
    for (int64_t v :
         {int64_t{game.dealKnown}, int64_t{game.variant}, int64_t{game.seed}, game.steps,
          int64_t{game.lastWinner}, int64_t{game.undone}, static_cast<int64_t>(game.undo.size()),
          static_cast<int64_t>(game.redo.size())}) {
        out.put(v);
    }
    out.line();
    putRandom(out, game.follower);
    putSnapshot(out, game.table);
    for (const GameSnapshot& s : game.undo) {
        putSnapshot(out, s);
    }
    for (const GameSnapshot& s : game.redo) {
        putSnapshot(out, s);
    }
    if (game.record) {
        out.text() += keptRecordText(*game.record);
    }
    return out.text();
}

std::optional<SavedGame> readSavedGame(const std::string& text) {
    if (text.rfind(std::string(header) + "\n", 0) != 0) {
        return std::nullopt;
    }
    // The numbers, then maybe the game's record (its first word the first
    // letters of the file after the header).
    const size_t headerEnd = std::char_traits<char>::length(header) + 1;
    const size_t numbersEnd = text.find("\nrecord ", headerEnd);
    const std::string body = text.substr(
        headerEnd, numbersEnd == std::string::npos ? std::string::npos : numbersEnd - headerEnd);
    Reader in(body); // reads body in place: it must outlive the reader
    SavedGame game;
    if (numbersEnd != std::string::npos) {
        game.record = readKeptRecord(text.substr(numbersEnd + 1));
        if (!game.record) {
            return std::nullopt;
        }
    }
    game.dealKnown = in.get32(0, 1);
    game.variant = in.get32(0, 5);
    game.seed = in.get32(0, 5243379);
    in.get(game.steps, 0, INT64_C(1) << 50);
    game.lastWinner = in.get32(-1, 1);
    game.undone = in.get32(0, anyInt);
    const int32_t undoCount = in.get32(0, 10000);
    const int32_t redoCount = in.get32(0, 10000);
    game.follower = getRandom(in);
    game.table = getSnapshot(in);
    for (int32_t i = 0; i < undoCount && in.ok(); ++i) {
        game.undo.push_back(getSnapshot(in));
    }
    for (int32_t i = 0; i < redoCount && in.ok(); ++i) {
        game.redo.push_back(getSnapshot(in));
    }
    if (!in.ok() || !in.atEnd()) {
        return std::nullopt;
    }
    return game;
}
