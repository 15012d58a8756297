// SPDX-License-Identifier: MIT
#include "records/record_file.h"

#include <fstream>
#include <iostream>
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
