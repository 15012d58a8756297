// SPDX-License-Identifier: MIT
// How fast the headless runner gets through long event scripts, with
// painting on and without state lines, and how long one tap that selects a
// card takes from the pen touching the screen to its pixels being on the
// window surface.
//
//   talonix_throughput [--events N] [--program TALONIX] [--baseline TALONIX]
//                      [--settings-dir DIR] [--latency-only] [--taps N]
//                      [--write-scripts DIR]
//
// Two scripts are generated from a fixed seed: table taps spread over the
// hand, the play area and the two buttons, and a game mix with new games,
// dialogs opened and closed and message boxes answered. Each is run by the
// program (the talonix next to this tool's build folder unless --program is
// given) and, with --baseline, by another build of it in the same run, so
// that both figures come from the same machine load. An event is one line
// of the script. The runs' outputs are compared; they must be the same.
//
// Settings are written to a scratch file in DIR (/dev/shm by default, so
// that the disk's flush time does not swamp the program's own work; the tool
// counts the settings writes so that their cost can be judged apart).
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "benchmarks/throughput/event_scripts.h"
#include "benchmarks/throughput/tap_latency.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const char* const fixedClock = "12:34:56.789";

struct Run {
    double seconds = 0;    // wall clock
    double cpuSeconds = 0; // user and system time of the run
    std::string output;
    int status = -1;
};

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs program --headless on the script, standard output to a file.
Run runScript(const std::string& program, const fs::path& script, const fs::path& settings,
              const fs::path& output) {
    fs::remove(settings);
    Run run;
    auto start = Clock::now();
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        std::FILE* out = std::freopen(output.c_str(), "w", stdout);
        if (out == nullptr) {
            _exit(127);
        }
        execl(program.c_str(), program.c_str(), "--headless", "--script", script.c_str(), "--clock",
              fixedClock, "--registry", settings.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = readWhole(output);
    return run;
}

long countLines(const std::string& text, const std::string& containing) {
    long count = 0;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        count += line.find(containing) != std::string::npos ? 1 : 0;
    }
    return count;
}

fs::path ownFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

struct Options {
    long events = 1000000;
    long taps = 200000;
    std::string program = (ownFolder().parent_path() / "talonix").string();
    std::string baseline;
    fs::path settingsDir =
        fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    bool latencyOnly = false;
    std::string writeTo;
};

// False, after the usage line, for an argument the tool does not know.
bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        bool hasValue = i + 1 < argc;
        if (option == "--events" && hasValue) {
            options.events = std::atol(argv[++i]);
        } else if (option == "--taps" && hasValue) {
            options.taps = std::atol(argv[++i]);
        } else if (option == "--program" && hasValue) {
            options.program = argv[++i];
        } else if (option == "--baseline" && hasValue) {
            options.baseline = argv[++i];
        } else if (option == "--settings-dir" && hasValue) {
            options.settingsDir = argv[++i];
        } else if (option == "--write-scripts" && hasValue) {
            options.writeTo = argv[++i];
        } else if (option == "--latency-only") {
            options.latencyOnly = true;
        } else {
            std::cerr << "usage: talonix_throughput [--events N] [--program TALONIX] "
                         "[--baseline TALONIX] [--settings-dir DIR] [--latency-only] [--taps N] "
                         "[--write-scripts DIR]\n";
            return false;
        }
    }
    return true;
}

struct Named {
    const char* name;
    Script script;
};

using Programs = std::vector<std::pair<std::string, std::string>>; // label, path

// Runs the script with every program and prints the figures; false when the
// outputs differ.
bool runWithEach(const Named& entry, const Programs& programs, const fs::path& scratch,
                 const fs::path& settings) {
    fs::path scriptPath = scratch / (std::string(entry.name[0] == 't' ? "taps" : "mix") + ".txt");
    std::ofstream(scriptPath, std::ios::binary) << entry.script.text;
    bool same = true;
    std::string firstOutput;
    for (size_t p = 0; p < programs.size(); ++p) {
        Run run = runScript(programs[p].second, scriptPath, settings, scratch / "out.jsonl");
        long boxes = countLines(run.output, "\"messagebox\"");
        long dialogs = countLines(run.output, "\"dialog\"");
        long games = countLines(run.output, "победил");
        auto perSecond = [&](double seconds) {
            return static_cast<double>(entry.script.events) / seconds;
        };
        std::printf("%-10s  %-10s  %8ld events  wall %6.2f s %9.0f events/s  cpu %6.2f s "
                    "%9.0f events/s\n",
                    entry.name, programs[p].first.c_str(), entry.script.events, run.seconds,
                    perSecond(run.seconds), run.cpuSeconds, perSecond(run.cpuSeconds));
        std::printf("%-10s  %-10s  exit %d; %ld message boxes, %ld dialogs, %ld games won\n", "",
                    "", run.status, boxes, dialogs, games);
        if (p == 0) {
            firstOutput = run.output;
        } else if (run.output != firstOutput) {
            same = false;
            std::printf("%-10s  the outputs of the two builds differ\n", entry.name);
        }
    }
    return same;
}

// Both scripts through this build and the baseline; false when their outputs
// differ.
bool measureThroughput(const Options& options) {
    fs::path scratch =
        fs::temp_directory_path() / ("talonix-throughput-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    fs::path settings =
        options.settingsDir / ("talonix-throughput-" + std::to_string(getpid()) + ".reg");
    std::vector<Named> scripts;
    scripts.push_back({"table taps", tableTaps(options.events)});
    scripts.push_back({"game mix", gameMix(options.events)});
    Programs programs{{"this build", options.program}};
    if (!options.baseline.empty()) {
        programs.emplace_back("baseline", options.baseline);
    }
    bool same = true;
    std::printf("settings file: %s\n", settings.c_str());
    for (const Named& entry : scripts) {
        same = runWithEach(entry, programs, scratch, settings) && same;
    }
    fs::remove(settings);
    fs::remove_all(scratch);
    return same;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        return 2;
    }
    if (!options.writeTo.empty()) {
        fs::path folder(options.writeTo);
        std::ofstream(folder / "taps.txt", std::ios::binary) << tableTaps(options.events).text;
        std::ofstream(folder / "mix.txt", std::ios::binary) << gameMix(options.events).text;
        return 0;
    }
    if (options.latencyOnly) {
        TapFigures figures = measureTapLatency(options.taps);
        std::printf("%.3f %.3f\n", figures.average, figures.bestBatch);
        return 0;
    }
    bool same = measureThroughput(options);
    printLatency("this build", measureTapLatency(options.taps));
    if (!options.baseline.empty()) {
        fs::path tool =
            fs::path(options.baseline).parent_path() / "benchmarks" / "talonix_throughput";
        if (auto other = latencyOf(tool, options.taps)) {
            printLatency("baseline", *other);
        } else {
            std::printf("one-card selection: no %s to measure the baseline with\n", tool.c_str());
        }
        std::printf("outputs of the two builds: %s\n", same ? "identical" : "DIFFERENT");
    }
    return same ? 0 : 1;
}
