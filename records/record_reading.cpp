// SPDX-License-Identifier: MIT
#include "records/record_reading.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/utf.h"

namespace {

// No month of games comes near this.
constexpr std::uintmax_t largestFile = 64u << 20;

// FILE#N, unless a file is named so.
void splitName(const std::string& named, RecordFile& file) {
    file.name = named;
    const size_t hash = named.rfind('#');
    std::error_code error;
    if (hash == std::string::npos || hash + 1 == named.size() || hash + 7 < named.size() ||
        std::filesystem::exists(pathFromUtf8(named), error)) {
        return;
    }
    size_t number = 0;
    for (size_t i = hash + 1; i < named.size(); ++i) {
        if (named[i] < '0' || named[i] > '9') {
            return;
        }
        number = number * 10 + static_cast<size_t>(named[i] - '0');
    }
    file.name = named.substr(0, hash);
    file.chosen = number;
}

} // namespace

std::string readRecordFile(const std::string& named, RecordFile& file) {
    splitName(named, file);
    const std::filesystem::path path = pathFromUtf8(file.name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return file.name + ": no such record file";
    }
    if (std::filesystem::file_size(path, error) > largestFile) {
        return file.name + ": too large for a record file";
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        return file.name + ": cannot be read";
    }
    int line = 0;
    if (std::string problem = readGames(text.str(), file.games, line); !problem.empty()) {
        return file.name + ":" + std::to_string(line) + ": " + problem;
    }
    if (file.games.empty()) {
        return file.name + ": no game in it";
    }
    if (file.chosen > file.games.size() || (file.chosen == 0 && named != file.name)) {
        return file.name + ": no game number " + std::to_string(file.chosen) + " (it holds " +
               std::to_string(file.games.size()) + ")";
    }
    return {};
}
