// SPDX-License-Identifier: MIT
// The XPM reader: any lines give an image of the size the header states, or
// an empty one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<const char*> pointers;
    for (const std::string& line : lines) {
        pointers.push_back(line.c_str());
    }
    platform::Surface image =
        platform::surfaceFromXpm(pointers.data(), static_cast<int>(pointers.size()));
    if (image.pixels.size() != static_cast<size_t>(image.width > 0 ? image.width : 0) *
                                   static_cast<size_t>(image.height > 0 ? image.height : 0)) {
        std::abort();
    }
    return 0;
}
