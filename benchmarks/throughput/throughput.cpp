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
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/core/clock.h"
#include "platform/registry/registry_store.h"
#include "platform/window_api.h"
#include "window/main_window.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr uint32_t seed = 20240613;
const char* const fixedClock = "12:34:56.789";

// Uniform enough for spreading taps; the same numbers on every platform.
class Dice {
  public:
    explicit Dice(uint32_t start) : engine_(start) {}
    int32_t between(int32_t low, int32_t high) { // both included
        return low + static_cast<int32_t>(engine_() % static_cast<uint32_t>(high - low + 1));
    }
    bool chance(int percent) { return between(0, 99) < percent; }

  private:
    std::mt19937 engine_;
};

struct Script {
    std::string text;
    long events = 0;
    void line(const std::string& text_) {
        text += text_;
        text += '\n';
        ++events;
    }
    void tap(int32_t x, int32_t y) { line("tap " + std::to_string(x) + " " + std::to_string(y)); }
};

// A tap on the hand, the play area, the action button or the sort button.
void tableTap(Script& script, Dice& dice) {
    int where = dice.between(0, 99);
    if (where < 60) {
        script.tap(dice.between(2, 197), dice.between(141, 226));
    } else if (where < 85) {
        script.tap(dice.between(2, 199), dice.between(94, 140));
    } else if (where < 95) {
        script.tap(dice.between(204, 236), dice.between(170, 202));
    } else {
        script.tap(dice.between(204, 236), dice.between(120, 152));
    }
}

Script tableTaps(long events) {
    Script script;
    Dice dice(seed);
    while (script.events < events) {
        tableTap(script, dice);
    }
    return script;
}

Script gameMix(long events) {
    Script script;
    Dice dice(seed + 1);
    while (script.events < events) {
        int what = dice.between(0, 999);
        if (what < 550) {
            int taps = dice.between(3, 12);
            for (int i = 0; i < taps; ++i) {
                tableTap(script, dice);
            }
        } else if (what < 700) {
            // A play that may ask whether to transfer.
            script.line(dice.chance(50) ? "answer yes" : "answer no");
            script.tap(dice.between(2, 197), dice.between(141, 182));
            script.tap(dice.between(2, 199), dice.between(94, 140));
        } else if (what < 780) {
            script.line(dice.chance(50) ? "command 40012" : "key alt+n");
        } else if (what < 860) {
            script.line("command 40014"); // options, closed without a change
            script.line("command 2");
        } else if (what < 940) {
            script.line("command 40015"); // statistics
            script.line(dice.chance(50) ? "command 1" : "command 2");
        } else if (what < 990) {
            script.line("answer ok");
            script.line(dice.chance(50) ? "command 40003" : "key alt+/"); // about
        } else {
            script.line(dice.chance(50) ? "command 40017" : "command 40013"); // rules
            script.line("command 2");
        }
    }
    return script;
}

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

// The headless backend's answers to message boxes, without a script: input
// is taps that select one card of the hand after another. The time from
// handing out a pen-down to the next request for input is the time the
// program takes to act on it and paint everything it invalidated.
class TapTimer final : public platform::Backend, public platform::ScriptHooks {
  public:
    TapTimer(long taps, long warmUp) : taps_(taps), warmUp_(warmUp) {}

    bool showsScreen() const override { return false; }
    std::optional<int> answerMessageBox(const platform::MessageBoxInfo& box) override {
        return platform::takeMessageBoxAnswer(box.style);
    }

    platform::InputEvent waitEvent() override {
        auto now = Clock::now();
        if (timing_) {
            Clock::duration taken = now - penDownAt_;
            total_ += taken;
            batch_ += taken;
            timing_ = false;
            if (++timed_ % batchSize == 0) {
                bestBatch_ = std::min(bestBatch_, batch_);
                batch_ = Clock::duration{};
            }
        }
        platform::InputEvent event;
        if (step_ / 2 >= taps_ + warmUp_) {
            event.type = platform::InputEvent::Type::Close;
            return event;
        }
        // The first two cards of the hand in turn: each tap selects one and
        // clears the other.
        long tap = step_ / 2;
        event.x = tap % 2 == 0 ? 4 : 32;
        event.y = 143;
        bool down = step_ % 2 == 0;
        ++step_;
        event.type = down ? platform::InputEvent::Type::PenDown : platform::InputEvent::Type::PenUp;
        if (down && tap >= warmUp_) {
            timing_ = true;
            penDownAt_ = Clock::now();
        }
        return event;
    }

    struct Figures {
        double average = 0;   // microseconds, over every timed tap
        double bestBatch = 0; // the average of the fastest batch of taps
    };
    Figures figures() const {
        auto micro = [](Clock::duration time, long count) {
            return std::chrono::duration<double, std::micro>(time).count() /
                   static_cast<double>(std::max(1L, count));
        };
        return Figures{micro(total_, timed_), micro(bestBatch_, batchSize)};
    }

