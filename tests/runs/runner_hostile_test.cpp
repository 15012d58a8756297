// The program where its surroundings fail it: screenshots and results that
// cannot be written, bytes no script line holds, lines of any length,
// standard descriptors closed at start, command lines naming nothing, and no
// display to open a window on. Each says so in one short line, or nothing.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "runs/program_session.h"

namespace {

struct HostileRun {
    const char* what;
    std::string script;
    std::string arguments; // SCRIPT and FOLDER are filled in
    int status;
    std::string errorsStart; // "" when nothing may be said
    bool stateWritten;       // a state line reaches standard output
};

void PrintTo(const HostileRun& run, std::ostream* out) {
    *out << run.what;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

const HostileRun hostileRuns[] = {
    {"shot to a full device", "state\nshot /dev/full\nstate\n", "--headless --script SCRIPT", 2,
     "script:2: ", true},
    {"shot into proc", "shot /proc/self/status\n", "--headless --script SCRIPT", 2,
     "script:1: ", false},
    {"a NUL byte", "state\nshot FOLDER/a" + std::string(1, '\0') + "b.png\n",
     "--headless --script SCRIPT", 2, "script:2: a NUL byte", true},
    {"a huge line", "state\n" + std::string(1 << 20, 'x') + "\n", "--headless --script SCRIPT", 2,
     "script:2: unknown line 'xxx", true},
    {"results to a full device", "state\nstate\n", "--headless --script SCRIPT >/dev/full", 1,
     "talonix: cannot write", false},
    {"standard input closed", "", "--headless <&-", 0, "", false},
    {"standard output closed", "state\n", "--headless --script SCRIPT >&-", 0, "", false},
    {"an empty settings path", "state\n", "--headless --script SCRIPT --registry ''", 2,
     "talonix: --registry", false},
    {"a folder as the script", "state\n", "--headless --script FOLDER", 2,
     "talonix: cannot read the script", false},
    {"no display", "", "", 1, "talonix: cannot open a window: no display", false},
};

class HostileRunTest : public ::testing::TestWithParam<HostileRun> {};

TEST_P(HostileRunTest, EndsAsItShould) {
    const HostileRun& run = GetParam();
    std::string folder = makeScratchFolder();
    std::string script = run.script;
    replaceAll(script, "FOLDER", folder);
    writeTextFile(folder + "/script.txt", script);
    std::string arguments = run.arguments;
    replaceAll(arguments, "SCRIPT", folder + "/script.txt");
    replaceAll(arguments, "FOLDER", folder);
    // The redirections of the case come last, so they win.
    std::string settings = arguments.find("--registry") == std::string::npos
                               ? " --registry " + folder + "/settings.reg"
                               : "";
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " +
                          std::string(TALONIX_BINARY) + " --clock 12:34:56.789" + settings + " >" +
                          folder + "/out.txt 2>" + folder + "/err.txt " + arguments;
    int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << command;
    EXPECT_EQ(WEXITSTATUS(raw), run.status);

    std::string errors = readTextFile(folder + "/err.txt");
    if (run.errorsStart.empty()) {
        EXPECT_EQ(errors, "");
    } else {
        EXPECT_EQ(errors.rfind(run.errorsStart, 0), 0u) << errors.substr(0, 300);
        EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line";
    }
    EXPECT_LT(errors.size(), 300u) << "the offending line is not echoed whole";
    std::string output = readTextFile(folder + "/out.txt");
    EXPECT_EQ(output.rfind("{\"event\":\"state\"", 0) == 0, run.stateWritten)
        << output.substr(0, 100);
}

INSTANTIATE_TEST_SUITE_P(Runs, HostileRunTest, ::testing::ValuesIn(hostileRuns),
                         [](const auto& test) {
                             std::string name;
                             for (char c : std::string(test.param.what)) {
                                 if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
                                     name.push_back(c);
                                 }
                             }
                             return name;
                         });

} // namespace
