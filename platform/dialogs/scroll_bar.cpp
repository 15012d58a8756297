// SPDX-License-Identifier: MIT
#include "platform/dialogs/scroll_bar.h"

#include <algorithm>

#include "platform/dialogs/paint_tools.h"

namespace platform::dialogs {

int maxFirstLine(int total, int visible) {
    return std::max(0, total - std::max(visible, 0));
}

ScrollBarParts layoutScrollBar(const RECT& bar, int total, int visible, int first) {
    ScrollBarParts parts{};
    parts.maxFirst = maxFirstLine(total, visible);
    int width = rectWidth(bar);
    int height = std::max(0, rectHeight(bar));
    // Square arrow boxes, shrunk when the bar is too short for two.
    int arrow = std::min(width, height / 2);
    parts.upArrow = RECT{bar.left, bar.top, bar.right, bar.top + arrow};
    parts.downArrow = RECT{bar.left, bar.bottom - arrow, bar.right, bar.bottom};
    parts.track = RECT{bar.left, parts.upArrow.bottom, bar.right, parts.downArrow.top};
    parts.thumb = RECT{bar.left, parts.track.top, bar.right, parts.track.top};

    int trackLength = rectHeight(parts.track);
    if (parts.maxFirst == 0 || trackLength <= 0 || total <= 0) {
        return parts;
    }
    int thumbLength = static_cast<int>(static_cast<long long>(trackLength) * visible / total);
    thumbLength =
        std::clamp(thumbLength, std::min(scrollBarMinimumThumb, trackLength), trackLength);
    int room = trackLength - thumbLength;
    int clamped = std::clamp(first, 0, parts.maxFirst);
    // Rounded both here and back in firstLineForThumb, so that while there are
    // more pixels of room than lines a thumb dropped where it is drawn shows
    // the same line.
    long long scaled = static_cast<long long>(room) * clamped;
    int offset = static_cast<int>((2 * scaled + parts.maxFirst) / (2 * parts.maxFirst));
    parts.thumb.top = parts.track.top + offset;
    parts.thumb.bottom = parts.thumb.top + thumbLength;
    return parts;
}

ScrollBarHit hitScrollBar(const ScrollBarParts& parts, POINT point) {
    if (rectContains(parts.upArrow, point)) {
        return ScrollBarHit::UpArrow;
    }
    if (rectContains(parts.downArrow, point)) {
        return ScrollBarHit::DownArrow;
    }
    if (!rectContains(parts.track, point) || parts.maxFirst == 0) {
        return ScrollBarHit::None;
    }
    if (point.y < parts.thumb.top) {
        return ScrollBarHit::PageUp;
    }
    if (point.y >= parts.thumb.bottom) {
        return ScrollBarHit::PageDown;
    }
    return ScrollBarHit::Thumb;
}

int firstLineForThumb(const ScrollBarParts& parts, int thumbTop) {
    int room = rectHeight(parts.track) - rectHeight(parts.thumb);
    if (room <= 0 || parts.maxFirst == 0) {
        return 0;
    }
    long long offset = std::clamp(thumbTop - static_cast<int>(parts.track.top), 0, room);
    long long first = (offset * parts.maxFirst + room / 2) / room;
    return static_cast<int>(std::clamp<long long>(first, 0, parts.maxFirst));
}

} // namespace platform::dialogs
