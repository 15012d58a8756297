// SPDX-License-Identifier: MIT
// Breaking a control's text into the lines it shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win_types.h"

namespace platform::dialogs {

enum class LongWords {
    Clip,  // a word wider than the line runs past its end (labels)
    Break, // a word wider than the line is cut where it reaches the end (the edit)
};

// Lines end at "\r\n", "\n" or "\r". With a positive width each line is
// also wrapped at blanks so that it fits the width in the DC's font; the
// blanks at a wrap are dropped. An empty text is one empty line.
std::vector<std::u16string> breakLines(HDC dc, std::u16string_view text, int width,
                                       LongWords longWords);

} // namespace platform::dialogs
