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

namespace {

std::vector<std::string> commandFor(const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {TALONIX_BINARY, "--headless"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

// Starts the program with its standard input and output on pipes; standard
// error goes nowhere.
int startProgram(const std::vector<std::string>& command, int* toProgram, int* fromProgram) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDERR_FILENO);
        close(in[0]);
        close(in[1]);
        close(out[0]);
        close(out[1]);
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
    *toProgram = in[1];
    *fromProgram = out[0];
    return pid;
}

int waitForExit(int pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

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
    std::ofstream file(path, std::ios::binary);
    file << text;
}

std::string readTextFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeSettingsWithType(const std::string& path, int type) {
    char value[16];
    std::snprintf(value, sizeof value, "%08x", static_cast<unsigned>(type));
    writeTextFile(path, std::string("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n") +
                            "\"type\"=dword:" + value + "\n");
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
    RunResult result;
    {
        ProgramSession program(arguments, folder + "/script.txt");
        result.status = program.finish();
        result.output = program.output();
    }
    std::filesystem::remove_all(folder);
    return result;
}

ProgramSession::ProgramSession(const std::vector<std::string>& arguments,
                               const std::string& scriptPath) {
    // A program that has ended must not take the test down with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> command = commandFor(arguments);
    command.push_back("--script");
    command.push_back(scriptPath);
    pid_ = startProgram(command, &toProgram_, &fromProgram_);
}

ProgramSession::~ProgramSession() {
    finish();
}

bool ProgramSession::readLine(std::string& line) {
    while (true) {
        const auto end = pending_.find('\n');
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        char buffer[65536];
        const ssize_t got = read(fromProgram_, buffer, sizeof buffer);
        if (got <= 0) {
            return false;
        }
        output_.append(buffer, static_cast<size_t>(got));
        pending_.append(buffer, static_cast<size_t>(got));
    }
}

std::vector<nlohmann::json> ProgramSession::send(const std::string& line) {
    std::vector<nlohmann::json> events;
    if (toProgram_ < 0) {
        return events;
    }
    const std::string text = line + "\nstate\n";
    script_ += text;
    if (write(toProgram_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        return events;
    }
    std::string received;
    while (readLine(received)) {
        events.push_back(nlohmann::json::parse(received, nullptr, false));
        if (events.back().is_object() && events.back().value("event", "") == "state") {
            break;
        }
    }
    return events;
}

int ProgramSession::finish() {
    if (pid_ < 0) {
        return status_;
    }
    if (toProgram_ >= 0) {
        close(toProgram_);
        toProgram_ = -1;
    }
    std::string rest;
    while (readLine(rest)) {
    }
    close(fromProgram_);
    fromProgram_ = -1;
    status_ = waitForExit(pid_);
    pid_ = -1;
    return status_;
}
