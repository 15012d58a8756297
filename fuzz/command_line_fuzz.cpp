// SPDX-License-Identifier: MIT
// The command line: any arguments (the input split at NUL bytes) after the
// ones that keep the run headless and its settings private. The run never
// crashes, ends with status 0 or 2 when it refuses, and when it starts, the
// handheld's command line holds no word that looks like an option.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/utf.h"

namespace {

constexpr int started = 77;
std::u16string startedWith;

int recordCommandLine(HINSTANCE, HINSTANCE, LPWSTR commandLine, int) {
    startedWith = commandLine;
    return started;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string settings =
        (std::filesystem::temp_directory_path() / "talonix-fuzz-command-line.reg").string();
    // What the program says goes nowhere: the fuzzer's own output is stderr.
    std::cout.rdbuf(nullptr);
    std::cerr.rdbuf(nullptr);
    std::vector<std::string> words{"talonix",   "--headless", "--script",
                                   "/dev/null", "--registry", settings};
    const size_t fixed = words.size();
    const std::string input(reinterpret_cast<const char*>(data), size);
    for (size_t at = 0; size > 0 && at <= size; at = input.find('\0', at) + 1) {
        words.push_back(input.substr(at, input.find('\0', at) - at));
        if (input.find('\0', at) == std::string::npos) {
            break;
        }
    }
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    startedWith.clear();
    const int status = RunPlatform(static_cast<int>(words.size()), argv.data(), recordCommandLine);
    check(status == 0 || status == 1 || status == 2 || status == started);
    const bool plainWords = std::all_of(words.begin() + fixed, words.end(), [](const auto& w) {
        return !w.empty() && w.find(' ') == std::string::npos &&
               utf8FromUtf16(utf16FromUtf8(w)) == w;
    });
    if (status == started && plainWords) {
        // The handheld's command line is some of the words, in order, and
        // none of them looks like an option.
        const std::string line = utf8FromUtf16(startedWith);
        size_t next = fixed;
        for (size_t at = 0; at < line.size();) {
            const std::string token = line.substr(at, line.find(' ', at) - at);
            check(!token.starts_with("--"));
            while (next < words.size() && words[next] != token) {
                ++next;
            }
            check(next++ < words.size());
            at += token.size() + 1;
        }
    }
    return 0;
}
