// SPDX-License-Identifier: MIT
// The headless backend: input comes from an event script, one line at a
// time; results go to standard output as JSON lines.
#pragma once

#include <deque>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/core/frame_recorder.h"

namespace platform {

class ScriptBackend final : public Backend, public ScriptHooks {
  public:
    // err gets the script:LINE: messages of malformed lines.
    ScriptBackend(std::istream& script, std::ostream& out, std::ostream& err);

    bool showsScreen() const override { return frames_.recording(); }
    void present(const Surface& screen) override { frames_.present(screen); }
    bool waitForInput(uint32_t /*ms*/) override { return frames_.stepShown(); }
    InputEvent waitEvent() override;
    std::optional<int> answerMessageBox(const MessageBoxInfo& box) override;
    void messageBoxClosed(const MessageBoxInfo& box, int result) override;
    void dialogClosed(int templateId, INT_PTR result) override;
    void menuClosed(const std::vector<MenuItemInfo>& items, UINT_PTR chosen) override;

  private:
    // Reads lines until one yields input; handles state, shot and answer lines
    // on the way.
    InputEvent readEvent();

    // One parser for each kind of line. An event goes to the program; no event
    // means the line was handled here and reading goes on.
    using Words = std::vector<std::string>;
    using LineParser = std::optional<InputEvent> (ScriptBackend::*)(const Words& words);
    static LineParser parserFor(const std::string& verb);
    std::optional<InputEvent> parsePen(const Words& words);
    std::optional<InputEvent> parseCommand(const Words& words);
    std::optional<InputEvent> parseKey(const Words& words);
    std::optional<InputEvent> parseAnswer(const Words& words);
    std::optional<InputEvent> parseDialogControl(const Words& words);
    std::optional<InputEvent> parseState(const Words& words);
    std::optional<InputEvent> parseShot(const Words& words);
    std::optional<InputEvent> parseDeal(const Words& words);
    std::optional<InputEvent> parseType(const Words& words);
    InputEvent malformed(const std::string& what);
    // Standard output took no more: the run ends with status 1.
    InputEvent outputFailed();
    void writeState();

    std::istream& script_;
    std::ostream& out_;
    std::ostream& err_;
    int lineNumber_ = 0;
    int endOfScriptSeen_ = 0;
    // Set by a line that stopped the run: every later request for input
    // gets the same stop, and no line after it is read.
    std::optional<InputEvent> stopped_;
    std::deque<InputEvent> pending_; // the later parts of tap and dbl
    std::string line_;               // the line being read and its words,
    std::vector<std::string> words_; // kept to reuse their storage
    FrameRecorder frames_;
};

} // namespace platform
