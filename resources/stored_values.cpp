// SPDX-License-Identifier: MIT
#include "resources/stored_values.h"

#include <array>
#include <cstddef>

namespace resources {
namespace {

constexpr uint32_t ANY = UINT32_MAX;

// In the order of StoredValue.
constexpr std::array<StoredValueRow, 12> ROWS = {{
    {u"type", 0, 0, ANY, 0},
    {u"back", 0, 0, ANY, 0},
    {u"blackbg", 0, 0, ANY, 0},
    {u"wc", 0, 0, ANY, 0},
    {u"cidc", 0, 0, ANY, 0},
    {u"hidev", 4, 5, 5, 4}, // anything but 5 fans the hand
    {u"statc", 0, 0, ANY, 0},
    {u"statu", 0, 0, ANY, 0},
    {u"lang", 0, 0, 1, 0},     // anything but 1 is Russian
    {u"scale", 0, 1, 8, 0},    // the desktop window's MAX_SCALE; 0: none remembered
    {u"opponent", 0, 0, 2, 0}, // anything else is the handheld's player
    {u"pace", 1, 0, 2, 1},     // anything else is the normal pace
}};

} // namespace

const StoredValueRow& storedValueRow(StoredValue value) {
    return ROWS.at(static_cast<size_t>(value));
}

} // namespace resources
