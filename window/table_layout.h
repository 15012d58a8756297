// SPDX-License-Identifier: MIT
// Where everything lies on the table, in client pixels (left, top, right,
// bottom). Hit tests include all four edges; painting and repaint requests
// exclude right and bottom.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

constexpr RECT playAreaRect = {2, 94, 199, 140};
constexpr RECT sortButtonRect = {204, 120, 236, 152};
constexpr RECT actionButtonRect = {204, 170, 236, 202};
constexpr RECT talonCountRect = {202, 90, 236, 118};
constexpr RECT statusRect = {2, 228, 240, 260};

int32_t pointInRect(int32_t x, int32_t y, const RECT& rect);
