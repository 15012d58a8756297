// Process start-up: the command line, the clock, the settings file and the
// backend, then the program's own entry point.
#include "platform/runtime.h"

#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "platform/core/clock.h"
#include "platform/headless/script_backend.h"
#include "platform/messages.h"
#include "platform/registry/registry_store.h"
#include "platform/resource_api.h"
#include "platform/utf.h"
#include "platform/window_backend.h"

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

} // namespace

namespace {

// A descriptor 0, 1 or 2 closed at start would be taken by the next file
// opened (a script read from standard input would then read that file):
// /dev/null stands in for it.
void fillStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
            if (opened >= 0 && opened != fd) {
                close(opened); // another descriptor below was free after all
            }
        }
    }
}

// What the command line asks for.
struct Options {
    bool headless = false;
    std::string scriptPath;
    std::string clockText;
    std::string registryPath;
    bool registryGiven = false;
    int scale = 0; // not given: the remembered scale, or the largest that fits
    std::string language;
    std::string opponent;
    std::vector<std::string> programArguments; // the handheld's own command line
};

// Reads the options; a status to exit with when the run ends here (help,
// version, a mistake).
std::optional<int> parseOptions(int argc, char** argv, Options& options) {
    CLI::App app{"Talonix: Durak for one player against the computer.", "talonix"};
    app.add_flag("--headless", options.headless,
                 "No window: events come from a script, results go to standard output");
    app.add_option("--script", options.scriptPath,
                   "The event script for --headless, or - for standard input (the default)");
    app.add_option("--clock", options.clockText,
                   "A fixed UTC time of day HH:MM:SS.mmm for the clock (reproducible deals)");
    CLI::Option* registryOption =
        app.add_option("--registry", options.registryPath, "The settings file")
            ->default_str(platform::defaultSettingsPath());
    app.add_option("--scale", options.scale, "Desktop window scale")->check(CLI::Range(1, 8));
    app.add_option("--lang", options.language,
                   "Interface language, remembered (Russian by default)")
        ->check(CLI::IsMember({"ru", "en"}));
    app.add_option("--opponent", options.opponent,
                   "The computer's side, remembered (the handheld's rules by default)")
        ->check(CLI::IsMember({"handheld", "beginner", "expert"}));
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
    options.programArguments = app.remaining();
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
    if (!options.clockText.empty()) {
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
    platform::useSettingsFile(options.registryPath.empty() ? platform::defaultSettingsPath()
                                                           : options.registryPath);
    return std::nullopt;
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

// The script backend or the desktop window; a status to exit with when
// neither can start. scriptFile must outlive the run: the backend reads it.
std::optional<int> startBackend(const Options& options, std::ifstream& scriptFile) {
    if (options.headless) {
        std::istream* script = &std::cin;
        const std::string& scriptPath = options.scriptPath;
        if (!scriptPath.empty() && scriptPath != "-") {
            std::error_code ignored;
            if (!std::filesystem::is_directory(scriptPath, ignored)) {
                scriptFile.open(scriptPath);
            }
            if (!scriptFile.is_open() || !scriptFile) {
                std::cerr << "talonix: cannot read the script '" << scriptPath << "'\n";
                return 2;
            }
            script = &scriptFile;
        }
        platform::setBackend(
            std::make_unique<platform::ScriptBackend>(*script, std::cout, std::cerr));
        return std::nullopt;
    }
    std::string error;
    auto window = platform::createWindowBackend(options.scale, error);
    if (!window) {
        std::cerr << "talonix: cannot open a window: " << error
                  << "; run with --headless to play from a script without a display\n";
        return 1;
    }
    platform::setBackend(std::move(window));
    return std::nullopt;
}

} // namespace

WORD RequestedUILanguage() {
    return requestedLanguage;
}

int RequestedOpponent() {
    return requestedOpponent;
}

int RunPlatform(int argc, char** argv, WinMainFunction winMain) {
    fillStandardDescriptors();
    Options options;
    if (std::optional<int> status = parseOptions(argc, argv, options)) {
        return *status;
    }
    if (std::optional<int> status = applyOptions(options)) {
        return *status;
    }
    std::u16string wideCommandLine = programCommandLine(options.programArguments);
    std::ifstream scriptFile;
    if (std::optional<int> status = startBackend(options, scriptFile)) {
        return *status;
    }
    int status = winMain(reinterpret_cast<HINSTANCE>(&instanceTag), nullptr, wideCommandLine.data(),
                         SW_SHOW);
    std::cout.flush();
    if (!std::cout && status == 0) {
        std::cerr << "talonix: cannot write to standard output\n";
        return 1;
    }
    return status;
}
