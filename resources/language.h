// SPDX-License-Identifier: MIT
// The two languages of the program: of the interface (texts, dialogs, the
// button faces with words on them) and of the rules.
#pragma once

#include <cstdint>

namespace resources {

// The numbers are those of the stored "lang" value.
enum class Language : int32_t { Russian = 0, English = 1 };
constexpr int languageCount = 2;

// A table's index for the language; -1 for a number that is neither.
constexpr int languageIndex(Language language) {
    const int index = static_cast<int>(language);
    return index >= 0 && index < languageCount ? index : -1;
}

} // namespace resources
