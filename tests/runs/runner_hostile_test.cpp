// SPDX-License-Identifier: MIT
// The program where its surroundings fail it: screenshots and results that
// cannot be written, bytes no script line holds, lines of any length,
// screenshots into what is not a file, control bytes echoed, standard
// descriptors closed at start, command lines naming nothing, and no
// display to open a window on. Each says so in one short line, or nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "runs/program_session.h"

namespace {

struct HostileRun {
    const char* name;
    std::string script;    // kept in script.txt
    std::string arguments; // run in the test's own folder
    int status;
    std::string errorsStart; // "" when nothing may be said
    bool stateWritten;       // a state line reaches standard output; else nothing
    std::string setup = "";  // shell commands run in the folder first
};

const HostileRun hostileRuns[] = {
    {"ShotToAFullDevice", "state\nshot /dev/full\nstate\n", "--headless --script script.txt", 2,
     "script:2: ", true},
    {"ShotIntoProc", "shot /proc/self/status\n", "--headless --script script.txt", 2,
     "script:1: ", false},
    {"ShotIntoAFifo", "state\nshot fifo\n", "--headless --script script.txt", 2,
     "script:2: 'shot' writes only to a regular file", true, "mkfifo fifo && "},
    {"ShotIntoADevice", "shot /dev/null\n", "--headless --script script.txt", 2,
     "script:1: 'shot' writes only to a regular file", false},
    {"ControlBytesAreEchoedEscaped", "\x1b[31mRED\x7f\n", "--headless --script script.txt", 2,
     "script:1: unknown line '\\x1b[31mRED\\x7f'\n", false},
    {"ManyControlBytes", std::string(300, '\x02') + "\n", "--headless --script script.txt", 2,
     "script:1: unknown line '\\x02\\x02", false},
    {"AnEmptyClock", "state\n", "--headless --script script.txt --clock ''", 2, "talonix: --clock",
     false},
    {"ANulByte", "state\nshot a" + std::string(1, '\0') + "b.png\n",
     "--headless --script script.txt", 2, "script:2: a NUL byte", true},
    {"AHugeLine", "state\n" + std::string(1 << 20, 'x') + "\n", "--headless --script script.txt", 2,
     "script:2: unknown line '" + std::string(186, 'x') + "...\n", true},
    {"LinesEndingInCrLf", "state\r\nstate \t\r\n", "--headless --script script.txt", 0, "", true},
    {"ResultsToAFullDevice", "state\nstate\n", "--headless --script script.txt >/dev/full", 1,
     "talonix: cannot write", false},
    {"StandardInputClosed", "", "--headless <&-", 0, "", false},
    {"StandardOutputClosed", "state\n", "--headless --script script.txt >&-", 0, "", false},
    {"AnEmptySettingsPath", "state\n", "--headless --script script.txt --registry ''", 2,
     "talonix: --registry", false},
    {"AFolderAsTheScript", "state\n", "--headless --script .", 2, "talonix: cannot read the script",
     false},
    {"NoDisplay", "", "", 1, "talonix: cannot open a window: no display", false},
};

void PrintTo(const HostileRun& run, std::ostream* out) {
    *out << run.name;
}

class HostileRunTest : public ::testing::TestWithParam<HostileRun> {};

TEST_P(HostileRunTest, EndsAsItShould) {
    const HostileRun& run = GetParam();
    const std::string folder = makeScratchFolder();
    writeTextFile(folder + "/script.txt", run.script);
    const std::string settings =
        run.arguments.find("--registry") == std::string::npos ? " --registry settings.reg" : "";
    const std::string clock =
        run.arguments.find("--clock") == std::string::npos ? " --clock 12:34:56.789" : "";
    // The redirections of the case come last, so they win.
    const std::string command = "cd " + folder + " && " + run.setup +
                                "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " +
                                TALONIX_BINARY + clock + settings + " >out.txt 2>err.txt " +
                                run.arguments;
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << command;
    EXPECT_EQ(WEXITSTATUS(raw), run.status);

    const std::string errors = readTextFile(folder + "/err.txt");
    if (run.errorsStart.empty()) {
        EXPECT_EQ(errors, "");
    } else {
        EXPECT_EQ(errors.rfind(run.errorsStart, 0), 0u) << errors.substr(0, 300);
        EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line";
    }
    EXPECT_LT(errors.size(), 300u) << "the offending line is not echoed whole";
    const std::string output = readTextFile(folder + "/out.txt");
    EXPECT_TRUE(run.stateWritten ? output.rfind("{\"event\":\"state\"", 0) == 0 : output.empty())
        << output.substr(0, 100);
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Runs, HostileRunTest, ::testing::ValuesIn(hostileRuns),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
