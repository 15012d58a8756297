#include "platform/headless/script_backend.h"

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "platform/dialogs/script_lines.h"
#include "platform/headless/state_reporter.h"
#include "platform/messages.h"
#include "platform/screen.h"
#include "platform/utf.h"

namespace platform {
namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) {
        words.push_back(word);
    }
    return words;
}

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

std::string json(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

ScriptBackend::ScriptBackend(std::istream& script, std::ostream& out, std::ostream& err)
    : script_(script), out_(out), err_(err) {}

InputEvent ScriptBackend::waitEvent() {
    if (!pending_.empty()) {
        InputEvent event = pending_.front();
        pending_.pop_front();
        return event;
    }
    return readEvent();
}

InputEvent ScriptBackend::malformed(const std::string& what) {
    err_ << "script:" << lineNumber_ << ": " << what << std::endl;
    InputEvent event = makeEvent(InputEvent::Type::Quit);
    event.exitCode = 2;
    return event;
}

InputEvent ScriptBackend::readEvent() {
    std::string line;
    while (std::getline(script_, line)) {
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::vector<std::string> words = splitWords(line);
        if (words.empty() || words[0][0] == '#') {
            continue;
        }
        const std::string& verb = words[0];
        auto argumentCount = words.size() - 1;

        if (verb == "tap" || verb == "down" || verb == "up" || verb == "dbl") {
            int32_t x = 0;
            int32_t y = 0;
            if (argumentCount != 2 || !parseInt(words[1], x) || !parseInt(words[2], y)) {
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
            if (verb == "tap") {
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
        if (verb == "command") {
            int32_t id = 0;
            if (argumentCount != 1 || !parseInt(words[1], id) || id < 0 || id > 0xFFFF) {
                return malformed("'command' takes one command id from 0 to 65535");
            }
            InputEvent event = makeEvent(InputEvent::Type::Command);
            event.id = id;
            return event;
        }
        if (verb == "key") {
            if (argumentCount != 1) {
                return malformed("'key' takes one of alt+n, alt+f4, alt+/");
            }
            InputEvent event = makeEvent(InputEvent::Type::Key);
            event.alt = true;
            if (words[1] == "alt+n") {
                event.key = 'N';
            } else if (words[1] == "alt+f4") {
                event.key = VK_F4;
            } else if (words[1] == "alt+/") {
                event.type = InputEvent::Type::Char;
                event.key = '/';
            } else {
                return malformed("unknown key '" + words[1] + "' (alt+n, alt+f4 or alt+/)");
            }
            return event;
        }
        if (verb == "answer") {
            static const std::pair<const char*, int> answers[] = {
                {"ok", IDOK}, {"yes", IDYES}, {"no", IDNO}, {"cancel", IDCANCEL}};
            const std::pair<const char*, int>* found = nullptr;
            for (const auto& entry : answers) {
                if (argumentCount == 1 && words[1] == entry.first) {
                    found = &entry;
                }
            }
            if (found == nullptr) {
                return malformed("'answer' takes one of ok, yes, no, cancel");
            }
            queueMessageBoxAnswer(found->second);
            continue;
        }
        if (verb == "check" || verb == "select" || verb == "press") {
            size_t wanted = verb == "press" ? 1 : 2;
            int32_t id = 0;
            int32_t value = 0;
            if (argumentCount != wanted || !parseInt(words[1], id) ||
                (wanted == 2 && !parseInt(words[2], value))) {
                return malformed(verb == "check"    ? "'check' takes a control id and 0 or 1"
                                 : verb == "select" ? "'select' takes a control id and a line index"
                                                    : "'press' takes a control id");
            }
            if (verb == "check" && value != 0 && value != 1) {
                return malformed("'check' takes 0 or 1, not " + words[2]);
            }
            if (!modalDialogOpen()) {
                return malformed("'" + verb + "' needs an open dialog");
            }
            UINT message = verb == "check"    ? WM_SCRIPT_CHECK
                           : verb == "select" ? WM_SCRIPT_SELECT
                                              : WM_SCRIPT_PRESS;
            if (std::string problem = scriptLineError(message, id, value); !problem.empty()) {
                return malformed(problem);
            }
            InputEvent event = makeEvent(verb == "check"    ? InputEvent::Type::DialogCheck
                                         : verb == "select" ? InputEvent::Type::DialogSelect
                                                            : InputEvent::Type::DialogPress);
            event.id = id;
            event.value = value;
            return event;
        }
        if (verb == "state") {
            if (argumentCount != 0) {
                return malformed("'state' takes nothing");
            }
            writeState();
            continue;
        }
        if (verb == "shot") {
            size_t at = line.find("shot") + 4;
            size_t start = line.find_first_not_of(" \t", at);
            size_t end = line.find_last_not_of(" \t");
            if (start == std::string::npos) {
                return malformed("'shot' takes a file name");
            }
            std::string path = line.substr(start, end - start + 1);
            if (!writePng(composeScreen(), path)) {
                return malformed("cannot write the screenshot '" + path + "'");
            }
            continue;
        }
        return malformed("unknown line '" + verb + "'");
    }
    // The end of the script acts as Exit; should the program not stop, the
    // next request for input stops it.
    ++endOfScriptSeen_;
    InputEvent event =
        makeEvent(endOfScriptSeen_ == 1 ? InputEvent::Type::Close : InputEvent::Type::Quit);
    return event;
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
