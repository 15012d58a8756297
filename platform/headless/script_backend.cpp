// SPDX-License-Identifier: MIT
#include "platform/headless/script_backend.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "platform/dialogs/script_lines.h"
#include "platform/headless/script_words.h"
#include "platform/headless/state_reporter.h"
#include "platform/messages.h"
#include "platform/screen.h"
#include "platform/utf.h"

namespace platform {
namespace {

bool parseInt(const std::string& text, int32_t& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end;
}

InputEvent makeEvent(InputEvent::Type type, int32_t x = 0, int32_t y = 0) {
    InputEvent event;
    event.type = type;
    event.x = x;
    event.y = y;
    return event;
}

// The keys a script can strike, by the names docs/headless.md lists.
struct ScriptKey {
    const char* name;
    uint32_t code; // a virtual key, or the character for a typed key
    bool alt;
    bool control;
    bool typed; // delivered as a character ("/" is whatever key makes it)
};

constexpr ScriptKey scriptKeys[] = {
    {"alt+n", 'N', true, false, false},
    {"alt+f4", VK_F4, true, false, false},
    {"alt+/", '/', true, false, true},
    {"ctrl+n", 'N', false, true, false},
    {"ctrl+o", 'O', false, true, false},
    {"ctrl+t", 'T', false, true, false},
    {"ctrl+z", 'Z', false, true, false},
    {"ctrl+y", 'Y', false, true, false},
    {"menu", VK_APPS, false, false, false},
    {"f1", VK_F1, false, false, false},
    {"left", VK_LEFT, false, false, false},
    {"right", VK_RIGHT, false, false, false},
    {"up", VK_UP, false, false, false},
    {"down", VK_DOWN, false, false, false},
    {"home", VK_HOME, false, false, false},
    {"end", VK_END, false, false, false},
    {"pageup", VK_PRIOR, false, false, false},
    {"pagedown", VK_NEXT, false, false, false},
    {"space", VK_SPACE, false, false, false},
    {"enter", VK_RETURN, false, false, false},
    {"escape", VK_ESCAPE, false, false, false},
    {"backspace", VK_BACK, false, false, false},
    {"tab", VK_TAB, false, false, false},
    {"t", 'T', false, false, false},
    {"s", 'S', false, false, false},
    {"h", 'H', false, false, false},
    {"w", 'W', false, false, false},
    {"l", 'L', false, false, false},
};

const ScriptKey* findScriptKey(const std::string& name) {
    for (const ScriptKey& key : scriptKeys) {
        if (name == key.name) {
            return &key;
        }
    }
    return nullptr;
}

std::string json(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

ScriptBackend::ScriptBackend(std::istream& script, std::ostream& out, std::ostream& err)
    : script_(script), out_(out), err_(err) {}

InputEvent ScriptBackend::waitEvent() {
    if (stopped_) {
        return *stopped_;
    }
    if (!pending_.empty()) {
        InputEvent event = pending_.front();
        pending_.pop_front();
        return event;
    }
    return readEvent();
}

InputEvent ScriptBackend::malformed(const std::string& what) {
    err_ << "script:" << lineNumber_ << ": " << shownMessage(what) << std::endl;
    InputEvent event = makeEvent(InputEvent::Type::Quit);
    event.exitCode = 2;
    stopped_ = event;
    return event;
}

InputEvent ScriptBackend::outputFailed() {
    err_ << "talonix: cannot write the results to standard output" << std::endl;
    InputEvent event = makeEvent(InputEvent::Type::Quit);
    event.exitCode = 1;
    stopped_ = event;
    return event;
}

InputEvent ScriptBackend::readEvent() {
    while (!out_.fail() && std::getline(script_, line_)) {
        ++lineNumber_;
        if (!line_.empty() && line_.back() == '\r') {
            line_.pop_back();
        }
        if (line_.find('\0') != std::string::npos) {
            return malformed("a NUL byte in the line");
        }
        splitWords(line_, words_);
        if (words_.empty() || words_[0][0] == '#') {
            continue;
        }
        LineParser parse = parserFor(words_[0]);
        if (parse == nullptr) {
            return malformed("unknown line '" + words_[0] + "'");
        }
        if (std::optional<InputEvent> event = (this->*parse)(words_)) {
            return *event;
        }
    }
    if (out_.fail()) {
        return outputFailed();
    }
    // The end of the script acts as Exit; should the program not stop, the
    // next request for input stops it.
    ++endOfScriptSeen_;
    InputEvent event =
        makeEvent(endOfScriptSeen_ == 1 ? InputEvent::Type::Close : InputEvent::Type::Quit);
    return event;
}

ScriptBackend::LineParser ScriptBackend::parserFor(const std::string& verb) {
    static const std::pair<const char*, LineParser> parsers[] = {
        {"tap", &ScriptBackend::parsePen},
        {"down", &ScriptBackend::parsePen},
        {"up", &ScriptBackend::parsePen},
        {"dbl", &ScriptBackend::parsePen},
        {"hold", &ScriptBackend::parsePen},
        {"command", &ScriptBackend::parseCommand},
        {"key", &ScriptBackend::parseKey},
        {"answer", &ScriptBackend::parseAnswer},
        {"check", &ScriptBackend::parseDialogControl},
        {"select", &ScriptBackend::parseDialogControl},
        {"press", &ScriptBackend::parseDialogControl},
        {"state", &ScriptBackend::parseState},
        {"shot", &ScriptBackend::parseShot},
        {"deal", &ScriptBackend::parseDeal},
        {"type", &ScriptBackend::parseType},
    };
    for (const auto& [name, parse] : parsers) {
        if (verb == name) {
            return parse;
        }
    }
    return nullptr;
}

std::optional<InputEvent> ScriptBackend::parsePen(const Words& words) {
    const std::string& verb = words[0];
    int32_t x = 0;
    int32_t y = 0;
    if (words.size() != 3 || !parseInt(words[1], x) || !parseInt(words[2], y)) {
        return malformed("'" + verb + "' takes two whole numbers: " + verb + " X Y");
    }
    if (x < 0 || y < 0 || x >= SCREEN_WIDTH || y >= SCREEN_HEIGHT) {
        return malformed("point " + words[1] + " " + words[2] +
                         " lies outside the 240 x 320 screen");
    }
    using Type = InputEvent::Type;
    if (verb == "down") {
        return makeEvent(Type::PenDown, x, y);
    }
    if (verb == "up") {
        return makeEvent(Type::PenUp, x, y);
    }
    if (verb == "hold" && pressHoldsAt(x, y)) {
        return makeEvent(Type::PenHold, x, y);
    }
    // A press held anywhere but on the table is a tap.
    if (verb == "tap" || verb == "hold") {
        pending_.push_back(makeEvent(Type::PenUp, x, y));
        return makeEvent(Type::PenDown, x, y);
    }
    // A double tap: the first tap, then the second press arrives as
    // the double-tap message, then its pen-up.
    pending_.push_back(makeEvent(Type::PenUp, x, y));
    pending_.push_back(makeEvent(Type::PenDoubleTap, x, y));
    pending_.push_back(makeEvent(Type::PenUp, x, y));
    return makeEvent(Type::PenDown, x, y);
}

std::optional<InputEvent> ScriptBackend::parseCommand(const Words& words) {
    int32_t id = 0;
    if (words.size() != 2 || !parseInt(words[1], id) || id < 0 || id > 0xFFFF) {
        return malformed("'command' takes one command id from 0 to 65535");
    }
    InputEvent event = makeEvent(InputEvent::Type::Command);
    event.id = id;
    return event;
}

std::optional<InputEvent> ScriptBackend::parseKey(const Words& words) {
    if (words.size() != 2) {
        return malformed("'key' takes one key name, such as left or alt+n");
    }
    const ScriptKey* key = findScriptKey(words[1]);
    if (key == nullptr) {
        return malformed("unknown key '" + words[1] + "' (see docs/headless.md)");
    }
    InputEvent event = makeEvent(key->typed ? InputEvent::Type::Char : InputEvent::Type::Key);
    event.key = key->code;
    event.alt = key->alt;
    event.control = key->control;
    return event;
}

std::optional<InputEvent> ScriptBackend::parseAnswer(const Words& words) {
    static const std::pair<const char*, int> answers[] = {
        {"ok", IDOK}, {"yes", IDYES}, {"no", IDNO}, {"cancel", IDCANCEL}};
    const std::pair<const char*, int>* found = nullptr;
    for (const auto& entry : answers) {
        if (words.size() == 2 && words[1] == entry.first) {
            found = &entry;
        }
    }
    if (found == nullptr) {
        return malformed("'answer' takes one of ok, yes, no, cancel");
    }
    queueMessageBoxAnswer(found->second);
    return std::nullopt;
}

namespace {

// check, select and press: what each takes and what it becomes.
struct DialogVerb {
    const char* name;
    size_t arguments;
    const char* usage;
    UINT message;
    InputEvent::Type type;
};

const DialogVerb dialogVerbs[] = {
    {"check", 2, "'check' takes a control id and 0 or 1", WM_SCRIPT_CHECK,
     InputEvent::Type::DialogCheck},
    {"select", 2, "'select' takes a control id and a line index", WM_SCRIPT_SELECT,
     InputEvent::Type::DialogSelect},
    {"press", 1, "'press' takes a control id", WM_SCRIPT_PRESS, InputEvent::Type::DialogPress},
};

} // namespace

// check, select and press: a control of the open dialog.
std::optional<InputEvent> ScriptBackend::parseDialogControl(const Words& words) {
    // Only these three verbs come here; the search stops at the last.
    const DialogVerb* verb =
        std::find_if(std::begin(dialogVerbs), std::end(dialogVerbs) - 1,
                     [&](const DialogVerb& entry) { return words[0] == entry.name; });
    int32_t id = 0;
    int32_t value = 0;
    if (words.size() - 1 != verb->arguments || !parseInt(words[1], id) ||
        (verb->arguments == 2 && !parseInt(words[2], value))) {
        return malformed(verb->usage);
    }
    if (verb->message == WM_SCRIPT_CHECK && value != 0 && value != 1) {
        return malformed("'check' takes 0 or 1, not " + words[2]);
    }
    if (!modalDialogOpen()) {
        return malformed("'" + words[0] + "' needs an open dialog");
    }
    if (std::string problem = scriptLineError(verb->message, id, value); !problem.empty()) {
        return malformed(problem);
    }
    InputEvent event = makeEvent(verb->type);
    event.id = id;
    event.value = value;
    return event;
}

std::optional<InputEvent> ScriptBackend::parseState(const Words& words) {
    if (words.size() != 1) {
        return malformed("'state' takes nothing");
    }
    writeState();
    return std::nullopt;
}

// The file name is the rest of the line, spaces and all.
std::optional<InputEvent> ScriptBackend::parseShot(const Words& /*words*/) {
    size_t at = line_.find("shot") + 4;
    size_t start = line_.find_first_not_of(" \t", at);
    size_t end = line_.find_last_not_of(" \t");
    if (start == std::string::npos) {
        return malformed("'shot' takes a file name");
    }
    std::string path = line_.substr(start, end - start + 1);
    // Anything else (a FIFO, a device) could block the run or is not a file.
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        return malformed("'shot' writes only to a regular file, not '" + path + "'");
    }
    if (!writePng(composeScreen(), path)) {
        return malformed("cannot write the screenshot '" + path + "'");
    }
    return std::nullopt;
}

std::optional<int> ScriptBackend::answerMessageBox(const MessageBoxInfo& box) {
    return takeMessageBoxAnswer(box.style);
}

void ScriptBackend::messageBoxClosed(const MessageBoxInfo& box, int result) {
    nlohmann::ordered_json event;
    event["event"] = "messagebox";
    event["text"] = utf8FromUtf16(box.text);
    event["caption"] = utf8FromUtf16(box.caption);
    event["style"] = box.style;
    event["result"] = result;
    out_ << json(event) << '\n' << std::flush;
}

void ScriptBackend::dialogClosed(int templateId, INT_PTR result) {
    nlohmann::ordered_json event;
    event["event"] = "dialog";
    event["template"] = templateId;
    event["result"] = result;
    out_ << json(event) << '\n' << std::flush;
}

void ScriptBackend::writeState() {
    out_ << stateLine() << '\n' << std::flush;
}

} // namespace platform
