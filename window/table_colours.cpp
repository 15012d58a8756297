// SPDX-License-Identifier: MIT
#include "window/table_colours.h"

const COLORREF tableColours[tableColourCount] = {
    RGB(0, 150, 0), RGB(0, 0, 0), RGB(128, 0, 0), RGB(0, 0, 153), RGB(128, 128, 128),
};

COLORREF tableColour(int32_t index) {
    if (index < 0 || index >= tableColourCount) {
        return tableColours[0];
    }
    return tableColours[index];
}
