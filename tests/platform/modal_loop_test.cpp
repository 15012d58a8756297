// SPDX-License-Identifier: MIT
// The modal loops of DialogBoxIndirectParamW and of the message box: how they
// start, what runs while they are open, and the ways they end.
#include "dialog_test_support.h"
#include "platform/core/message_box_screen.h"
#include "resources/resource_table.h"

namespace {

using namespace dialog_testing;

class DialogModalLoop : public DialogTest {};

TEST_F(DialogModalLoop, EndsWithTheValueGivenToEndDialogAndReportsIt) {
    record.endOnOkOrCancel = false;
    then([this] { EndDialog(record.dialog, 42); });
    EXPECT_EQ(run(), 42);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0], (std::pair<int, INT_PTR>{-1, 42})) << "a template of ours has no id";
}

TEST_F(DialogModalLoop, InitDialogGetsTheFirstTabStopAndTheParameter) {
    int offered = 0;
    record.onInit = [&](HWND) { offered = controlId(record.dialog, record.initFocus); };
    int focused = 0;
    then([&] { focused = controlId(record.dialog, GetFocus()); });
    thenClose();
    run(allKinds, 1234);
    EXPECT_EQ(record.initParam, 1234);
    EXPECT_EQ(offered, PUSH) << "the label before it takes no focus";
    EXPECT_EQ(focused, PUSH);
}

TEST_F(DialogModalLoop, DisablesTheOwnerWhileOpenAndRestoresItAfter) {
    BOOL enabledDuring = TRUE;
    bool openDuring = false;
    then([&] {
        enabledDuring = IsWindowEnabled(owner);
        openDuring = platform::modalDialogOpen();
    });
    thenClose();
    run();
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(openDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(platform::modalDialogOpen());
    EXPECT_TRUE(platform::describeOpenDialog().is_null());
    EXPECT_FALSE(IsWindow(record.dialog)) << "the dialog's window is destroyed";
}

TEST_F(DialogModalLoop, OtherWindowsGoOnPaintingWhileItIsOpen) {
    int paintsBefore = -1;
    then([&] {
        paintsBefore = ownerPaints;
        InvalidateRect(owner, nullptr, FALSE);
    });
    then([&] { EXPECT_EQ(ownerPaints, paintsBefore + 1); });
    thenClose();
    run();
}

TEST_F(DialogModalLoop, QuitEndsTheLoopAndIsPostedAgainForTheProgram) {
    then([] { PostQuitMessage(7); });
    EXPECT_EQ(run(), IDCANCEL) << "a dialog ended from outside counts as cancelled";
    EXPECT_FALSE(IsWindow(record.dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG message{};
    EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 7u);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].second, IDCANCEL);
}

TEST_F(DialogModalLoop, TheCloseBoxCancels) {
    then([this] {
        RECT window{};
        GetWindowRect(record.dialog, &window);
        // The close box sits at the right end of the title bar.
        tap(POINT{window.right - 6, window.top + 8});
    });
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
}

TEST_F(DialogModalLoop, TheDesktopCloseCancelsTheDialogThenClosesTheOwner) {
    then([this] { event(Type::Close, 0, 0); });
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDCANCEL, 0}}));
    EXPECT_TRUE(IsWindow(owner)); // the dialog's answer comes first
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(IsWindow(owner));
}

// The on-screen message box: answered with the pen and the keys, what
// happens to its owner meanwhile, and how it looks over the table.
class MessageBoxTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        UpdateWindow(owner);
    }

    int show(LPCWSTR text, UINT style) { return MessageBoxW(owner, text, u"", style); }

    // The middle of the open box's button that gives result.
    static POINT button(int result) {
        for (const auto& button : platform::messageBoxButtons(platform::activeWindow())) {
            if (button.result == result) {
                return POINT{(button.rect.left + button.rect.right) / 2,
                             (button.rect.top + button.rect.bottom) / 2};
            }
        }
        ADD_FAILURE() << "no button " << result << " in the open box";
        return POINT{-1, -1};
    }
    void thenTap(int result) {
        then([this, result] { tap(button(result)); });
    }
};

TEST_F(MessageBoxTest, ThePenAnswersOnlyWhereItRisesOnTheButtonItPressed) {
    thenTap(IDYES);
    EXPECT_EQ(show(u"Сдаётесь?", 0x24), IDYES);
    thenTap(IDNO);
    EXPECT_EQ(show(u"Сдаётесь?", 0x24), IDNO);
    thenTap(IDOK);
    EXPECT_EQ(show(u"Я победил!", 0x40), IDOK);
    then([this] {
        const POINT yes = button(IDYES);
        const POINT no = button(IDNO);
        event(Type::PenDown, yes.x, yes.y);
        event(Type::PenUp, no.x, no.y);
        tap(POINT{120, 300}); // on the table, outside the box
        key(VK_LEFT);
        key('Y');
    });
    EXPECT_EQ(show(u"Ещё раз?", 0x24), IDYES);
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(ownerInput.empty()) << "the table gets neither pen nor keys meanwhile";
}

