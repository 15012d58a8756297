// SPDX-License-Identifier: MIT
// The command bar's button images: equal-sized pictures cut from a strip
// bitmap, each kept as a bitmap of its own for as long as the bar lives.
#pragma once

#include <vector>

#include "platform/gdi_api.h"

namespace platform::commandbar {

class ButtonImages {
  public:
    ButtonImages() = default;
    ~ButtonImages();
    ButtonImages(const ButtonImages&) = delete;
    ButtonImages& operator=(const ButtonImages&) = delete;

    // Cuts count images of width x height from the strip, left to right, and
    // appends them. Returns the index of the first new image, or -1 when
    // the strip or the sizes are unusable (nothing is added then). Parts of
    // an image beyond the strip's edge are the bar's face colour.
    int addStrip(HBITMAP strip, int count, int width, int height, COLORREF face);

    int count() const { return static_cast<int>(images_.size()); }
    // Copies the image centred in the box (a spare pixel goes to the left
    // and the top); an unknown index draws nothing.
    void drawCentred(HDC dc, int index, RECT box) const;

  private:
    struct Image {
        HBITMAP bitmap;
        int width;
        int height;
    };
    const Image* find(int index) const;

    std::vector<Image> images_;
};

} // namespace platform::commandbar
