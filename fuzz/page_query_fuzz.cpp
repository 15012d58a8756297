// SPDX-License-Identifier: MIT
// The page's query string: any query gives a few known options, each once,
// in their order, with a value that is not empty and holds no NUL byte (a C
// string carries it whole), and q7K last; a value written as a browser
// writes a form's field reads back as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/web/page_query.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkShape(std::string_view query, const std::vector<std::string>& arguments) {
    static constexpr std::string_view options[] = {"--clock=", "--lang=", "--deal="};
    size_t next = 0;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "q7K") {
            check(i + 1 == arguments.size() && query.find("q7K") != std::string_view::npos);
            continue;
        }
        while (next < std::size(options) && !argument.starts_with(options[next])) {
            ++next;
        }
        check(next < std::size(options) && argument.size() > options[next].size() &&
              argument.find('\0') == std::string::npos);
        ++next;
    }
}

// Every byte but letters and digits as %XX, as a form's field is sent.
std::string encode(std::string_view value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : value) {
        auto byte = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            out.push_back(c);
        } else {
            out += {'%', digits[byte >> 4], digits[byte & 15]};
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    checkShape(query, platform::web::pageArguments(query));
    // The same bytes as the value of a deal field, after other fields.
    const std::string sent = "?lang=en&deal=" + encode(query);
    const std::vector<std::string> arguments = platform::web::pageArguments(sent);
    checkShape(sent, arguments);
    const bool kept = !query.empty() && query.find('\0') == std::string_view::npos;
    const bool shown = query.find("q7K") != std::string_view::npos;
    std::vector<std::string> expected{"--lang=en"};
    if (kept) {
        expected.push_back("--deal=" + std::string(query));
    }
    if (shown) {
        expected.emplace_back("q7K");
    }
    check(arguments == expected);
    return 0;
}
