// A script line the program cannot carry out stops the run with its line
// number, exit status 2, and the settings already written kept.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "runs/program_session.h"

namespace {

struct Outcome {
    int status;
    std::string output;
    std::string errors;
};

Outcome runWithErrors(const std::string& folder, const std::string& script,
                      const std::string& extra = "") {
    writeTextFile(folder + "/script.txt", script);
    std::string command = std::string(TALONIX_BINARY) + " --headless --clock 12:34:56.789" +
                          " --registry " + folder + "/settings.reg --script " + folder +
                          "/script.txt " + extra + " >" + folder + "/out.txt 2>" + folder +
                          "/err.txt";
    int raw = std::system(command.c_str());
    int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return Outcome{status, readTextFile(folder + "/out.txt"), readTextFile(folder + "/err.txt")};
}

TEST(ScriptErrors, DialogLinesTheOpenDialogCannotTakeStopTheRun) {
    const std::pair<const char*, const char*> cases[] = {
        {"command 40014\nselect 1015 9\n", "script:2: "},
        {"command 40014\ncheck 4242 1\n", "script:2: "},
        {"command 40015\npress 1015\n", "script:2: "},
        {"# no dialog is open\npress 1\n", "script:2: "},
    };
    for (const auto& [script, prefix] : cases) {
        std::string folder = makeScratchFolder();
        Outcome outcome = runWithErrors(folder, script);
        EXPECT_EQ(outcome.status, 2) << script;
        EXPECT_EQ(outcome.errors.rfind(prefix, 0), 0u) << script << " gave " << outcome.errors;
    }
}

TEST(ScriptErrors, SettingsWrittenBeforeABadLineAreKept) {
    std::string folder = makeScratchFolder();
    // Confirming Options stores the variant; the line after it is broken.
    Outcome outcome = runWithErrors(folder, "command 40014\nselect 1015 3\npress 1\nfly 1 2\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.errors.find("script:4: "), std::string::npos) << outcome.errors;
    std::string settings = readTextFile(folder + "/settings.reg");
    EXPECT_NE(settings.find("\"type\"=dword:00000003"), std::string::npos) << settings;
}

TEST(ScriptErrors, BadCommandLinesAreRefusedBeforeAnythingRuns) {
    std::string folder = makeScratchFolder();
    Outcome badClock = runWithErrors(folder, "state\n", "--clock 25:00:00.000");
    EXPECT_EQ(badClock.status, 2);
    EXPECT_NE(badClock.errors.find("--clock"), std::string::npos);
    EXPECT_TRUE(badClock.output.empty());
    Outcome missingScript = runWithErrors(folder, "state\n", "--script /nonexistent/script");
    EXPECT_EQ(missingScript.status, 2);
}

} // namespace
