// The resource calls: bitmaps, the icon, strings, the accelerator table and
// dialog templates, found by number; unknown numbers find nothing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/resource_api.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

class ResourceCalls : public testing::Test {
  protected:
    void SetUp() override { platform_testing::resetPlatform(); }
    void TearDown() override { platform_testing::resetPlatform(); }
};

SIZE bitmapSize(HGDIOBJ bitmap) {
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof info, &info) == 0) {
        return SIZE{-1, -1};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

TEST_F(ResourceCalls, BitmapsLoadAtTheirSizesAndEachLoadIsANewBitmap) {
    HBITMAP heart = LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDB_HEART));
    ASSERT_NE(heart, nullptr);
    EXPECT_EQ(bitmapSize(heart).cx, 9);
    EXPECT_EQ(bitmapSize(heart).cy, 9);
    EXPECT_EQ(bitmapSize(LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDB_RANKS_RED))).cx, 170);

    HBITMAP again = LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDB_HEART));
    EXPECT_NE(again, heart);
    EXPECT_EQ(platform::surfaceOfBitmap(again)->pixels, platform::surfaceOfBitmap(heart)->pixels);
    EXPECT_TRUE(DeleteObject(again));
    EXPECT_NE(platform::surfaceOfBitmap(heart), nullptr);
}

TEST_F(ResourceCalls, UnknownOrNamedBitmapsAreNotFound) {
    EXPECT_EQ(LoadBitmapW(nullptr, MAKEINTRESOURCEW(999)), nullptr);
    EXPECT_EQ(LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDS_TITLE)), nullptr);
    EXPECT_EQ(LoadBitmapW(nullptr, u"HEART"), nullptr);
    EXPECT_EQ(LoadBitmapW(nullptr, nullptr), nullptr);
}

TEST_F(ResourceCalls, TheIconIsSharedBetweenLoads) {
    HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(IDI_APP));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(IDI_APP)), icon);
    ASSERT_NE(platform::surfaceOfIcon(icon), nullptr);
    EXPECT_GT(platform::surfaceOfIcon(icon)->width, 0);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(IDB_HEART)), nullptr);
    EXPECT_EQ(platform::surfaceOfIcon(nullptr), nullptr);
}

TEST_F(ResourceCalls, StringsAreCutToTheBufferAndAlwaysTerminated) {
    char16_t buffer[16];
    EXPECT_EQ(LoadStringW(nullptr, IDS_TITLE, buffer, 16), 5);
    EXPECT_EQ(std::u16string(buffer), u"Дурак");
    EXPECT_EQ(LoadStringW(nullptr, IDS_CLASS_NAME, buffer, 16), 5);
    EXPECT_EQ(std::u16string(buffer), u"ДУРАК");

    EXPECT_EQ(LoadStringW(nullptr, IDS_TITLE, buffer, 3), 2);
    EXPECT_EQ(std::u16string(buffer), u"Ду");
    EXPECT_EQ(LoadStringW(nullptr, IDS_TITLE, buffer, 1), 0);
    EXPECT_EQ(buffer[0], u'\0');

    buffer[0] = u'x';
    EXPECT_EQ(LoadStringW(nullptr, 2, buffer, 16), 0);
    EXPECT_EQ(buffer[0], u'\0');
    EXPECT_EQ(LoadStringW(nullptr, IDS_TITLE, buffer, 0), 0);
    EXPECT_EQ(LoadStringW(nullptr, IDS_TITLE, nullptr, 16), 0);
}

// A window that records the commands it is sent.
std::vector<WPARAM> commands;

LRESULT commandRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        commands.push_back(wParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeRecorder() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = commandRecorder;
    windowClass.lpszClassName = u"accelerator recorder";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, u"accelerator recorder", u"", 0, 0, 0, 240, 320, nullptr, nullptr,
                           nullptr, nullptr);
}