  private:
    long taps_;
    long warmUp_;
    long step_ = 0;
    long timed_ = 0;
    bool timing_ = false;
    Clock::time_point penDownAt_;
    Clock::duration total_{};
    // The machine may be shared: the fastest batch shows the cost without
    // the time other processes took.
    static constexpr long batchSize = 1000;
    Clock::duration batch_{};
    Clock::duration bestBatch_ = Clock::duration::max();
};

TapTimer::Figures measureTapLatency(long taps) {
    platform::useMemorySettings();
    platform::setFixedClock(12, 34, 56, 789);
    auto timer = std::make_unique<TapTimer>(taps, 10000);
    TapTimer* watch = timer.get();
    platform::setBackend(std::move(timer));
    static char instanceTag;
    WinMain(reinterpret_cast<HINSTANCE>(&instanceTag), nullptr, nullptr, SW_SHOW);
    return watch->figures();
}

// Another build's figures: its own copy of this tool, if it has one.
std::optional<TapTimer::Figures> latencyOf(const fs::path& tool, long taps) {
    if (!fs::exists(tool)) {
        return std::nullopt;
    }
    std::string command = tool.string() + " --latency-only --taps " + std::to_string(taps);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    TapTimer::Figures figures;
    if (!pipe || std::fscanf(pipe.get(), "%lf %lf", &figures.average, &figures.bestBatch) != 2) {
        return std::nullopt;
    }
    return figures;
}

void printLatency(const char* build, TapTimer::Figures figures) {
    std::printf("one-card selection, pen-down to pixels, %-10s  average %7.3f us  (fastest "
                "batch of 1000: %7.3f us)\n",
                build, figures.average, figures.bestBatch);
}

fs::path ownFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

} // namespace

int main(int argc, char** argv) {
    long events = 1000000;
    long taps = 200000;
    std::string program = (ownFolder().parent_path() / "talonix").string();
    std::string baseline;
    fs::path settingsDir =
        fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    bool latencyOnly = false;
    std::string writeTo;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        bool hasValue = i + 1 < argc;
        if (option == "--events" && hasValue) {
            events = std::atol(argv[++i]);
        } else if (option == "--taps" && hasValue) {
            taps = std::atol(argv[++i]);
        } else if (option == "--program" && hasValue) {
            program = argv[++i];
        } else if (option == "--baseline" && hasValue) {
            baseline = argv[++i];
        } else if (option == "--settings-dir" && hasValue) {
            settingsDir = argv[++i];
        } else if (option == "--write-scripts" && hasValue) {
            writeTo = argv[++i];
        } else if (option == "--latency-only") {
            latencyOnly = true;
        } else {
            std::cerr << "usage: talonix_throughput [--events N] [--program TALONIX] "
                         "[--baseline TALONIX] [--settings-dir DIR] [--latency-only] [--taps N] "
                         "[--write-scripts DIR]\n";
            return 2;
        }
    }
    if (!writeTo.empty()) {
        std::ofstream(fs::path(writeTo) / "taps.txt", std::ios::binary) << tableTaps(events).text;
        std::ofstream(fs::path(writeTo) / "mix.txt", std::ios::binary) << gameMix(events).text;
        return 0;
    }
    if (latencyOnly) {
        TapTimer::Figures figures = measureTapLatency(taps);
        std::printf("%.3f %.3f\n", figures.average, figures.bestBatch);
        return 0;
    }

    fs::path scratch =
        fs::temp_directory_path() / ("talonix-throughput-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    fs::path settings = settingsDir / ("talonix-throughput-" + std::to_string(getpid()) + ".reg");

    struct Named {
        const char* name;
        Script script;
    };
    std::vector<Named> scripts;
    scripts.push_back({"table taps", tableTaps(events)});
    scripts.push_back({"game mix", gameMix(events)});

    std::vector<std::pair<std::string, std::string>> programs{{"this build", program}};
    if (!baseline.empty()) {
        programs.emplace_back("baseline", baseline);
    }
    bool same = true;
    std::printf("settings file: %s\n", settings.c_str());
    for (const Named& entry : scripts) {
        fs::path scriptPath =
            scratch / (std::string(entry.name[0] == 't' ? "taps" : "mix") + ".txt");
        std::ofstream(scriptPath, std::ios::binary) << entry.script.text;
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
            std::printf("%-10s  %-10s  exit %d; %ld message boxes, %ld dialogs, %ld games won\n",
                        "", "", run.status, boxes, dialogs, games);
            if (p == 0) {
                firstOutput = run.output;
            } else if (run.output != firstOutput) {
                same = false;
                std::printf("%-10s  the outputs of the two builds differ\n", entry.name);
            }
        }
    }
    fs::remove(settings);
    fs::remove_all(scratch);

    printLatency("this build", measureTapLatency(taps));
    if (!baseline.empty()) {
        fs::path tool = fs::path(baseline).parent_path() / "benchmarks" / "talonix_throughput";
        if (auto other = latencyOf(tool, taps)) {
            printLatency("baseline", *other);
        } else {
            std::printf("one-card selection: no %s to measure the baseline with\n", tool.c_str());
        }
    }
    if (!baseline.empty()) {
        std::printf("outputs of the two builds: %s\n", same ? "identical" : "DIFFERENT");
    }
    return same ? 0 : 1;
}
