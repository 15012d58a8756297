// SPDX-License-Identifier: MIT
#include "program_session.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

std::string makeScratchFolder() {
    static std::atomic<int> counter{0};
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("talonix-runs-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

void writeTextFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readTextFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::string settingsText(const std::string& values) {
    std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";
    std::istringstream words(values);
    for (std::string word; words >> word;) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08lx",
                      std::stoul(word.substr(word.find('=') + 1), nullptr, 0));
        text += "\"" + word.substr(0, word.find('=')) + "\"=dword:" + digits + "\n";
    }
    return text;
}

std::vector<nlohmann::json> eventsOf(const std::string& output) {
    std::vector<nlohmann::json> events;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        events.push_back(nlohmann::json::parse(line, nullptr, false));
    }
    return events;
}

void expectFields(nlohmann::json state, const std::string& expected) {
    for (const char* row : {"computerHand", "computerTableRow", "humanTableRow", "humanHand"}) {
        if (state.contains(row)) {
            state[std::string(row) + "Count"] = state[row]["cards"].size();
        }
    }
    if (state.contains("computerHand")) {
        int faceUp = 0;
        for (const auto& card : state["computerHand"]["cards"]) {
            faceUp += card["faceDown"] == 0 ? 1 : 0;
        }
        state["computerFaceUp"] = faceUp;
    }
    std::istringstream items(expected);
    for (std::string item; std::getline(items, item, '|');) {
        const std::string key = item.substr(0, item.find('='));
        const auto pointer = nlohmann::json::json_pointer(key[0] == '/' ? key : "/" + key);
        ASSERT_TRUE(state.contains(pointer)) << key << " in " << state.dump();
        EXPECT_EQ(state[pointer], nlohmann::json::parse(item.substr(key.size() + 1))) << key;
    }
}

RunResult runScript(const std::vector<std::string>& arguments, const std::string& script) {
    const std::string folder = makeScratchFolder();
    writeTextFile(folder + "/script.txt", script);
    std::string command =
        std::string(TALONIX_BINARY) + " --headless --script " + folder + "/script.txt";
    for (const std::string& argument : arguments) {
        command += " '" + argument + "'";
    }
    const int raw = std::system((command + " >" + folder + "/out 2>" + folder + "/err").c_str());
    RunResult result{readTextFile(folder + "/out"), readTextFile(folder + "/err"),
                     WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    std::filesystem::remove_all(folder);
    return result;
}

// Standard input and output on pipes; standard error goes nowhere.
ProgramSession::ProgramSession(const std::vector<std::string>& arguments) {
    // A program that has ended must not take the test down with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> command = {TALONIX_BINARY, "--headless"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        for (int end : {in[0], in[1], out[0], out[1]}) {
            close(end);
        }
        std::vector<char*> argv;
        for (const std::string& word : command) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toProgram_ = fdopen(in[1], "w");
    fromProgram_ = fdopen(out[0], "r");
}

std::vector<nlohmann::json> ProgramSession::send(const std::string& line) {
    std::vector<nlohmann::json> events;
    const std::string text = line + "\nstate\n";
    script_ += text;
    if (toProgram_ == nullptr || std::fputs(text.c_str(), toProgram_) < 0 ||
        std::fflush(toProgram_) != 0) {
        return events;
    }
    for (std::string received; readLine(received);) {
        events.push_back(nlohmann::json::parse(received, nullptr, false));
        if (events.back().is_object() && events.back().value("event", "") == "state") {
            break;
        }
    }
    return events;
}

bool ProgramSession::readLine(std::string& line) {
    line.clear();
    for (int c; (c = std::fgetc(fromProgram_)) != EOF;) {
        output_ += static_cast<char>(c);
        if (c == '\n') {
            return true;
        }
        line += static_cast<char>(c);
    }
    return false;
}

int ProgramSession::finish() {
    if (pid_ < 0) {
        return status_;
    }
    std::fclose(toProgram_);
    toProgram_ = nullptr;
    for (std::string rest; readLine(rest);) {
    }
    std::fclose(fromProgram_);
    int raw = -1;
    while (waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return status_;
}
