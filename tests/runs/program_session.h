// SPDX-License-Identifier: MIT
// Running the built program headless: a whole script at once, or line by
// line over pipes, reading the events each line produces.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

struct RunResult {
    std::string output; // standard output, byte for byte
    std::string errors; // standard error
    int status = -1;    // exit status, or -1 when the program did not exit normally
};

// A fresh, empty folder for one test's files.
std::string makeScratchFolder();
void writeTextFile(const std::string& path, const std::string& text);
std::string readTextFile(const std::string& path);
// A settings file's text holding "name=value ..." (values as C numbers).
std::string settingsText(const std::string& values);
// Every line of the output read as JSON.
std::vector<nlohmann::json> eventsOf(const std::string& output);

// Checks the fields "/json/pointer=json|..." of a state or event; a row's
// card count reads as "<row>Count", the computer's open cards as
// "computerFaceUp".
void expectFields(nlohmann::json state, const std::string& expected);

// Runs `talonix --headless --script FILE <arguments>` with the script text.
RunResult runScript(const std::vector<std::string>& arguments, const std::string& script);

// The program reading its script from a pipe: each line sent is followed by
// a `state` line, and the events up to that state are read back.
class ProgramSession {
  public:
    explicit ProgramSession(const std::vector<std::string>& arguments);
    ~ProgramSession() { finish(); }
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // The events the line produced, its state line last. Empty when the
    // program has ended.
    std::vector<nlohmann::json> send(const std::string& line);
    // Closes the script and waits for the exit status.
    int finish();

    // Every line sent, as a script that replays the session.
    const std::string& script() const { return script_; }
    // Everything the program wrote.
    const std::string& output() const { return output_; }

  private:
    bool readLine(std::string& line);

    int pid_ = -1;
    FILE* toProgram_ = nullptr;
    FILE* fromProgram_ = nullptr;
    std::string script_, output_;
    int status_ = -1;
};
