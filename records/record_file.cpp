// SPDX-License-Identifier: MIT
#include "records/record_file.h"

#include <algorithm>
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

// "2026-12.txt": a month's file as writeGameRecord names it.
bool isMonthFile(const std::string& name) {
    const auto digits = [&name](size_t from, size_t to) {
        return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(from),
                           name.begin() + static_cast<std::ptrdiff_t>(to),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    return name.size() == 11 && name.compare(7, 4, ".txt") == 0 && name[4] == '-' && digits(0, 4) &&
           digits(5, 7);
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

bool lastGameInFolder(const std::string& folder, const RecordPlace& before, GameRecord& game) {
    std::error_code error;
    std::filesystem::path newest;
    for (const auto& entry : std::filesystem::directory_iterator(pathFromUtf8(folder), error)) {
        const std::string name = entry.path().filename().string();
        if (isMonthFile(name) && (newest.empty() || name > newest.filename().string())) {
            newest = entry.path();
        }
    }
    if (newest.empty() || !std::filesystem::is_regular_file(newest, error) ||
        std::filesystem::file_size(newest, error) > largestRecordFile) {
        return false;
    }
    std::ifstream in(newest, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    std::string text = read.str();
    if (before.placed && std::filesystem::equivalent(before.file, newest, error)) {
        text.resize(std::min<std::uintmax_t>(before.offset, text.size()));
    }
    std::vector<GameRecord> games;
    int line = 0;
    if (!readGames(text, games, line).empty() || games.empty()) {
        return false;
    }
    game = games.back();
    return true;
}
