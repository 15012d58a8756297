// Message sequences of the platform core: sending, posting, paints and quits.
#include <gtest/gtest.h>

#include <vector>

#include "platform/testing.h"
#include "platform/window_api.h"

namespace {

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Seen> seen;
int recursionDepth = 0;
RECT lastPaintBounds{};

LRESULT CALLBACK_recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back({window, message, wParam, lParam});
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

HWND makeWindow(UINT classStyle = 0) {
    WNDCLASSW windowClass{};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = CALLBACK_recorder;
    windowClass.lpszClassName = u"recorder";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, u"recorder", u"title", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

std::vector<UINT> messagesOf(const std::vector<Seen>& list) {
    std::vector<UINT> out;
    for (const Seen& entry : list) {
        out.push_back(entry.message);
    }
    return out;
}

class CoreMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        seen.clear();
        recursionDepth = 0;
        lastPaintBounds = RECT{};
    }
};

TEST_F(CoreMessages, CreationSendsCreateAndTheWindowCoversTheScreen) {
    HWND window = makeWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().message, WM_CREATE);
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right, 240);
    EXPECT_EQ(client.bottom, 320);
}

TEST_F(CoreMessages, SendIsSynchronousAndReentrantToAnyDepth) {
    HWND window = makeWindow();
    seen.clear();
    LRESULT result = SendMessageW(window, WM_USER, 50, 0);
    EXPECT_EQ(result, 50);
    EXPECT_EQ(recursionDepth, 50);
    EXPECT_EQ(seen.size(), 51u);
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

TEST_F(CoreMessages, InvalidationsAreRecordedWithTheirEraseFlag) {
    HWND window = makeWindow();
    platform_testing::takeInvalidations();
    RECT card{2, 141, 30, 181};
    InvalidateRect(window, &card, FALSE);
    InvalidateRect(window, nullptr, TRUE);
    auto marks = platform_testing::takeInvalidations();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].window, window);
    EXPECT_EQ(marks[0].rect.left, 2);
    EXPECT_EQ(marks[0].rect.bottom, 181);
    EXPECT_FALSE(marks[0].wholeWindow);
    EXPECT_EQ(marks[0].erase, FALSE);
    EXPECT_TRUE(marks[1].wholeWindow);
    EXPECT_EQ(marks[1].erase, TRUE);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
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

TEST_F(CoreMessages, ADestroyedWindowIsRefusedEverywhere) {
    HWND window = makeWindow();
    PostMessageW(window, WM_USER + 1, 0, 0);
    seen.clear();
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(messagesOf(seen), std::vector<UINT>{WM_DESTROY});
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SendMessageW(window, WM_USER, 3, 0), 0);
    EXPECT_FALSE(InvalidateRect(window, nullptr, FALSE));
    EXPECT_FALSE(PostMessageW(window, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(window));
    // Its queued message went with it.
    MSG message{};
    EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0));
}

TEST_F(CoreMessages, CloseByDefaultDestroysAndSetTextStoresTheTitle) {
    HWND window = makeWindow();
    ASSERT_TRUE(SetWindowTextW(window, u"Подкидной"));
    WCHAR title[100];
    EXPECT_EQ(GetWindowTextW(window, title, 100), 9);
    EXPECT_EQ(std::u16string(title), u"Подкидной");
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
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

TEST_F(CoreMessages, FixedClockIsReadBack) {
    platform_testing::setFixedClock(12, 34, 56, 789);
    SYSTEMTIME time{};
    GetSystemTime(&time);
    EXPECT_EQ(time.wHour, 12);
    EXPECT_EQ(time.wMinute, 34);
    EXPECT_EQ(time.wSecond, 56);
    EXPECT_EQ(time.wMilliseconds, 789);
}

} // namespace
