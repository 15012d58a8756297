// Row operations on pixels: the inner loops of every fill and block
// transfer, written four pixels at a time, which the compiler at -O2 does
// not do by itself for loops of unknown length.
#pragma once

#include <cstdint>
#include <cstring>

namespace platform::raster {

using FourPixels = uint32_t __attribute__((vector_size(16)));

inline FourPixels loadFour(const uint32_t* from) {
    FourPixels four;
    std::memcpy(&four, from, sizeof four);
    return four;
}

inline void storeFour(uint32_t* to, FourPixels four) {
    std::memcpy(to, &four, sizeof four);
}

inline void fillRow(uint32_t* row, int32_t count, uint32_t pixel) {
    FourPixels four = {pixel, pixel, pixel, pixel};
    int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        storeFour(row + i, four);
    }
    for (; i < count; ++i) {
        row[i] = pixel;
    }
}

inline void xorRow(uint32_t* row, int32_t count, uint32_t pattern) {
    FourPixels four = {pattern, pattern, pattern, pattern};
    int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        storeFour(row + i, loadFour(row + i) ^ four);
    }
    for (; i < count; ++i) {
        row[i] ^= pattern;
    }
}

} // namespace platform::raster
