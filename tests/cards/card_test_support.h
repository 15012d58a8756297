// Helpers shared by the card model's tests: a fixture with a real window for
// watching repaint requests.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "cards/card.h"
#include "cards/card_row.h"
#include "cards/random_source.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "support/card_notation.h"

namespace card_test {

using namespace notation;

inline bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The rectangles of the repaint requests made since the last call, in order.
inline std::vector<RECT> takeRepaintRects(HWND window) {
    std::vector<RECT> rects;
    for (const platform_testing::Invalidation& inv : platform_testing::takeInvalidations()) {
        EXPECT_EQ(inv.window, window);
        EXPECT_FALSE(inv.wholeWindow);
        EXPECT_EQ(inv.erase, FALSE) << "cards are repainted without erasing";
        rects.push_back(inv.rect);
    }
    return rects;
}

inline LRESULT testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// A clean platform, a fresh random source and one window to repaint.
class WindowedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        resetRandomState();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = testWindowProc;
        windowClass.lpszClassName = u"CardTestWindow";
        ASSERT_NE(RegisterClassW(&windowClass), 0);
        window = CreateWindowExW(0, u"CardTestWindow", u"cards", 0, 0, 0, 240, 320, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        platform_testing::takeInvalidations();
    }

    void TearDown() override { resetRandomState(); }

    // A row whose cards are shown in the test window.
    void show(CardRow& row) { row.window = window; }

    HWND window = nullptr;
};

} // namespace card_test
