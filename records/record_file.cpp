// SPDX-License-Identifier: MIT
#include "records/record_file.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

#include "platform/utf.h"

namespace {

bool warned = false;

void sayOnce(const std::filesystem::path& file, const std::string& why) {
    if (!warned) {
        std::cerr << "talonix: game record not written: " << file.string() << ": " << why << "\n";
    }
    warned = true;
}

// "2026.12.06" to "2026-12.txt".
std::string monthFileName(const GameRecord& game) {
    std::string date = tagValue(game, "Date");
    if (date.size() < 7) {
        return "undated.txt";
    }
    date = date.substr(0, 7);
    date[4] = '-';
    return date + ".txt";
}

// A record file larger than this is not read for the game before.
constexpr std::uintmax_t largestRecordFile = 16u << 20;

} // namespace

void writeGameRecord(const std::string& folder, const GameRecord& game, RecordPlace& place) {
    if (folder.empty()) {
        return;
    }
    std::error_code error;
    if (!place.placed) {
        place.file = pathFromUtf8(folder) / monthFileName(game);
    }
    std::filesystem::create_directories(place.file.parent_path(), error);
    const bool exists = std::filesystem::exists(place.file, error);
    const std::uintmax_t size = exists ? std::filesystem::file_size(place.file, error) : 0;
    if (error || (exists && !std::filesystem::is_regular_file(place.file, error))) {
        sayOnce(place.file, error ? error.message() : "not a regular file");
        return;
    }
    if (!place.placed || size != place.end) {
        place.offset = size;
        place.placed = true;
    }
    const std::string text = gameText(game);
    {
        std::fstream out(place.file, std::ios::in | std::ios::out | std::ios::binary);
        if (!out.is_open()) {
            out.open(place.file, std::ios::out | std::ios::binary);
        }
        out.seekp(static_cast<std::streamoff>(place.offset));
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            sayOnce(place.file, "cannot write");
            return;
        }
    }
    place.end = place.offset + text.size();
    std::filesystem::resize_file(place.file, place.end, error);
    if (error) {
        sayOnce(place.file, error.message());
    }
}

RecordPlace placeInFolder(const std::string& folder, const GameRecord& game, std::uintmax_t offset,
                          std::uintmax_t end) {
    RecordPlace place;
    place.file = pathFromUtf8(folder) / monthFileName(game);
    place.offset = offset;
    place.end = end;
    place.placed = true;
    return place;
}

// The last game of a record file, read as far as `upTo` bytes.
bool lastGameIn(const std::filesystem::path& file, std::uintmax_t upTo, GameRecord& game) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) ||
        std::filesystem::file_size(file, error) > largestRecordFile) {
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    std::string text = read.str();
    if (upTo < text.size()) {
        text.resize(static_cast<size_t>(upTo));
    }
    std::vector<GameRecord> games;
    int line = 0;
    if (!readGames(text, games, line).empty() || games.empty()) {
        return false;
    }
    game = games.back();
    return true;
}

namespace {

// "2026-01.txt" to "2025-12.txt"; empty for a name that is not a month's.
std::string monthBefore(const std::string& name) {
    int year = 0;
    int month = 0;
    char rest[8] = {};
    if (std::sscanf(name.c_str(), "%4d-%2d%7s", &year, &month, rest) != 3 ||
        std::string(rest) != ".txt" || month < 1 || month > 12) {
        return {};
    }
    char before[32];
    std::snprintf(before, sizeof before, "%04d-%02d.txt", month == 1 ? year - 1 : year,
                  month == 1 ? 12 : month - 1);
    return before;
}

} // namespace

bool lastGameInFolder(const std::string& folder, const GameRecord& current,
                      const RecordPlace& place, GameRecord& game) {
    const std::filesystem::path file =
        place.placed ? place.file : pathFromUtf8(folder) / monthFileName(current);
    if (lastGameIn(file, place.placed ? place.offset : largestRecordFile, game)) {
        return true;
    }
    // The first game of a month: the game before it closed last month's file.
    const std::string before = monthBefore(file.filename().string());
    return !before.empty() && lastGameIn(file.parent_path() / before, largestRecordFile, game);
}
