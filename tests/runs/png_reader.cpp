// PNG files in, for comparing screenshots: 8-bit grey, RGB, palette and RGBA,
// not interlaced.
#include "png_reader.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

using platform::Surface;

constexpr std::array<uint8_t, 8> SIGNATURE = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t bigEndian(const uint8_t* bytes) {
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 |
           uint32_t{bytes[3]};
}

int paeth(int left, int up, int upLeft) {
    int estimate = left + up - upLeft;
    int toLeft = std::abs(estimate - left);
    int toUp = std::abs(estimate - up);
    int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) {
        return left;
    }
    return toUp <= toUpLeft ? up : upLeft;
}

// Undoes the per-row filters in place; false for an unknown filter.
bool unfilter(std::vector<uint8_t>& data, size_t rowBytes, size_t rows, size_t pixelBytes,
              std::vector<uint8_t>& out) {
    out.assign(rowBytes * rows, 0);
    for (size_t y = 0; y < rows; ++y) {
        uint8_t filter = data[y * (rowBytes + 1)];
        const uint8_t* in = &data[y * (rowBytes + 1) + 1];
        uint8_t* row = &out[y * rowBytes];
        const uint8_t* above = y > 0 ? &out[(y - 1) * rowBytes] : nullptr;
        for (size_t x = 0; x < rowBytes; ++x) {
            int left = x >= pixelBytes ? row[x - pixelBytes] : 0;
            int up = above != nullptr ? above[x] : 0;
            int upLeft = above != nullptr && x >= pixelBytes ? above[x - pixelBytes] : 0;
            int predicted = 0;
            switch (filter) {
            case 0:
                break;
            case 1:
                predicted = left;
                break;
            case 2:
                predicted = up;
                break;
            case 3:
                predicted = (left + up) / 2;
                break;
            case 4:
                predicted = paeth(left, up, upLeft);
                break;
            default:
                return false;
            }
            row[x] = static_cast<uint8_t>(in[x] + predicted);
        }
    }
    return true;
}

} // namespace

bool readPng(const std::string& path, Surface& out) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    if (file.size() < SIGNATURE.size() ||
        !std::equal(SIGNATURE.begin(), SIGNATURE.end(), file.begin())) {
        return false;
    }
    uint32_t width = 0;
    uint32_t height = 0;
    uint8_t depth = 0;
    uint8_t colourType = 0;
    uint8_t interlace = 0;
    std::vector<uint8_t> palette;
    std::vector<uint8_t> packed;
    for (size_t at = SIGNATURE.size(); at + 12 <= file.size();) {
        uint32_t length = bigEndian(&file[at]);
        if (length > file.size() - at - 12) {
            return false;
        }
        std::string type(reinterpret_cast<const char*>(&file[at + 4]), 4);
        const uint8_t* data = &file[at + 8];
        if (type == "IHDR" && length >= 13) {
            width = bigEndian(data);
            height = bigEndian(data + 4);
            depth = data[8];
            colourType = data[9];
            interlace = data[12];
        } else if (type == "PLTE") {
            palette.assign(data, data + length);
        } else if (type == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        } else if (type == "IEND") {
            break;
        }
        at += 12 + length;
    }
    size_t channels = colourType == 0   ? 1
                      : colourType == 2 ? 3
                      : colourType == 3 ? 1
                      : colourType == 6 ? 4
                                        : 0;
    if (width == 0 || height == 0 || width > 16384 || height > 16384 || depth != 8 ||
        channels == 0 || interlace != 0 || (colourType == 3 && palette.empty())) {
        return false;
    }
    size_t rowBytes = width * channels;
    std::vector<uint8_t> filtered((rowBytes + 1) * height);
    uLongf filteredSize = static_cast<uLongf>(filtered.size());
    if (uncompress(filtered.data(), &filteredSize, packed.data(),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        filteredSize != filtered.size()) {
        return false;
    }
    std::vector<uint8_t> rows;
    if (!unfilter(filtered, rowBytes, height, channels, rows)) {
        return false;
    }
    Surface result(static_cast<int32_t>(width), static_cast<int32_t>(height));
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            const uint8_t* pixel = &rows[y * rowBytes + x * channels];
            uint32_t r = pixel[0];
            uint32_t g = pixel[0];
            uint32_t b = pixel[0];
            if (colourType == 2 || colourType == 6) {
                g = pixel[1];
                b = pixel[2];
            } else if (colourType == 3) {
                size_t entry = size_t{pixel[0]} * 3;
                if (entry + 2 >= palette.size()) {
                    return false;
                }
                r = palette[entry];
                g = palette[entry + 1];
                b = palette[entry + 2];
            }
            result.at(static_cast<int32_t>(x), static_cast<int32_t>(y)) = r << 16 | g << 8 | b;
        }
    }
    out = std::move(result);
    return true;
}
