// Answering the on-screen message box with the pen and the keys, and what
// happens to its owner meanwhile.
#include "message_box_fixture.h"

namespace {

using namespace message_box_testing;

TEST_F(MessageBoxTest, YesAndNoAreAnsweredWithThePen) {
    thenTap(IDYES);
    EXPECT_EQ(show(u"Сдаётесь?", u"", 0x24), IDYES);
    thenTap(IDNO);
    EXPECT_EQ(show(u"Сдаётесь?", u"", 0x24), IDNO);
    thenTap(IDOK);
    EXPECT_EQ(show(u"Я победил!", u"", 0x40), IDOK);
    EXPECT_TRUE(backend->steps.empty());
}

TEST_F(MessageBoxTest, ThePenMustBeReleasedOnTheButtonItPressed) {
    auto yes = std::make_shared<POINT>();
    then([yes] {
        *yes = centreOfButton(IDYES);
        return event(Type::PenDown, yes->x, yes->y);
    });
    then([] {
        POINT no = centreOfButton(IDNO);
        return event(Type::PenUp, no.x, no.y);
    });
    then([] { return event(Type::PenDown, 120, 300); }); // on the table, outside the box
    then([] { return event(Type::PenUp, 120, 300); });
    thenKey('Y');
    EXPECT_EQ(show(u"Ещё раз?", u"", 0x24), IDYES);
    EXPECT_TRUE(backend->steps.empty());
}

TEST_F(MessageBoxTest, DraggingBackOntoThePressedButtonAnswersWithIt) {
    auto no = std::make_shared<POINT>();
    then([no] {
        *no = centreOfButton(IDNO);
        return event(Type::PenDown, no->x, no->y);
    });
    then([] { return event(Type::PenMove, 5, 5); });
    then([no] { return event(Type::PenMove, no->x, no->y); });
    then([no] { return event(Type::PenUp, no->x, no->y); });
    EXPECT_EQ(show(u"Ещё раз?", u"", 0x24), IDNO);
}

struct KeyCase {
    UINT style;
    uint32_t key;
    int result;
};

TEST_F(MessageBoxTest, KeysAnswerAsTheirButtons) {
    const KeyCase cases[] = {
        {0x24, VK_RETURN, IDYES}, {0x24, VK_ESCAPE, IDNO}, {0x24, 'Y', IDYES},
        {0x24, 'N', IDNO},        {0x40, VK_RETURN, IDOK}, {0x40, VK_ESCAPE, IDOK},
        {0x00, VK_RETURN, IDOK},  {0x00, VK_ESCAPE, IDOK},
    };
    for (const KeyCase& keyCase : cases) {
        thenKey(keyCase.key);
        EXPECT_EQ(show(u"Текст", u"", keyCase.style), keyCase.result)
            << "style " << keyCase.style << " key " << keyCase.key;
        EXPECT_TRUE(backend->steps.empty());
    }
}

TEST_F(MessageBoxTest, OtherKeysLeaveTheBoxOpen) {
    thenKey('Y'); // not a button of an OK box
    thenKey('N');
    thenKey(VK_SPACE);
    then(event(Type::Char, 0, 0, 'y'));
    thenKey(VK_RETURN);
    EXPECT_EQ(show(u"Я победил!", u"", 0x40), IDOK);
    EXPECT_TRUE(backend->steps.empty());
}

TEST_F(MessageBoxTest, TheDesktopCloseButtonAnswersLikeEscapeThenClosesTheTable) {
    then(event(Type::Close));
    EXPECT_EQ(show(u"Ещё раз?", u"", 0x24), IDNO);
    EXPECT_TRUE(IsWindow(main)); // the box is answered before the table closes
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(IsWindow(main)); // one close ends the program
}

TEST_F(MessageBoxTest, TheOwnerIsDisabledWhileTheBoxIsOpenAndEnabledAfter) {
    BOOL enabledMeanwhile = TRUE;
    HWND active = nullptr;
    then([&] {
        enabledMeanwhile = IsWindowEnabled(main);
        active = platform::activeWindow();
        return event(Type::Key, 0, 0, VK_RETURN);
    });
    EXPECT_EQ(show(u"Текст", u"", 0), IDOK);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_NE(active, main);
    EXPECT_NE(active, nullptr);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_FALSE(IsWindow(active));
    EXPECT_EQ(platform::activeWindow(), main);
}

TEST_F(MessageBoxTest, TheTableGetsNeitherPenNorKeysWhileTheBoxIsOpen) {
    then(event(Type::PenDown, 120, 300)); // on the table, below the box
    then(event(Type::PenUp, 120, 300));
    thenKey(VK_LEFT);
    thenKey(VK_ESCAPE);
    EXPECT_EQ(show(u"Текст", u"", 0), IDOK);
    EXPECT_TRUE(tableInput().empty());
    EXPECT_TRUE(backend->steps.empty());
}

TEST_F(MessageBoxTest, AQuitEndsTheBoxWithItsDefaultAndReachesTheOuterLoop) {
    backend->quitCode = 3;
    EXPECT_EQ(show(u"Ещё раз?", u"", 0x24), IDNO);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(platform::activeWindow(), main);
    MSG message{};
    backend->quitCode = 0;
    ASSERT_FALSE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 3u);
}

TEST_F(MessageBoxTest, TheAnswerIsRecordedAndReportedLikeAnyBox) {
    platform_testing::takeMessageBoxes();
    thenKey('N');
    EXPECT_EQ(show(u"Сдаётесь?", u"Дурак", 0x24), IDNO);
    auto records = platform_testing::takeMessageBoxes();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, u"Сдаётесь?");
    EXPECT_EQ(records[0].caption, u"Дурак");
    EXPECT_EQ(records[0].style, 0x24u);
    EXPECT_EQ(records[0].result, IDNO);
}

} // namespace