MSG keyMessage(HWND window, UINT message, WPARAM key, bool alt) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = key;
    msg.lParam = alt ? KF_ALTDOWN_LPARAM : 0;
    return msg;
}

WPARAM fromAccelerator(int command) {
    return static_cast<WPARAM>(command) | (WPARAM{1} << 16);
}

TEST_F(ResourceCalls, AcceleratorKeysBecomeCommandsSentAtOnce) {
    commands.clear();
    HWND window = makeRecorder();
    HACCEL table = LoadAcceleratorsW(nullptr, MAKEINTRESOURCEW(IDA_MAIN));
    ASSERT_NE(table, nullptr);

    MSG altN = keyMessage(window, WM_SYSKEYDOWN, 'N', true);
    EXPECT_EQ(TranslateAcceleratorW(window, table, &altN), 1);
    MSG altF4 = keyMessage(window, WM_SYSKEYDOWN, VK_F4, true);
    EXPECT_EQ(TranslateAcceleratorW(window, table, &altF4), 1);
    MSG altSlash = keyMessage(window, WM_SYSCHAR, '/', true);
    EXPECT_EQ(TranslateAcceleratorW(window, table, &altSlash), 1);
    EXPECT_EQ(commands,
              (std::vector<WPARAM>{fromAccelerator(IDM_NEW_GAME), fromAccelerator(IDM_EXIT),
                                   fromAccelerator(IDM_ABOUT)}));
}

TEST_F(ResourceCalls, KeysThatDoNotMatchAnEntryPassThrough) {
    commands.clear();
    HWND window = makeRecorder();
    HACCEL table = LoadAcceleratorsW(nullptr, MAKEINTRESOURCEW(IDA_MAIN));
    std::vector<MSG> others{
        keyMessage(window, WM_KEYDOWN, 'N', false),    // N without Alt
        keyMessage(window, WM_SYSCHAR, 'N', true),     // N as a character: the entry is a key
        keyMessage(window, WM_SYSKEYDOWN, '/', true),  // "/" as a key: the entry is a character
        keyMessage(window, WM_CHAR, '/', false),       // "/" without Alt
        keyMessage(window, WM_SYSKEYDOWN, 'M', true),  // no entry
        keyMessage(window, WM_SYSKEYUP, 'N', true),    // a release
        keyMessage(window, WM_LBUTTONDOWN, 'N', true), // not a key at all
    };
    for (MSG& message : others) {
        EXPECT_EQ(TranslateAcceleratorW(window, table, &message), 0)
            << "message " << message.message << " key " << message.wParam;
    }
    MSG altN = keyMessage(window, WM_SYSKEYDOWN, 'N', true);
    EXPECT_EQ(TranslateAcceleratorW(window, nullptr, &altN), 0);
    EXPECT_EQ(TranslateAcceleratorW(window, reinterpret_cast<HACCEL>(0x1234), &altN), 0);
    EXPECT_EQ(TranslateAcceleratorW(window, table, nullptr), 0);
    EXPECT_TRUE(commands.empty());
    EXPECT_EQ(LoadAcceleratorsW(nullptr, MAKEINTRESOURCEW(999)), nullptr);
}

TEST_F(ResourceCalls, UnknownDialogsAndForeignHandlesFindNothing) {
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(999), RT_DIALOG()), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_OPTIONS), MAKEINTRESOURCEW(2)), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, u"OPTIONS", RT_DIALOG()), nullptr);
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_OPTIONS), RT_DIALOG());
    // A found resource is not yet loaded data, and a loaded one is not found.
    EXPECT_EQ(LockResource(reinterpret_cast<HGLOBAL>(found)), nullptr);
    EXPECT_EQ(LoadResource(nullptr, reinterpret_cast<HRSRC>(LoadResource(nullptr, found))),
              nullptr);
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    EXPECT_EQ(LockResource(reinterpret_cast<HGLOBAL>(0xDEADBEEF)), nullptr);
}

} // namespace
