// Process start-up: the command line, the clock, the settings file and the
// backend, then the program's own entry point.
#include "platform/runtime.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <regex>

#include "platform/core/clock.h"
#include "platform/headless/script_backend.h"
#include "platform/messages.h"
#include "platform/registry/registry_store.h"
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

} // namespace

int RunPlatform(int argc, char** argv, WinMainFunction winMain) {
    CLI::App app{"Talonix: Durak for one player against the computer.", "talonix"};
    bool headless = false;
    std::string scriptPath;
    std::string clockText;
    std::string registryPath;
    int scale = 0; // not given: the remembered scale, or the largest that fits
    app.add_flag("--headless", headless,
                 "No window: events come from a script, results go to standard output");
    app.add_option("--script", scriptPath,
                   "The event script for --headless, or - for standard input (the default)");
    app.add_option("--clock", clockText,
                   "A fixed UTC time of day HH:MM:SS.mmm for the clock (reproducible deals)");
    app.add_option("--registry", registryPath, "The settings file")
        ->default_str(platform::defaultSettingsPath());
    app.add_option("--scale", scale, "Desktop window scale")->check(CLI::Range(1, 8));
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

    if (!clockText.empty()) {
        ClockReading reading;
        if (!parseClock(clockText, reading)) {
            std::cerr << "talonix: --clock takes a time of day HH:MM:SS.mmm, not '" << clockText
                      << "'\n";
            return 2;
        }
        platform::setFixedClock(reading.hour, reading.minute, reading.second, reading.millisecond);
    }
    if (!scriptPath.empty() && !headless) {
        std::cerr << "talonix: --script needs --headless\n";
        return 2;
    }
    platform::useSettingsFile(registryPath.empty() ? platform::defaultSettingsPath()
                                                   : registryPath);

    // The handheld's own command line: the remaining arguments, joined by
    // single spaces.
    std::string commandLine;
    for (const std::string& argument : app.remaining()) {
        if (!commandLine.empty()) {
            commandLine += ' ';
        }
        commandLine += argument;
    }
    std::u16string wideCommandLine = utf16FromUtf8(commandLine);

    std::ifstream scriptFile;
    if (headless) {
        std::istream* script = &std::cin;
        if (!scriptPath.empty() && scriptPath != "-") {
            scriptFile.open(scriptPath);
            if (!scriptFile) {
                std::cerr << "talonix: cannot read the script '" << scriptPath << "'\n";
                return 2;
            }
            script = &scriptFile;
        }
        platform::setBackend(
            std::make_unique<platform::ScriptBackend>(*script, std::cout, std::cerr));
    } else {
        std::string error;
        auto window = platform::createWindowBackend(scale, error);
        if (!window) {
            std::cerr << "talonix: cannot open a window: " << error
                      << "; run with --headless to play from a script without a display\n";
            return 1;
        }
        platform::setBackend(std::move(window));
    }

    int status = winMain(reinterpret_cast<HINSTANCE>(&instanceTag), nullptr, wideCommandLine.data(),
                         SW_SHOW);
    std::cout.flush();
    return status;
}
