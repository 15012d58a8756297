// The card model's tests: a real window whose repaint requests are watched.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/card_row.h"
#include "cards/random_source.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "support/card_notation.h"

namespace card_test {

using namespace notation;

inline std::string rectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// The rectangles "left,top,right,bottom" of the repaint requests made since
// the last call, in order; cards are repainted without erasing.
inline std::vector<std::string> takeRepaintRects(HWND window) {
    std::vector<std::string> rects;
    for (const platform_testing::Invalidation& inv : platform_testing::takeInvalidations()) {
        EXPECT_TRUE(inv.window == window && !inv.wholeWindow && inv.erase == FALSE);
        rects.push_back(rectText(inv.rect));
    }
    return rects;
}

// A clean platform, a fresh random source and one window to repaint.
class WindowedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        resetRandomState();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = u"CardTestWindow";
        ASSERT_NE(RegisterClassW(&windowClass), 0);
        window = CreateWindowExW(0, u"CardTestWindow", u"cards", 0, 0, 0, 240, 320, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        platform_testing::takeInvalidations();
    }
    void TearDown() override { resetRandomState(); }
    void show(CardRow& row) { row.window = window; }
    HWND window = nullptr;
};

} // namespace card_test
