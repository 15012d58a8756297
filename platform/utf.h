// SPDX-License-Identifier: MIT
// Conversions between the program's UTF-16 text and UTF-8 for the outside
// world (files, the terminal, fonts). Unpaired surrogates become U+FFFD.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/win_types.h"

std::string utf8FromUtf16(std::u16string_view text);
inline std::string utf8FromUtf16(LPCWSTR text) {
    return text == nullptr ? std::string() : utf8FromUtf16(std::u16string_view(text));
}
std::u16string utf16FromUtf8(std::string_view text);

// A file name given in UTF-8 as the file system takes it (on Windows a
// narrow name would be read in the ANSI code page), and back.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);
