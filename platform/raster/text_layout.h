// SPDX-License-Identifier: MIT
// Breaking text into the lines DrawTextW draws.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::text {

using MeasureWidth = std::function<int32_t(std::u16string_view)>;

// Lines break at "\r\n" or a lone "\n" (never elsewhere unless wordBreak),
// or not at all for singleLine; other control characters are dropped. With
// wordBreak a line wider than width breaks at the last blank that lets it
// fit; a word wider than width keeps a line of its own.
std::vector<std::u16string> layoutLines(std::u16string_view text, bool singleLine, bool wordBreak,
                                        int32_t width, const MeasureWidth& measure);

} // namespace platform::text
