// SPDX-License-Identifier: MIT
// The resource calls: strings cut to the buffer, icons loaded once, and keys
// the accelerator table does not match.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/resource_api.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "platform_support.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

class ResourceCalls : public testing::Test {
  protected:
    void SetUp() override { platform_testing::resetPlatform(); }
    void TearDown() override { platform_testing::resetPlatform(); }
};

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

MSG keyMessage(HWND window, UINT message, WPARAM key, bool alt) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = key;
    msg.lParam = alt ? KF_ALTDOWN_LPARAM : 0;
    return msg;
}

// The window icon is one shared handle however often it is asked for; a
// number that is no icon gives none.
TEST_F(ResourceCalls, AnIconIsLoadedOnceAndShared) {
    const HICON first = LoadIconW(nullptr, MAKEINTRESOURCEW(IDI_APP));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(IDI_APP)), first);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(IDB_DIAMOND)), nullptr);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(IDB_DIAMOND)), nullptr);
}

TEST_F(ResourceCalls, KeysThatDoNotMatchAnEntryPassThrough) {
    platform_testing::arrivals.clear();
    HWND window = platform_testing::recordingWindow(u"recorder", 0, 0, {0, 0, 240, 320});
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
    EXPECT_TRUE(platform_testing::arrivals.empty());
    EXPECT_EQ(LoadAcceleratorsW(nullptr, MAKEINTRESOURCEW(999)), nullptr);
}

} // namespace
