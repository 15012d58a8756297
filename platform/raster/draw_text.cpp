// SPDX-License-Identifier: MIT
// DrawTextW and text measurement with the DC's font and colours.
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/raster/device_context.h"
#include "platform/raster/fonts.h"
#include "platform/raster/gdi_objects.h"
#include "platform/raster/rect_math.h"
#include "platform/raster/rows.h"
#include "platform/raster/spans.h"
#include "platform/raster/text_layout.h"

using namespace platform;

namespace {

std::u16string_view textView(LPCWSTR text, int count) {
    return count < 0 ? std::u16string_view(text)
                     : std::u16string_view(text, static_cast<size_t>(count));
}

const text::Typeface* typefaceOf(const dc::DeviceContext& context) {
    const gdi::Font* font = gdi::find<gdi::Font>(context.font);
    if (font == nullptr) {
        font = gdi::find<gdi::Font>(GetStockObject(SYSTEM_FONT));
    }
    return font == nullptr ? nullptr : text::typefaceFor(*font);
}

void fillBox(const dc::DrawTarget& target, const RECT& box, uint32_t pixel) {
    raster::forEachRun(target, box, [&](uint32_t* row, int32_t, int32_t left, int32_t right) {
        raster::fillRow(row, right - left, pixel);
    });
}

// Sets the pixels of the mask, placed with its line's top-left at x, lineTop,
// that fall inside limit.
void drawMask(const dc::DrawTarget& target, const text::LineMask& mask, int32_t x, int32_t lineTop,
              const RECT& limit, uint32_t pixel) {
    int64_t maskTop = int64_t{lineTop} + mask.top;
    RECT area = intersectRects(raster::rectFromSize(x, maskTop, mask.width, mask.height), limit);
    raster::forEachRun(target, area, [&](uint32_t* row, int32_t y, int32_t left, int32_t right) {
        auto maskY = static_cast<int32_t>(y - target.origin.y - maskTop);
        auto maskX = static_cast<int32_t>(int64_t{left} - target.origin.x - x);
        const uint8_t* bits =
            &mask.bits[static_cast<size_t>(maskY) * static_cast<size_t>(mask.width) +
                       static_cast<size_t>(maskX)];
        raster::inkRow(row, bits, right - left, pixel);
    });
}

int32_t alignedLeft(const RECT& rect, int32_t width, UINT format) {
    if ((format & DT_CENTER) != 0) {
        return raster::clampToLong(rect.left + (int64_t{rect.right} - rect.left - width) / 2);
    }
    if ((format & DT_RIGHT) != 0) {
        return raster::clampToLong(int64_t{rect.right} - width);
    }
    return rect.left;
}

// Only a single line moves down; several lines always start at the top.
int32_t firstLineTop(const RECT& rect, int32_t lineHeight, UINT format) {
    if ((format & DT_SINGLELINE) == 0) {
        return rect.top;
    }
    if ((format & DT_VCENTER) != 0) {
        return raster::clampToLong(rect.top + (int64_t{rect.bottom} - rect.top - lineHeight) / 2);
    }
    if ((format & DT_BOTTOM) != 0) {
        return raster::clampToLong(int64_t{rect.bottom} - lineHeight);
    }
    return rect.top;
}

// DT_CALCRECT: the rectangle grows or shrinks to the widest line and all the
// lines' height.
void fitRectToLines(const text::Typeface& typeface, const std::vector<std::u16string>& lines,
                    int32_t height, RECT& rect) {
    int32_t widest = 0;
    for (const std::u16string& line : lines) {
        widest = std::max(widest, text::textWidth(typeface, line));
    }
    rect.right = raster::clampToLong(int64_t{rect.left} + widest);
    rect.bottom = raster::clampToLong(int64_t{rect.top} + height);
}

void drawLines(const dc::DrawTarget& target, const dc::DeviceContext& context,
               const text::Typeface& typeface, const std::vector<std::u16string>& lines,
               const RECT& rect, UINT format) {
    constexpr LONG FAR_AWAY = std::numeric_limits<LONG>::max() / 2;
    RECT limit = (format & DT_NOCLIP) != 0 ? RECT{-FAR_AWAY, -FAR_AWAY, FAR_AWAY, FAR_AWAY} : rect;
    uint32_t textPixel = pixelFromColorref(context.textColour);
    uint32_t backgroundPixel = pixelFromColorref(context.backgroundColour);
    int32_t lineHeight = text::lineHeight(typeface);
    int64_t lineTop = firstLineTop(rect, lineHeight, format);
    for (const std::u16string& line : lines) {
        // Lines wholly outside the rectangle are not rendered at all (a
        // long text scrolled in a small box); one row of slack keeps the
        // marks that rise over a line.
        if (lineTop + lineHeight + 1 > limit.top && lineTop - 1 < limit.bottom) {
            int32_t width = text::textWidth(typeface, line);
            int32_t left = alignedLeft(rect, width, format);
            if (context.backgroundMode == OPAQUE && width > 0) {
                fillBox(
                    target,
                    intersectRects(raster::rectFromSize(left, lineTop, width, lineHeight), limit),
                    backgroundPixel);
            }
            drawMask(target, text::renderLine(typeface, line), left, raster::clampToLong(lineTop),
                     limit, textPixel);
        }
        lineTop += lineHeight;
    }
}

} // namespace

int DrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT format) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr || text == nullptr || rect == nullptr) {
        return 0;
    }
    const text::Typeface* typeface = typefaceOf(*context);
    std::u16string_view whole = textView(text, count);
    if (typeface == nullptr || whole.empty()) {
        if ((format & DT_CALCRECT) != 0) {
            rect->right = rect->left;
            rect->bottom = rect->top;
        }
        return 0;
    }
    auto measure = [typeface](std::u16string_view line) {
        return text::textWidth(*typeface, line);
    };
    std::vector<std::u16string> lines =
        text::layoutLines(whole, (format & DT_SINGLELINE) != 0, (format & DT_WORDBREAK) != 0,
                          raster::clampToLong(int64_t{rect->right} - rect->left), measure);
    int32_t height =
        raster::clampToLong(static_cast<int64_t>(lines.size()) * text::lineHeight(*typeface));
    if ((format & DT_CALCRECT) != 0) {
        fitRectToLines(*typeface, lines, height, *rect);
        return height;
    }
    if (auto target = dc::drawTargetOf(dc)) {
        drawLines(*target, *context, *typeface, lines, *rect, format);
    }
    return height;
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr || size == nullptr || (text == nullptr && count != 0)) {
        return FALSE;
    }
    const text::Typeface* typeface = typefaceOf(*context);
    if (typeface == nullptr) {
        *size = SIZE{0, 0};
        return TRUE;
    }
    std::u16string_view whole = text == nullptr ? std::u16string_view() : textView(text, count);
    std::vector<std::u16string> lines =
        text::layoutLines(whole, true, false, 0, [](std::u16string_view) { return 0; });
    *size = SIZE{text::textWidth(*typeface, lines.front()), text::lineHeight(*typeface)};
    return TRUE;
}
