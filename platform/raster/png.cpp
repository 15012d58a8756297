// Screenshots out and test images in, as PNG files: 8-bit RGB written, 8-bit
// grey, RGB, palette and RGBA (not interlaced) read, compressed with zlib.
#include <zlib.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "platform/raster/surface.h"

namespace platform {
namespace {

constexpr std::array<uint8_t, 8> SIGNATURE = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void putBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFFu);
    }
}

uint32_t bigEndian(const uint8_t* bytes) {
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 |
           uint32_t{bytes[3]};
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    putBigEndian(out, static_cast<uint32_t>(crc32(crc32(0, nullptr, 0),
                                                  reinterpret_cast<const Bytef*>(body.data()),
                                                  static_cast<uInt>(body.size()))));
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

bool writePng(const Surface& surface, const std::string& path) {
    if (surface.width <= 0 || surface.height <= 0 ||
        surface.pixels.size() !=
            static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height)) {
        return false;
    }
    std::string raw;
    raw.reserve(static_cast<size_t>(surface.height) * (static_cast<size_t>(surface.width) * 3 + 1));
    for (int32_t y = 0; y < surface.height; ++y) {
        raw += '\0'; // no filter
        for (int32_t x = 0; x < surface.width; ++x) {
            uint32_t pixel = surface.at(x, y);
            raw += static_cast<char>((pixel >> 16) & 0xFFu);
            raw += static_cast<char>((pixel >> 8) & 0xFFu);
            raw += static_cast<char>(pixel & 0xFFu);
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return false;
    }
    packed.resize(packedSize);

    std::string header;
    putBigEndian(header, static_cast<uint32_t>(surface.width));
    putBigEndian(header, static_cast<uint32_t>(surface.height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8-bit RGB, not interlaced
    std::string file(SIGNATURE.begin(), SIGNATURE.end());
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", packed);
    putChunk(file, "IEND", "");
    std::ofstream out(path, std::ios::binary);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out.flush());
}

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

} // namespace platform
