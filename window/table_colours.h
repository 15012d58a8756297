// SPDX-License-Identifier: MIT
// The five table colours the player chooses from in the Options dialog.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

constexpr int32_t tableColourCount = 5;
// Green, black, dark red, blue, grey, as 0x00BBGGRR.
extern const COLORREF tableColours[tableColourCount];

// The colour at the index; the first (green) for an index outside the table,
// since a settings file edited by hand can hold any number.
COLORREF tableColour(int32_t index);
