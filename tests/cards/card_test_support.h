// Helpers shared by the card model's tests: two-character card names, and a
// fixture with a real window for watching repaint requests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/card_row.h"
#include "cards/random_source.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace card_test {

// "8S", "TD", "AH": rank 6..9, T, J, Q, K, A; suit D, H, C, S.
inline std::string cardName(int32_t suit, int32_t rank) {
    static const char* const ranks = "??????6789TJQKA";
    static const char* const suits = "?DHCS";
    std::string name;
    name += (rank >= 0 && rank <= 14) ? ranks[rank] : '?';
    name += (suit >= 0 && suit <= 4) ? suits[suit] : '?';
    return name;
}

inline std::string cardName(const Card& card) {
    return cardName(card.suit, card.rank);
}

inline int32_t suitOf(const std::string& name) {
    return static_cast<int32_t>(std::string("?DHCS").find(name.at(1)));
}

inline int32_t rankOf(const std::string& name) {
    return static_cast<int32_t>(std::string("??????6789TJQKA").find(name.at(0)));
}

inline void addCards(CardRow& row, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        addCard(row, suitOf(name), rankOf(name));
    }
}

inline std::vector<std::string> namesOf(const CardRow& row) {
    std::vector<std::string> names;
    for (const Card& card : row.cards) {
        names.push_back(cardName(card));
    }
    return names;
}

inline std::vector<int32_t> selectedMarks(const CardRow& row) {
    std::vector<int32_t> marks;
    for (const Card& card : row.cards) {
        marks.push_back(card.selected);
    }
    return marks;
}

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
