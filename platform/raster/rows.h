// SPDX-License-Identifier: MIT
// Row operations on pixels: the inner loops of every fill and block
// transfer, written four pixels at a time, which the compiler at -O2 does
// not do by itself for loops of unknown length.
#pragma once

#include <cstdint>
#include <cstring>
#include <cwchar>

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

// Long rows go to the C library's wide fill, which uses the widest stores
// the processor has, where wchar_t is 32 bits wide (not on Windows, whose
// rows take the loop below).
inline void fillRow(uint32_t* row, int32_t count, uint32_t pixel) {
    if constexpr (sizeof(wchar_t) == sizeof(uint32_t)) {
        if (count >= 64) {
            std::wmemset(reinterpret_cast<wchar_t*>(row), static_cast<wchar_t>(pixel),
                         static_cast<size_t>(count));
            return;
        }
    }
    const FourPixels four = {pixel, pixel, pixel, pixel};
    if (count < 4) {
        for (int32_t i = 0; i < count; ++i) {
            row[i] = pixel;
        }
        return;
    }
    // The last four end the row, overlapping what the loop stored: storing
    // a pixel twice does no harm and saves a loop over the remainder.
    for (int32_t i = 0; i + 4 < count; i += 4) {
        storeFour(row + i, four);
    }
    storeFour(row + count - 4, four);
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

// Sets the pixels whose mask byte is not zero: ink over paper four pixels at
// a time, as a blend rather than a branch, which a glyph's mix of ink and
// paper would make hard to guess.
inline void inkRow(uint32_t* row, const uint8_t* mask, int32_t count, uint32_t pixel) {
    const FourPixels ink = {pixel, pixel, pixel, pixel};
    const FourPixels none = {0, 0, 0, 0};
    int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const FourPixels bits = {mask[i], mask[i + 1], mask[i + 2], mask[i + 3]};
        const FourPixels inked = bits != none; // all ones where set
        storeFour(row + i, (ink & inked) | (loadFour(row + i) & ~inked));
    }
    for (; i < count; ++i) {
        row[i] = mask[i] != 0 ? pixel : row[i];
    }
}

} // namespace platform::raster
