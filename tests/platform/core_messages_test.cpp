// SPDX-License-Identifier: MIT
// Message sequences of the platform core: sending, posting, paints and quits.
#include <gtest/gtest.h>

#include <vector>

#include "platform/testing.h"
#include "platform/window_api.h"

namespace {

int seen = 0;
int recursionDepth = 0;
RECT lastPaintBounds{};

LRESULT CALLBACK_recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++seen;
    if (message == WM_USER && wParam > 0) {
        // Re-entrant: the handler sends to its own window before returning.
        ++recursionDepth;
        LRESULT inner = SendMessageW(window, WM_USER, wParam - 1, 0);
        return inner + 1;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        lastPaintBounds = paint.rcPaint;
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CALLBACK_recorder;
    windowClass.lpszClassName = u"recorder";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, u"recorder", u"title", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

class CoreMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        seen = 0;
        recursionDepth = 0;
        lastPaintBounds = RECT{};
    }
};

TEST_F(CoreMessages, SendIsSynchronousAndReentrantToAnyDepth) {
    HWND window = makeWindow();
    seen = 0;
    LRESULT result = SendMessageW(window, WM_USER, 50, 0);
    EXPECT_EQ(result, 50);
    EXPECT_EQ(recursionDepth, 50);
    EXPECT_EQ(seen, 51);
}

// A destroyed window is gone for every call, also for one that asked for it
// just before, and so is every window after a reset of the platform.
TEST_F(CoreMessages, AGoneWindowIsFoundNoMore) {
    HWND window = makeWindow();
    ASSERT_TRUE(IsWindow(window));
    DestroyWindow(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 0);
    window = makeWindow();
    ASSERT_TRUE(IsWindow(window));
    platform_testing::resetPlatform();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(CoreMessages, PostedMessagesComeFirstThenOnePaintForSeveralMarks) {
    HWND window = makeWindow();
    MSG message{};
    // The creation left the whole window to paint; paint it away first.
    ASSERT_TRUE(GetMessageW(&message, nullptr, 0, 0));
    ASSERT_EQ(message.message, WM_PAINT);
    DispatchMessageW(&message);

    RECT a{10, 10, 20, 20};
    RECT b{15, 15, 40, 30};
    RECT c{100, 200, 110, 210};
    InvalidateRect(window, &a, FALSE);
    InvalidateRect(window, &b, FALSE);
    InvalidateRect(window, &c, FALSE);
    PostMessageW(window, WM_USER + 5, 1, 2);

    ASSERT_TRUE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_USER + 5u);
    ASSERT_TRUE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_PAINT);
    DispatchMessageW(&message);
    EXPECT_EQ(lastPaintBounds.left, 10);
    EXPECT_EQ(lastPaintBounds.top, 10);
    EXPECT_EQ(lastPaintBounds.right, 110);
    EXPECT_EQ(lastPaintBounds.bottom, 210);
    // Nothing left: the null backend has no input, so the loop ends.
    EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0));
}

int lazyPaints = 0;

// Ignores its paints: never begins one.
LRESULT CALLBACK_lazy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        ++lazyPaints;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A procedure that does not paint gets its paint once, whether UpdateWindow
// or the message loop sent it, never the same paint again.
TEST_F(CoreMessages, AnUnpaintedWindowIsNotAskedAgain) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CALLBACK_lazy;
    windowClass.lpszClassName = u"lazy";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, u"lazy", u"", WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
    lazyPaints = 0;
    MSG message{};
    EXPECT_TRUE(UpdateWindow(window));
    EXPECT_EQ(lazyPaints, 1);
    EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0));
    InvalidateRect(window, nullptr, FALSE);
    ASSERT_TRUE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_PAINT);
    DispatchMessageW(&message);
    EXPECT_EQ(lazyPaints, 2);
    EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0));
}

TEST_F(CoreMessages, QuitEndsTheLoopWithItsCode) {
    makeWindow();
    PostQuitMessage(7);
    MSG message{};
    // Paints wait behind the quit.
    EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(CoreMessages, MessageBoxesTakeMatchingQueuedAnswersOrTheirDefault) {
    HWND window = makeWindow();
    platform_testing::queueMessageBoxAnswer(IDYES);
    // An OK box cannot take Yes: it takes OK and leaves Yes queued.
    EXPECT_EQ(MessageBoxW(window, u"Я победил!", u"", MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(MessageBoxW(window, u"Перевод?", u"", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(MessageBoxW(window, u"Перевод?", u"", MB_YESNO | MB_ICONQUESTION), IDNO);
    auto boxes = platform_testing::takeMessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, u"Я победил!");
    EXPECT_EQ(boxes[0].style, 0x40u);
    EXPECT_EQ(boxes[1].result, IDYES);
    EXPECT_EQ(boxes[2].result, IDNO);
}

} // namespace
