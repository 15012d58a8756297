// SPDX-License-Identifier: MIT
// A clean platform and one window whose repaint requests the card and row
// tests read back.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cards/card_row.h"
#include "platform/testing.h"
#include "platform/window_api.h"

inline std::string rectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

class WindowedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = u"CardTestWindow";
        ASSERT_NE(RegisterClassW(&windowClass), 0);
        window = CreateWindowExW(0, u"CardTestWindow", u"cards", 0, 0, 0, 240, 320, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        platform_testing::takeInvalidations();
    }
    void show(CardRow& row) { row.window = window; }

    // The rectangles of the repaint requests made since the last call, in
    // order; cards are repainted without erasing.
    std::vector<std::string> takeRepaintRects() const {
        std::vector<std::string> rects;
        for (const platform_testing::Invalidation& inv : platform_testing::takeInvalidations()) {
            EXPECT_TRUE(inv.window == window && !inv.wholeWindow && inv.erase == FALSE);
            rects.push_back(rectText(inv.rect));
        }
        return rects;
    }

    HWND window = nullptr;
};
