// SPDX-License-Identifier: MIT
// Process start-up: the command line, the clock, the settings file and the
// backend (chosen in platform/backend_choice.cpp), then the program's own
// entry point.
#include "platform/runtime.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "platform/backend_choice.h"
#include "platform/core/clock.h"
#include "platform/core/record_options.h"
#include "platform/messages.h"
#include "platform/process_start.h"
#include "platform/registry/registry_store.h"
#include "platform/resource_api.h"
#include "platform/utf.h"

namespace {

struct ClockReading {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

bool parseClock(const std::string& text, ClockReading& reading) {
    static const std::regex pattern(R"(^(\d\d):(\d\d):(\d\d)\.(\d\d\d)$)");
    std::smatch match;
    if (!std::regex_match(text, match, pattern)) {
        return false;
    }
    reading = ClockReading{std::stoi(match[1]), std::stoi(match[2]), std::stoi(match[3]),
                           std::stoi(match[4])};
    return reading.hour < 24 && reading.minute < 60 && reading.second < 60;
}

// The program's module handle: only ever compared, never followed.
char instanceTag;

WORD requestedLanguage = 0;
int requestedOpponent = -1;
int requestedPace = -1;

} // namespace

namespace {

// What the command line asks for.
struct Options {
    bool headless = false;
    std::string scriptPath;
    std::string clockText;
    bool clockGiven = false;
    std::string registryPath;
    bool registryGiven = false;
    int scale = 0; // not given: the remembered scale, or the largest that fits
    std::string language;
    std::string dealCode;
    bool resume = false;
    std::string recordsFolder;
    bool recordsGiven = false;
    std::string replay;
    bool check = false;
    std::string opponent;
    int pace = -1;
    std::vector<std::string> programArguments; // the handheld's own command line
};

// The usage line names the handheld's own switch too, which the parser
// otherwise takes for an unnamed extra argument.
class UsageFormatter : public CLI::Formatter {
  public:
    std::string make_usage(const CLI::App* /*app*/, std::string name) const override {
        return "Usage: " + name + " [OPTIONS] [q7K]\n";
    }
};

// Edits (insertions, deletions, changes) from one word to the other.
size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// An argument that looks like an option but is none is a mistake, not a
// word of the handheld's command line: says so, with the nearest option and
// the usage line. False when there is none.
bool refuseUnknownOption(const CLI::App& app, const std::vector<std::string>& arguments) {
    auto unknown = std::find_if(arguments.begin(), arguments.end(),
                                [](const std::string& word) { return word.starts_with("--"); });
    if (unknown == arguments.end()) {
        return false;
    }
    const std::string given = unknown->substr(0, unknown->find('='));
    std::string nearest;
    size_t distance = SIZE_MAX;
    for (const CLI::Option* option : app.get_options()) {
        for (const std::string& name : option->get_lnames()) {
            if (size_t d = editDistance(given, "--" + name); d < distance) {
                distance = d;
                nearest = "--" + name;
            }
        }
    }
    const std::string help = app.help();
    const size_t usage = help.find("Usage:");
    std::cerr << "talonix: unknown option '" << given << "' (did you mean " << nearest << "?)\n"
              << help.substr(usage, help.find('\n', usage) - usage) << "\n";
    return true;
}

// Reads the options; a status to exit with when the run ends here (help,
// version, a mistake).
std::optional<int> parseOptions(int argc, char** argv, Options& options) {
    CLI::App app{"Talonix: Durak for one player against the computer.", "talonix"};
    app.add_flag("--headless", options.headless,
                 "No window: events come from a script, results go to standard output");
    app.add_option("--script", options.scriptPath,
                   "The event script for --headless, or - for standard input (the default)");
    CLI::Option* clockOption =
        app.add_option("--clock", options.clockText,
                       "A fixed UTC time of day HH:MM:SS.mmm for the clock (reproducible deals)");
    CLI::Option* registryOption =
        app.add_option("--registry", options.registryPath, "The settings file")
            ->default_str(platform::defaultSettingsPath());
    app.add_option("--scale", options.scale, "Desktop window scale")->check(CLI::Range(1, 8));
    app.add_option("--lang", options.language,
                   "Interface language, remembered (Russian by default)")
        ->check(CLI::IsMember({"ru", "en"}));
    app.formatter(std::make_shared<UsageFormatter>());
    app.add_option("--deal", options.dealCode, "Start with the deal of that number");
    app.add_flag("--resume", options.resume,
                 "Headless: continue the game in progress (windows always do)");
    CLI::Option* recordsOption =
        app.add_option("--records", options.recordsFolder,
                       "Write the game records into this folder (windows write them by default)");
    app.add_option("--replay", options.replay,
                   "Open the last game of a record file (FILE#N: the N-th) to step through");
    app.add_flag("--check", options.check,
                 "Headless, with --replay: replay every game of the file, exit 2 at the first "
                 "move that does not replay");
    app.add_option("--opponent", options.opponent,
                   "The computer's side, remembered (the handheld's rules by default)")
        ->check(CLI::IsMember({"handheld", "beginner", "expert"}));
    app.add_option("--pace", options.pace,
                   "The computer's moves in a window, remembered: 0 at once, 1 one by one "
                   "(the default), 2 slowly")
        ->check(CLI::Range(0, 2));
    app.set_version_flag("--version", "talonix 1.1");
    app.allow_extras();
    app.footer("Any other argument is the program's own command line: q7K in it shows the "
               "computer's cards face up.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? 0 : 2;
    }
    options.registryGiven = registryOption->count() > 0;
    options.clockGiven = clockOption->count() > 0;
    options.recordsGiven = recordsOption->count() > 0;
    options.programArguments = app.remaining();
    if (refuseUnknownOption(app, options.programArguments)) {
        return 2;
    }
    return std::nullopt;
}

// Sets the language, the clock and the settings file; a status to exit with
// when the options do not fit together.
std::optional<int> applyOptions(const Options& options) {
    const std::string& language = options.language;
    requestedLanguage = language == "en" ? LANG_ENGLISH : language == "ru" ? LANG_RUSSIAN : 0;
    const std::string& opponent = options.opponent;
    requestedOpponent = opponent == "handheld"   ? 0
                        : opponent == "beginner" ? 1
                        : opponent == "expert"   ? 2
                                                 : -1;
    requestedPace = options.pace;
    if (options.clockGiven) {
        ClockReading reading;
        if (!parseClock(options.clockText, reading)) {
            std::cerr << "talonix: --clock takes a time of day HH:MM:SS.mmm, not '"
                      << options.clockText << "'\n";
            return 2;
        }
        platform::setFixedClock(reading.hour, reading.minute, reading.second, reading.millisecond);
    }
    if (!options.scriptPath.empty() && !options.headless) {
        std::cerr << "talonix: --script needs --headless\n";
        return 2;
    }
    if (options.registryGiven && options.registryPath.empty()) {
        std::cerr << "talonix: --registry needs a file name\n";
        return 2;
    }
    // A replay check counts no wins.
    if (options.check) {
        platform::useMemorySettings();
    } else {
        platform::useSettingsFile(options.registryPath.empty() ? platform::defaultSettingsPath()
                                                               : options.registryPath);
    }
    if (std::optional<int> status =
            platform::keepReplayOptions({options.headless, options.recordsGiven,
                                         options.recordsFolder, options.replay, options.check})) {
        return status;
    }
    return platform::keepRecordOptions(options.dealCode,
                                       !options.check && (options.resume || !options.headless));
}

// The handheld's own command line: the remaining arguments, joined by single
// spaces.
std::u16string programCommandLine(const std::vector<std::string>& arguments) {
    std::string commandLine;
    for (const std::string& argument : arguments) {
        if (!commandLine.empty()) {
            commandLine += ' ';
        }
        commandLine += argument;
    }
    return utf16FromUtf8(commandLine);
}

} // namespace

WORD RequestedUILanguage() {
    return requestedLanguage;
}

int RequestedOpponent() {
    return requestedOpponent;
}

int RequestedPace() {
    return requestedPace;
}

int RunPlatform(int argc, char** argv, WinMainFunction winMain) {
    platform::prepareProcess(argc, argv);
    Options options;
    if (std::optional<int> status = parseOptions(argc, argv, options)) {
        return *status;
    }
    if (std::optional<int> status = applyOptions(options)) {
        return *status;
    }
    std::u16string wideCommandLine = programCommandLine(options.programArguments);
    if (std::optional<int> status = platform::startBackend(
            {options.headless, options.scriptPath, options.scale, options.check})) {
        return *status;
    }
    int status = winMain(reinterpret_cast<HINSTANCE>(&instanceTag), nullptr, wideCommandLine.data(),
                         SW_SHOW);
    std::cout.flush();
    if (!std::cout && status == 0) {
        std::cerr << "talonix: cannot write to standard output\n";
        return 1;
    }
    return platform::requestedExitStatus().value_or(status);
}
