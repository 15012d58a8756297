#include "platform/text_format.h"

#include <string>

namespace {

// Formats into a growing string; the callers cut it to their limits.
std::u16string formatText(LPCWSTR format, va_list args) {
    std::u16string out;
    if (format == nullptr) {
        return out;
    }
    for (const char16_t* p = format; *p != 0; ++p) {
        if (*p != u'%') {
            out.push_back(*p);
            continue;
        }
        ++p;
        bool leftAlign = false;
        bool zeroPad = false;
        for (;; ++p) {
            if (*p == u'-') {
                leftAlign = true;
            } else if (*p == u'0') {
                zeroPad = true;
            } else {
                break;
            }
        }
        size_t width = 0;
        while (*p >= u'0' && *p <= u'9') {
            width = width * 10 + static_cast<size_t>(*p - u'0');
            ++p;
        }
        if (*p == u'l' || *p == u'h') {
            ++p; // sizes: everything is 32 bits here
        }
        std::u16string field;
        bool numeric = false;
        switch (*p) {
        case u'd':
        case u'i': {
            int value = va_arg(args, int);
            long long wide = value;
            bool negative = wide < 0;
            unsigned long long magnitude = negative ? static_cast<unsigned long long>(-wide)
                                                    : static_cast<unsigned long long>(wide);
            std::string digits = std::to_string(magnitude);
            if (negative) {
                field.push_back(u'-');
            }
            field.append(digits.begin(), digits.end());
            numeric = true;
            break;
        }
        case u'u': {
            std::string digits = std::to_string(va_arg(args, unsigned int));
            field.assign(digits.begin(), digits.end());
            numeric = true;
            break;
        }
        case u'x':
        case u'X': {
            unsigned int value = va_arg(args, unsigned int);
            const char* hex = *p == u'x' ? "0123456789abcdef" : "0123456789ABCDEF";
            do {
                field.insert(field.begin(), static_cast<char16_t>(hex[value & 0xF]));
                value >>= 4;
            } while (value != 0);
            numeric = true;
            break;
        }
        case u's': {
            LPCWSTR text = va_arg(args, LPCWSTR);
            field = text != nullptr ? std::u16string(text) : std::u16string(u"(null)");
            break;
        }
        case u'c':
            field.push_back(static_cast<char16_t>(va_arg(args, int)));
            break;
        case u'%':
            field.push_back(u'%');
            break;
        case 0:
            return out; // a lone '%' at the end
        default:
            field.push_back(*p);
            break;
        }
        if (field.size() < width) {
            size_t padding = width - field.size();
            if (leftAlign) {
                field.append(padding, u' ');
            } else if (zeroPad && numeric) {
                size_t signLength = (!field.empty() && field[0] == u'-') ? 1 : 0;
                field.insert(signLength, padding, u'0');
            } else {
                field.insert(0, padding, u' ');
            }
        }
        out += field;
    }
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
