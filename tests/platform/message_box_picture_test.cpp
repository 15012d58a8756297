// What the on-screen message box looks like over the table: as captured by
// the backend while the box waits for its answer.
#include "message_box_fixture.h"

namespace {

using namespace message_box_testing;

constexpr uint32_t GREEN = 0x008000;
constexpr uint32_t TITLE_BLUE = 0x000080;
constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t ICON_BLUE = 0x2050E0;

struct Picture {
    platform::Surface screen;
    RECT box{};
};

class MessageBoxPicture : public MessageBoxTest {
  protected:
    // The screen as last presented before the box took its first input,
    // and where the box was.
    Picture pictureOf(LPCWSTR text, LPCWSTR caption, UINT style) {
        Picture picture;
        then([this, &picture] {
            picture.screen = backend->shown.back();
            GetWindowRect(openBox(), &picture.box);
            return event(Type::Key, 0, 0, VK_ESCAPE);
        });
        show(text, caption, style);
        return picture;
    }

    static int count(const Picture& picture, uint32_t pixel) {
        int found = 0;
        for (LONG y = picture.box.top; y < picture.box.bottom; ++y) {
            for (LONG x = picture.box.left; x < picture.box.right; ++x) {
                found += picture.screen.at(x, y) == pixel ? 1 : 0;
            }
        }
        return found;
    }
};

TEST_F(MessageBoxPicture, TheBoxIsCentredOverTheTableWhichShowsAroundIt) {
    Picture picture = pictureOf(u"Я победил!", u"", 0x40);
    const RECT& box = picture.box;
    EXPECT_NEAR((box.left + box.right) / 2.0, platform::SCREEN_WIDTH / 2.0, 1.0);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, platform::SCREEN_HEIGHT / 2.0, 1.0);
    EXPECT_GT(box.left, 0);
    EXPECT_GT(box.top, 0);
    int outsideWrong = 0;
    for (int y = 0; y < platform::SCREEN_HEIGHT; ++y) {
        for (int x = 0; x < platform::SCREEN_WIDTH; ++x) {
            bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            if (!inside && picture.screen.at(x, y) != GREEN) {
                ++outsideWrong;
            }
        }
    }
    EXPECT_EQ(outsideWrong, 0);
    EXPECT_EQ(picture.screen.at(box.left, box.top), BLACK); // its frame
    EXPECT_EQ(picture.screen.at(box.left + 3, box.top + 3), TITLE_BLUE);
    EXPECT_GT(count(picture, WHITE), (box.right - box.left) * (box.bottom - box.top) / 3);
}

TEST_F(MessageBoxPicture, InformationAndQuestionBoxesShowTheirIconsAndAPlainBoxNone) {
    Picture information = pictureOf(u"Я победил!", u"", 0x40);
    Picture question = pictureOf(u"Ещё раз?", u"", 0x24);
    Picture plain = pictureOf(u"Я победил!", u"", 0);
    EXPECT_GT(count(information, ICON_BLUE), 300);
    EXPECT_GT(count(question, ICON_BLUE), 300);
    EXPECT_EQ(count(plain, ICON_BLUE), 0);

    // The same disc, with a different white glyph on it.
    Picture questionSameText = pictureOf(u"Я победил!", u"", 0x20);
    ASSERT_EQ(questionSameText.box.left, information.box.left);
    int glyphDifferences = 0;
    for (LONG y = information.box.top; y < information.box.bottom; ++y) {
        for (LONG x = information.box.left; x < information.box.left + 48; ++x) {
            glyphDifferences +=
                information.screen.at(x, y) != questionSameText.screen.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(glyphDifferences, 10);
}

TEST_F(MessageBoxPicture, YesNoBoxesHaveTwoButtonsAndOkBoxesOne) {
    std::vector<platform::MessageBoxButton> yesNo;
    std::vector<platform::MessageBoxButton> ok;
    then([&] {
        yesNo = platform::messageBoxButtons(openBox());
        return event(Type::Key, 0, 0, VK_ESCAPE);
    });
    show(u"Ещё раз?", u"", 0x24);
    then([&] {
        ok = platform::messageBoxButtons(openBox());
        return event(Type::Key, 0, 0, VK_ESCAPE);
    });
    show(u"Я победил!", u"", 0x40);
    ASSERT_EQ(yesNo.size(), 2u);
    EXPECT_EQ(yesNo[0].result, IDYES);
    EXPECT_EQ(yesNo[1].result, IDNO);
    EXPECT_LE(yesNo[0].rect.right, yesNo[1].rect.left);
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok[0].result, IDOK);
    EXPECT_TRUE(platform::messageBoxButtons(main).empty());
}

TEST_F(MessageBoxPicture, LongTextWrapsIntoATallerBoxThatStaysOnTheScreen) {
    Picture shortText = pictureOf(u"Да.", u"", 0x40);
    Picture longText = pictureOf(u"Это очень длинное сообщение, которое никак не помещается в "
                                 u"одну строку на маленьком экране карманного компьютера.",
                                 u"", 0x40);
    EXPECT_GT(longText.box.bottom - longText.box.top, shortText.box.bottom - shortText.box.top);
    EXPECT_GE(longText.box.left, 0);
    EXPECT_LE(longText.box.right, platform::SCREEN_WIDTH);
    EXPECT_GT(count(longText, BLACK), count(shortText, BLACK));

    std::u16string endless;
    for (int i = 0; i < 200; ++i) {
        endless += u"слово ";
    }
    Picture huge = pictureOf(endless.c_str(), u"", 0x24);
    EXPECT_GE(huge.box.top, 0);
    EXPECT_LE(huge.box.bottom, platform::SCREEN_HEIGHT);
}

TEST_F(MessageBoxPicture, TheTableKeepsRepaintingUnderTheBox) {
    RECT box{};
    then([&] {
        GetWindowRect(openBox(), &box);
        tableColour() = RGB(128, 0, 0);
        InvalidateRect(main, nullptr, FALSE);
        return event(Type::PenMove, 2, 2);
    });
    size_t shownBefore = 0;
    then([&] {
        shownBefore = backend->shown.size();
        return event(Type::Key, 0, 0, VK_RETURN);
    });
    show(u"Я победил!", u"", 0x40);
    ASSERT_GE(backend->shown.size(), 2u);
    const platform::Surface& repainted = backend->shown[shownBefore - 1];
    EXPECT_EQ(repainted.at(2, 2), 0x800000u);
    EXPECT_EQ(repainted.at(box.left + 3, box.top + 3), TITLE_BLUE); // the box stays on top
}

TEST_F(MessageBoxPicture, AShownBoxCanBePicturedWithoutWaitingForAnAnswer) {
    platform::MessageBoxInfo info{u"Я победил!", u"", 0x40};
    HWND box = platform::showMessageBoxWindow(main, info);
    ASSERT_NE(box, nullptr);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0)) {
        DispatchMessageW(&message);
    }
    RECT rect{};
    GetWindowRect(box, &rect);
    platform::Surface screen = platform::composeScreen();
    EXPECT_EQ(screen.at(rect.left + 3, rect.top + 3), TITLE_BLUE);
    EXPECT_EQ(screen.at(0, 0), GREEN);
    EXPECT_TRUE(IsWindowEnabled(main));
    DestroyWindow(box);
    EXPECT_EQ(platform::composeScreen().at(rect.left + 3, rect.top + 3), GREEN);
}

} // namespace
