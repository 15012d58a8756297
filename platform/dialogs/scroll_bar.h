// SPDX-License-Identifier: MIT
// A vertical scroll bar's geometry: an arrow box at each end, the track
// between them and the thumb in the track, whose length shows the part of
// the text in view and whose place shows where that part lies.
#pragma once

#include "platform/win_types.h"

namespace platform::dialogs {

struct ScrollBarParts {
    RECT upArrow;
    RECT downArrow;
    RECT track;
    RECT thumb;   // empty when everything is in view
    int maxFirst; // the highest first line: total - visible, at least 0
};

constexpr int scrollBarMinimumThumb = 8;

int maxFirstLine(int total, int visible);
ScrollBarParts layoutScrollBar(const RECT& bar, int total, int visible, int first);

enum class ScrollBarHit { None, UpArrow, DownArrow, PageUp, PageDown, Thumb };
ScrollBarHit hitScrollBar(const ScrollBarParts& parts, POINT point);

// The first line that puts the top of the thumb at thumbTop (dragging),
// rounded to the nearest line and kept within 0 .. maxFirst.
int firstLineForThumb(const ScrollBarParts& parts, int thumbTop);

} // namespace platform::dialogs
