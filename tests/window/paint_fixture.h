// The table painted for real: a main window on the null backend with the
// program's images loaded, repainted on demand and read back from the
// composed screen.
#pragma once

#include <cstdint>
#include <string>

#include "game/table_fixture.h"
#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/resource_api.h"
#include "platform/screen.h"
#include "resources/resource_ids.h"
#include "window/painting.h"
#include "window/table_layout.h"

namespace paint_test {

constexpr uint32_t black = 0x000000;
constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t grey = 0x828282;
constexpr uint32_t green = 0x009600; // table colour 0 as a screen pixel

inline std::string hex(uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", pixel);
    return text;
}

// A resource bitmap's pixels, loaded afresh so the check does not lean on
// what the program loaded.
inline platform::Surface resourceImage(int id) {
    const HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(id));
    const platform::Surface* surface = platform::surfaceOfBitmap(bitmap);
    EXPECT_NE(surface, nullptr) << "bitmap " << id;
    return surface == nullptr ? platform::Surface() : *surface;
}

// How a source pixel is expected to land on the screen.
enum class Lands { Copied, Inverted };

// Counts the pixels of the screen area at x, y that differ from the image's
// area at sourceX, sourceY (inverted when asked); reports the first one.
inline int32_t mismatches(const platform::Surface& screen, int32_t x, int32_t y,
                          const platform::Surface& image, int32_t sourceX, int32_t sourceY,
                          int32_t width, int32_t height, Lands how, const std::string& what) {
    int32_t count = 0;
    for (int32_t dy = 0; dy < height; ++dy) {
        for (int32_t dx = 0; dx < width; ++dx) {
            uint32_t expected = image.at(sourceX + dx, sourceY + dy) & 0xFFFFFF;
            if (how == Lands::Inverted) {
                expected ^= 0xFFFFFF;
            }
            const uint32_t actual = screen.at(x + dx, y + dy);
            if (actual != expected && count++ == 0) {
                ADD_FAILURE() << what << ": screen " << x + dx << "," << y + dy << " is "
                              << hex(actual) << ", expected " << hex(expected);
            }
        }
    }
    return count;
}

// Pixels of the area that are not the given colour.
inline int32_t pixelsOtherThan(const platform::Surface& screen, const RECT& area, uint32_t colour) {
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            count += screen.at(x, y) != colour ? 1 : 0;
        }
    }
    return count;
}

inline const Card& cardOf(const CardRow& row, const std::string& name) {
    const table_test::CardName wanted = table_test::parseCard(name);
    for (const Card& card : row.cards) {
        if (card.suit == wanted.suit && card.rank == wanted.rank) {
            return card;
        }
    }
    ADD_FAILURE() << name << " is not in the row";
    return row.cards.front();
}

} // namespace paint_test

class PaintTest : public TableTest {
  protected:
    void SetUp() override {
        TableTest::SetUp();
        LoadCardImages();
        LoadButtonImages();
    }

    // Repaints the whole window and returns what the screen shows.
    platform::Surface paintAll() {
        InvalidateRect(window, nullptr, FALSE);
        return paintPending();
    }

    // Lets the pending paint run, as the message loop would once idle.
    platform::Surface paintPending() {
        UpdateWindow(window);
        return platform::composeScreen();
    }
};