TEST_F(MessageBoxTest, KeysAnswerAsTheirButtons) {
    const struct {
        UINT style;
        WORD key;
        int result;
    } cases[] = {
        {0x24, VK_RETURN, IDYES}, {0x24, VK_ESCAPE, IDNO}, {0x24, 'Y', IDYES},
        {0x24, 'N', IDNO},        {0x40, VK_RETURN, IDOK}, {0x40, VK_ESCAPE, IDOK},
        {0x00, VK_RETURN, IDOK},  {0x00, VK_ESCAPE, IDOK},
    };
    for (const auto& c : cases) {
        key(c.key);
        EXPECT_EQ(show(u"Текст", c.style), c.result) << "style " << c.style << " key " << c.key;
        EXPECT_TRUE(steps.empty());
    }
}

TEST_F(MessageBoxTest, TheOwnerIsDisabledWhileTheBoxIsOpenAndEnabledAfter) {
    BOOL enabledMeanwhile = TRUE;
    HWND active = nullptr;
    then([&] {
        enabledMeanwhile = IsWindowEnabled(owner);
        active = platform::activeWindow();
        key(VK_RETURN);
    });
    EXPECT_EQ(show(u"Текст", 0), IDOK);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_NE(active, owner);
    EXPECT_NE(active, nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(active));
    EXPECT_EQ(platform::activeWindow(), owner);
}

TEST_F(MessageBoxTest, TheDesktopCloseAnswersLikeEscapeThenClosesTheTable) {
    event(Type::Close);
    EXPECT_EQ(show(u"Ещё раз?", 0x24), IDNO);
    EXPECT_TRUE(IsWindow(owner)); // the box is answered before the table closes
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(IsWindow(owner)); // one close ends the program
}

TEST_F(MessageBoxTest, AQuitEndsTheBoxWithItsDefaultAndReachesTheOuterLoop) {
    EXPECT_EQ(show(u"Ещё раз?", 0x24), IDNO); // no input: the backend quits with 99
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(platform::activeWindow(), owner);
    MSG message{};
    ASSERT_FALSE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 99u);
}

constexpr uint32_t GREEN = 0x008000;
constexpr uint32_t ICON_BLUE = 0x2050E0;

struct Picture {
    platform::Surface screen;
    RECT box{};

    int count(uint32_t pixel) const {
        int found = 0;
        for (LONG y = box.top; y < box.bottom; ++y) {
            for (LONG x = box.left; x < box.right; ++x) {
                found += screen.at(x, y) == pixel ? 1 : 0;
            }
        }
        return found;
    }
};

class MessageBoxPicture : public MessageBoxTest {
  protected:
    // The screen once the box is painted, and where the box is.
    Picture pictureOf(LPCWSTR text, UINT style) {
        Picture picture;
        then([this, &picture] {
            picture.screen = platform::composeScreen();
            GetWindowRect(platform::activeWindow(), &picture.box);
            key(VK_ESCAPE);
        });
        show(text, style);
        return picture;
    }
};

TEST_F(MessageBoxPicture, TheBoxIsCentredOverTheTableWhichShowsAroundIt) {
    Picture picture = pictureOf(u"Я победил!", 0x40);
    const RECT& box = picture.box;
    EXPECT_NEAR((box.left + box.right) / 2.0, platform::SCREEN_WIDTH / 2.0, 1.0);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, platform::SCREEN_HEIGHT / 2.0, 1.0);
    EXPECT_GT(box.left, 0);
    EXPECT_GT(box.top, 0);
    const int boxArea = (box.right - box.left) * (box.bottom - box.top);
    const Picture whole{picture.screen, {0, 0, platform::SCREEN_WIDTH, platform::SCREEN_HEIGHT}};
    EXPECT_EQ(whole.count(GREEN) - picture.count(GREEN),
              platform::SCREEN_WIDTH * platform::SCREEN_HEIGHT - boxArea);
    EXPECT_EQ(picture.screen.at(box.left, box.top), 0x000000u);         // its frame
    EXPECT_EQ(picture.screen.at(box.left + 3, box.top + 3), 0x000080u); // the title bar
    EXPECT_GT(picture.count(0xFFFFFF), boxArea / 3);
}

TEST_F(MessageBoxPicture, InformationAndQuestionBoxesShowTheirIconsAndAPlainBoxNone) {
    Picture information = pictureOf(u"Я победил!", 0x40);
    EXPECT_GT(information.count(ICON_BLUE), 300);
    EXPECT_GT(pictureOf(u"Ещё раз?", 0x24).count(ICON_BLUE), 300);
    EXPECT_EQ(pictureOf(u"Я победил!", 0).count(ICON_BLUE), 0);

    // The same disc, with a different white glyph on it.
    Picture question = pictureOf(u"Я победил!", 0x20);
    ASSERT_EQ(question.box.left, information.box.left);
    int glyphDifferences = 0;
    for (LONG y = information.box.top; y < information.box.bottom; ++y) {
        for (LONG x = information.box.left; x < information.box.left + 48; ++x) {
            glyphDifferences += information.screen.at(x, y) != question.screen.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(glyphDifferences, 10);
}

} // namespace
