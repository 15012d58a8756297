// SPDX-License-Identifier: MIT
// The manual page and --help stay in step: the options the program prints
// in its help are the options the manual page's OPTIONS section describes,
// no more and no fewer.
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "program_session.h"

namespace {

using Names = std::set<std::string>;

// The tags of the OPTIONS section: the line after each .TP, with the
// page's escaped dashes read as dashes.
Names manualPageOptions(const std::string& page) {
    static const std::regex option(R"((?:^|[\s"])(--?[a-z]+))");
    std::istringstream lines(page);
    Names names;
    bool inOptions = false;
    bool tagFollows = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(".SH", 0) == 0) {
            inOptions = line == ".SH OPTIONS";
        } else if (inOptions && tagFollows) {
            line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
            for (std::sregex_iterator it(line.begin(), line.end(), option), end; it != end; ++it) {
                names.insert((*it)[1]);
            }
        }
        tagFollows = line == ".TP";
    }
    return names;
}

// The first column of the help's option lines ("  -h,--help   ...").
Names helpOptions(const std::string& help) {
    std::istringstream lines(help);
    Names names;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  -", 0) != 0) {
            continue;
        }
        std::istringstream column(line.substr(0, line.find(' ', 2)));
        for (std::string name; std::getline(column >> std::ws, name, ',');) {
            names.insert(name);
        }
    }
    return names;
}

TEST(ManualPageTest, DescribesTheOptionsOfTheHelp) {
    const RunResult help = runScript({"--help"}, "");
    ASSERT_EQ(help.status, 0) << help.errors;
    EXPECT_NE(help.output.find("Usage: talonix [OPTIONS] [q7K]\n"), std::string::npos)
        << help.output;
    const Names inHelp = helpOptions(help.output);
    EXPECT_GE(inHelp.size(), 8U) << help.output;
    EXPECT_EQ(manualPageOptions(readTextFile(TALONIX_SOURCE_DIR "/packaging/talonix.6")), inHelp);
}

// The match command has a help of its own, and refuses an opponent it does
// not know with the command line's usual status.
TEST(ManualPageTest, TheMatchCommandHelpsAndRefuses) {
    for (const auto& [arguments, status] :
         {std::pair{" --match 1 --help", 0}, {" --match 1 --variant 0 handheld nobody", 2}}) {
        const int raw =
            std::system((std::string(TALONIX_BINARY) + arguments + " >/dev/null 2>&1").c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, status) << arguments;
    }
}

} // namespace
