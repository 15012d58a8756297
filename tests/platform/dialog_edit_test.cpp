// SPDX-License-Identifier: MIT
// The read-only multi-line edit: how its text breaks into lines, and how it
// scrolls with the scroll bar and the keys. Its wrapping to its width shows
// in the screens of the rules.
#include <string>

#include "dialog_test_support.h"
#include "platform/utf.h"

namespace {

using namespace dialog_testing;

std::u16string numberedLines(int count) {
    std::string text = "line 1";
    for (int i = 2; i <= count; ++i) {
        text += "\r\nline " + std::to_string(i);
    }
    return utf16FromUtf8(text);
}

class DialogEdit : public DialogTest {
  protected:
    HWND edit() { return GetDlgItem(record.dialog, TEXT); }
    int ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return static_cast<int>(SendMessageW(edit(), message, wParam, lParam));
    }
    int first() { return ask(EM_GETFIRSTVISIBLELINE); }
    std::vector<std::u16string> allLines() {
        std::vector<std::u16string> lines;
        for (int i = 0; i < ask(EM_GETLINECOUNT); ++i) {
            WCHAR buffer[512] = {511};
            int length = ask(EM_GETLINE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
            lines.emplace_back(buffer, static_cast<size_t>(length));
        }
        return lines;
    }
    void setText(const std::u16string& text) { SetDlgItemTextW(record.dialog, TEXT, text.c_str()); }
    // Points of the scroll bar at the edit's right edge.
    POINT upArrow() { return screenPoint(edit(), -7, 5); }
    POINT downArrow() { return screenPoint(edit(), -7, -5); }
    // The thumb starts right under the up arrow (as wide as the bar is).
    POINT thumbAtTop() { return screenPoint(edit(), -7, 18); }
};

TEST_F(DialogEdit, CountsItsLinesAfterEveryKindOfLineBreak) {
    then([&] {
        setText(u"");
        EXPECT_EQ(ask(EM_GETLINECOUNT), 1) << "an empty text is one empty line";
        setText(u"6S\r\nTD\r\nAH");
        EXPECT_EQ(ask(EM_GETLINECOUNT), 3);
        setText(u"6S\n\nAH\r");
        EXPECT_EQ(allLines(), (std::vector<std::u16string>{u"6S", u"", u"AH", u""}));
    });
    thenClose();
    run();
}

// Each input, then where the first line shown is.
TEST_F(DialogEdit, TheScrollBarAndTheKeysScrollIt) {
    int visible = 0;
    std::vector<int> firsts;
    const std::function<void()> inputs[] = {
        [&] { tap(downArrow()), tap(downArrow()); },
        [&] { tap(upArrow()); },
        [&] { tap(screenPoint(edit(), -7, -20)); }, // the track under the thumb
        // At the end, the track above the thumb, which lies at the bottom.
        [&] { ask(EM_LINESCROLL, 0, 1000), tap(thumbAtTop()); },
        // A tap on the text gives it the focus.
        [&] { ask(EM_LINESCROLL, 0, -1000), tap(centreOf(edit())), key(VK_DOWN), key(VK_NEXT); },
        [&] { key(VK_END); },
        [&] { key(VK_UP); },
        [&] { key(VK_HOME); },
        // The wheel: three lines a notch.
        [&] { wheel(centreOf(edit()), -2); },
        [&] { wheel(centreOf(edit()), 1); },
    };
    then([&] {
        setText(numberedLines(60));
        visible = ask(EM_GETVISIBLELINECOUNT);
    });
    for (const auto& input : inputs) {
        then(input);
        then([&] { firsts.push_back(first()); });
    }
    thenClose();
    run();
    EXPECT_EQ(firsts, (std::vector<int>{2, 1, 1 + visible, 60 - 2 * visible, 1 + visible,
                                        60 - visible, 59 - visible, 0, 6, 3}));
}

} // namespace
