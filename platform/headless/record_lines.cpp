// SPDX-License-Identifier: MIT
// The runner's lines for the records: the deal line, typed text, and the
// report of a pop-up menu as it closes.
#include "platform/headless/deal_reporter.h"
#include "platform/headless/script_backend.h"
#include "platform/utf.h"

namespace platform {
namespace {

std::string json(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

InputEvent typedCharacter(char16_t unit) {
    InputEvent typed;
    typed.type = InputEvent::Type::Char;
    typed.key = unit;
    return typed;
}

} // namespace

// The pop-up menu as it closed: its items and the one chosen (0: none).
void ScriptBackend::menuClosed(const std::vector<MenuItemInfo>& items, UINT_PTR chosen) {
    nlohmann::ordered_json event;
    event["event"] = "menu";
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const MenuItemInfo& item : items) {
        nlohmann::ordered_json entry;
        entry["id"] = item.id;
        entry["text"] = utf8FromUtf16(item.text);
        entry["flags"] = item.flags;
        list.push_back(std::move(entry));
    }
    event["items"] = std::move(list);
    event["result"] = chosen;
    out_ << json(event) << '\n' << std::flush;
}

std::optional<InputEvent> ScriptBackend::parseDeal(const Words& words) {
    if (words.size() != 1) {
        return malformed("'deal' takes nothing");
    }
    out_ << json(reportDeal()) << '\n' << std::flush;
    return std::nullopt;
}

// Typed text: each character of the rest of the line, as the keyboard
// types it into the focused control.
std::optional<InputEvent> ScriptBackend::parseType(const Words& words) {
    if (words.size() < 2) {
        return malformed("'type' takes the text to type");
    }
    size_t start = line_.find_first_not_of(" \t", line_.find("type") + 4);
    size_t end = line_.find_last_not_of(" \t");
    for (char16_t unit : utf16FromUtf8(line_.substr(start, end - start + 1))) {
        pending_.push_back(typedCharacter(unit));
    }
    InputEvent first = pending_.front();
    pending_.pop_front();
    return first;
}

} // namespace platform
