// SPDX-License-Identifier: MIT
#include "platform/text_format.h"

#include <string>

namespace {

// The flags and width between a '%' and its conversion character.
struct FieldLayout {
    bool leftAlign = false;
    bool zeroPad = false;
    size_t width = 0;
};

// Reads the flags, width and size from just after a '%'; returns where the
// conversion character is.
const char16_t* readFieldLayout(const char16_t* p, FieldLayout& layout) {
    for (;; ++p) {
        if (*p == u'-') {
            layout.leftAlign = true;
        } else if (*p == u'0') {
            layout.zeroPad = true;
        } else {
            break;
        }
    }
    while (*p >= u'0' && *p <= u'9') {
        layout.width = layout.width * 10 + static_cast<size_t>(*p - u'0');
        ++p;
    }
    if (*p == u'l' || *p == u'h') {
        ++p; // sizes: everything is 32 bits here
    }
    return p;
}

std::u16string signedDecimal(int value) {
    long long wide = value;
    bool negative = wide < 0;
    unsigned long long magnitude =
        negative ? static_cast<unsigned long long>(-wide) : static_cast<unsigned long long>(wide);
    std::string digits = std::to_string(magnitude);
    std::u16string field;
    if (negative) {
        field.push_back(u'-');
    }
    field.append(digits.begin(), digits.end());
    return field;
}

std::u16string hexadecimal(unsigned int value, bool upperCase) {
    const char* hex = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::u16string field;
    do {
        field.insert(field.begin(), static_cast<char16_t>(hex[value & 0xF]));
        value >>= 4;
    } while (value != 0);
    return field;
}

// The text of one conversion, taking its argument from args; numeric tells
// whether zero padding applies to it.
std::u16string convertField(char16_t conversion, va_list* args, bool& numeric) {
    numeric = conversion == u'd' || conversion == u'i' || conversion == u'u' ||
              conversion == u'x' || conversion == u'X';
    switch (conversion) {
    case u'd':
    case u'i':
        return signedDecimal(va_arg(*args, int));
    case u'u': {
        std::string digits = std::to_string(va_arg(*args, unsigned int));
        return std::u16string(digits.begin(), digits.end());
    }
    case u'x':
    case u'X':
        return hexadecimal(va_arg(*args, unsigned int), conversion == u'X');
    case u's': {
        LPCWSTR text = va_arg(*args, LPCWSTR);
        return text != nullptr ? std::u16string(text) : std::u16string(u"(null)");
    }
    case u'c':
        return std::u16string(1, static_cast<char16_t>(va_arg(*args, int)));
    default: // '%' and anything unknown stand for themselves
        return std::u16string(1, conversion);
    }
}

void padField(std::u16string& field, const FieldLayout& layout, bool numeric) {
    if (field.size() >= layout.width) {
        return;
    }
    size_t padding = layout.width - field.size();
    if (layout.leftAlign) {
        field.append(padding, u' ');
    } else if (layout.zeroPad && numeric) {
        size_t signLength = (!field.empty() && field[0] == u'-') ? 1 : 0;
        field.insert(signLength, padding, u'0');
    } else {
        field.insert(0, padding, u' ');
    }
}

// Formats into a growing string; the callers cut it to their limits. The
// steps take the arguments through a copy, as a va_list cannot be handed on
// and used again.
std::u16string formatText(LPCWSTR format, va_list args) {
    std::u16string out;
    if (format == nullptr) {
        return out;
    }
    va_list remaining;
    va_copy(remaining, args);
    for (const char16_t* p = format; *p != 0; ++p) {
        if (*p != u'%') {
            out.push_back(*p);
            continue;
        }
        FieldLayout layout;
        p = readFieldLayout(p + 1, layout);
        if (*p == 0) {
            break; // a lone '%' at the end
        }
        bool numeric = false;
        std::u16string field = convertField(*p, &remaining, numeric);
        padField(field, layout, numeric);
        out += field;
    }
    va_end(remaining);
    return out;
}

} // namespace

int vsnwprintfW(LPWSTR buffer, size_t count, LPCWSTR format, va_list args) {
    std::u16string text = formatText(format, args);
    if (buffer == nullptr) {
        return -1;
    }
    if (text.size() < count) {
        text.copy(buffer, text.size());
        buffer[text.size()] = 0;
        return static_cast<int>(text.size());
    }
    text.copy(buffer, count);
    return -1;
}

int wsprintfW(LPWSTR buffer, LPCWSTR format, ...) {
    constexpr size_t limit = 1024;
    va_list args;
    va_start(args, format);
    std::u16string text = formatText(format, args);
    va_end(args);
    if (buffer == nullptr) {
        return 0;
    }
    if (text.size() > limit) {
        text.resize(limit);
    }
    text.copy(buffer, text.size());
    buffer[text.size()] = 0;
    return static_cast<int>(text.size());
}

LPCWSTR wcsstrW(LPCWSTR haystack, LPCWSTR needle) {
    if (haystack == nullptr || needle == nullptr) {
        return nullptr;
    }
    std::u16string_view hay(haystack);
    size_t at = hay.find(std::u16string_view(needle));
    return at == std::u16string_view::npos ? nullptr : haystack + at;
}
