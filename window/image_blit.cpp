// SPDX-License-Identifier: MIT
#include "window/image_blit.h"

SIZE imageSize(HBITMAP image) {
    BITMAP info{};
    if (image == nullptr || GetObjectW(image, static_cast<int>(sizeof info), &info) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

namespace {

// The memory DC the images of the paint under way are selected into, one
// after the other; null outside such a paint.
HDC imageSource = nullptr;

} // namespace

void BeginImageTransfers(HDC dc) {
    imageSource = CreateCompatibleDC(dc);
}

void EndImageTransfers() {
    DeleteDC(imageSource);
    imageSource = nullptr;
}

void blitImage(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, HBITMAP image,
               int32_t sourceX, int32_t sourceY, DWORD rasterOperation) {
    // Most of a table's cards lie outside what a paint renews: their
    // glyphs are skipped before a memory DC is made for them.
    const RECT area{x, y, offsetBy(x, width), offsetBy(y, height)};
    if (image == nullptr || !RectVisible(dc, &area)) {
        return;
    }
    if (imageSource != nullptr) {
        SelectObject(imageSource, image);
        BitBlt(dc, x, y, width, height, imageSource, sourceX, sourceY, rasterOperation);
        return;
    }
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, image);
    BitBlt(dc, x, y, width, height, source, sourceX, sourceY, rasterOperation);
    SelectObject(source, previous);
    DeleteDC(source);
}

SIZE blitWholeImage(HDC dc, int32_t x, int32_t y, HBITMAP image, DWORD rasterOperation) {
    const SIZE size = imageSize(image);
    blitImage(dc, x, y, size.cx, size.cy, image, 0, 0, rasterOperation);
    return size;
}

void invertArea(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height) {
    BitBlt(dc, x, y, width, height, nullptr, 0, 0, PATINVERT);
}

void fillArea(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, HBRUSH brush) {
    const RECT area{left, top, right, bottom};
    FillRect(dc, &area, brush);
}

int32_t offsetBy(int32_t base, int64_t delta) {
    return static_cast<int32_t>(static_cast<int64_t>(base) + delta);
}
