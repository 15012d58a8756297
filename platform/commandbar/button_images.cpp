// SPDX-License-Identifier: MIT
#include "platform/commandbar/button_images.h"

#include <algorithm>

#include "platform/raster/surface.h"

namespace platform::commandbar {
namespace {

// More than any bar has room for; keeps a bad count from making thousands
// of bitmaps.
constexpr int MAX_IMAGES = 256;
constexpr int MAX_SIDE = 64;

} // namespace

ButtonImages::~ButtonImages() {
    for (const Image& image : images_) {
        DeleteObject(image.bitmap);
    }
}

int ButtonImages::addStrip(HBITMAP strip, int count, int width, int height, COLORREF face) {
    const Surface* source = surfaceOfBitmap(strip);
    if (source == nullptr || count <= 0 || width <= 0 || height <= 0 || width > MAX_SIDE ||
        height > MAX_SIDE || count > MAX_IMAGES - this->count()) {
        return -1;
    }
    int first = this->count();
    for (int i = 0; i < count; ++i) {
        Surface image(width, height, pixelFromColorref(face));
        int left = i * width;
        for (int y = 0; y < std::min(height, source->height); ++y) {
            for (int x = 0; x < width && left + x < source->width; ++x) {
                image.at(x, y) = source->at(left + x, y);
            }
        }
        images_.push_back(Image{createBitmapFromSurface(std::move(image)), width, height});
    }
    return first;
}

const ButtonImages::Image* ButtonImages::find(int index) const {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return &images_[static_cast<size_t>(index)];
}

void ButtonImages::drawCentred(HDC dc, int index, RECT box) const {
    const Image* image = find(index);
    if (image == nullptr) {
        return;
    }
    const int x = box.left + (box.right - box.left - image->width) / 2;
    const int y = box.top + (box.bottom - box.top - image->height) / 2;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, image->bitmap);
    BitBlt(dc, x, y, image->width, image->height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace platform::commandbar
