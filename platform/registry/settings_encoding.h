// SPDX-License-Identifier: MIT
// The settings file's bytes and its text: UTF-8 as it is, or UTF-16 after a
// byte-order mark, as the handheld's export writes it.
#pragma once

#include <string>

#include "platform/registry/settings_file.h"

namespace platform::registry {

// The text (UTF-8) as the file's bytes in the given encoding.
std::string encode(const std::string& text, Encoding encoding);

// The file's bytes into loaded: its text as UTF-8 and its encoding; a
// problem when the text would not be written back byte for byte.
void decode(std::string bytes, LoadedText& loaded);

} // namespace platform::registry
