// SPDX-License-Identifier: MIT
// Small helpers shared by the steps of a bout.
#pragma once

#include <cstdint>

#include "cards/card_row.h"

// Moves every card of a table row into a hand and empties the row.
inline void takeRow(CardRow& row, CardRow& hand) {
    selectAll(row);
    moveSelected(row, hand);
    clear(row);
}
