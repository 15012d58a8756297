// The on-screen message box: answered with the pen and the keys, what
// happens to its owner meanwhile, and how it looks over the table.
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/core/message_box_screen.h"
#include "platform/gdi_api.h"
#include "platform/screen.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace {

using Type = platform::InputEvent::Type;
using Step = std::function<platform::InputEvent()>;

class ScriptedBackend final : public platform::Backend {
  public:
    std::deque<Step> steps;
    std::vector<platform::Surface> shown;
    int quitCode = 0;

    platform::InputEvent waitEvent() override {
        if (steps.empty()) {
            platform::InputEvent quit;
            quit.type = Type::Quit;
            quit.exitCode = quitCode;
            return quit;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        return step();
    }
    void present(const platform::Surface& screen) override { shown.push_back(screen); }
};

// Pen and key messages the table received.
inline std::vector<UINT>& tableInput() {
    static std::vector<UINT> seen;
    return seen;
}

inline LRESULT tableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN) {
        tableInput().push_back(message);
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline platform::InputEvent event(Type type, int x = 0, int y = 0, uint32_t key = 0) {
    platform::InputEvent made;
    made.type = type;
    made.x = x;
    made.y = y;
    made.key = key;
    return made;
}

// The open box: the newest window that takes input.
inline HWND openBox() {
    return platform::activeWindow();
}

inline POINT centreOfButton(int result) {
    for (const platform::MessageBoxButton& button : platform::messageBoxButtons(openBox())) {
        if (button.result == result) {
            return POINT{(button.rect.left + button.rect.right) / 2,
                         (button.rect.top + button.rect.bottom) / 2};
        }
    }
    ADD_FAILURE() << "no button " << result << " in the open box";
    return POINT{-1, -1};
}

class MessageBoxTest : public ::testing::Test {
  protected:
    HWND main = nullptr;
    ScriptedBackend* backend = nullptr;

    void SetUp() override {
        platform_testing::resetPlatform();
        tableInput().clear();
        auto scripted = std::make_unique<ScriptedBackend>();
        backend = scripted.get();
        platform::setBackend(std::move(scripted));
        WNDCLASSW table{};
        table.style = CS_DBLCLKS;
        table.lpfnWndProc = tableProc;
        table.lpszClassName = u"table";
        RegisterClassW(&table);
        main = CreateWindowExW(0, u"table", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        UpdateWindow(main);
    }

    void TearDown() override { platform_testing::resetPlatform(); }

    void then(Step step) { backend->steps.push_back(std::move(step)); }
    void then(platform::InputEvent made) {
        backend->steps.push_back([made] { return made; });
    }
    void thenKey(uint32_t key) { then(event(Type::Key, 0, 0, key)); }
    // A pen down and up on the button that gives result.
    void thenTap(int result) {
        auto where = std::make_shared<POINT>();
        then([where, result] {
            *where = centreOfButton(result);
            return event(Type::PenDown, where->x, where->y);
        });
        then([where] { return event(Type::PenUp, where->x, where->y); });
    }

    int show(LPCWSTR text, LPCWSTR caption, UINT style) {
        return MessageBoxW(main, text, caption, style);
    }
};

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

TEST_F(MessageBoxTest, TheDesktopCloseAnswersLikeEscapeThenClosesTheTable) {
    then(event(Type::Close));
    EXPECT_EQ(show(u"Ещё раз?", u"", 0x24), IDNO);
    EXPECT_TRUE(IsWindow(main)); // the box is answered before the table closes
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(IsWindow(main)); // one close ends the program
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

} // namespace
