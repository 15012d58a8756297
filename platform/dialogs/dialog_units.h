// SPDX-License-Identifier: MIT
// Dialog units: the template measures controls in quarters of the dialog
// font's average character width (horizontally) and eighths of its line
// height (vertically), so a dialog keeps its proportions with its font.
#pragma once

#include "platform/win_types.h"

namespace platform::dialogs {

struct DialogUnits {
    int baseX = 6;  // the font's average character width in pixels
    int baseY = 13; // the font's line height in pixels

    // Pixels for a number of units, rounded to the nearest pixel.
    int x(int units) const;
    int y(int units) const;
};

// The line height of the dialog font for a template's point size: the
// handheld's 8-point system font takes a 13-pixel line.
int dialogFontLineHeight(int pointSize);

// Measures the average character width of the font the way the handheld
// does: the width of the 52 Latin letters, halved and rounded.
DialogUnits measureDialogUnits(HFONT font, int lineHeight);

} // namespace platform::dialogs
