// SPDX-License-Identifier: MIT
// Every kind of message box the program shows, in both languages, as the
// player sees it, compared pixel by pixel with its golden picture. The
// dialogs, the rules and the tooltip are pictured by the whole-program
// goldens (tests/runs/golden_screens_test.cpp), where a script can hold them
// open; a message box is answered there as soon as it opens.
#include "game/texts.h"
#include "platform/resource_api.h"
#include "platform/screen.h"
#include "platform/text_format.h"
#include "settings_dialog_support.h"
#include "support/golden_pictures.h"
#include "window/main_window.h"

namespace {

using namespace settings_dialog_testing;

// The boxes as the game and the About command show them: the question before
// a trump transfer, the end of a game, a message of the computer's, About.
struct BoxPicture {
    const char* golden;
    int textId;
    int captionId; // 0: no caption
    UINT style;
};
const BoxPicture boxes[] = {
    {"box_transfer_question", IDS_ASK_TRANSFER, 0, MB_YESNO | MB_ICONQUESTION},
    {"box_computer_won", IDS_COMPUTER_WON, 0, MB_OK | MB_ICONINFORMATION},
    {"box_message", IDS_ERROR_TABLE_IN_USE, 0, MB_OK},
    {"box_about", IDS_ABOUT_FORMAT, IDS_ABOUT_CAPTION, MB_OK},
};

using WindowPictures = SettingsDialogTest;

TEST_F(WindowPictures, MessageBoxesLookAsTheirGoldens) {
    for (const auto& [language, suffix] : {std::pair{LANG_RUSSIAN, ""}, {LANG_ENGLISH, "_en"}}) {
        SetThreadUILanguage(MAKELANGID(language, SUBLANG_DEFAULT));
        for (const BoxPicture& box : boxes) {
            const std::string name = std::string(box.golden) + suffix;
            SCOPED_TRACE(name);
            WCHAR text[256] = {};
            wsprintfW(text, ::textOf(box.textId), u"Talonix", 1, 1);
            platform::Surface picture;
            then([&picture] { picture = platform::composeScreen(); });
            platform::InputEvent escape;
            escape.type = Type::Key;
            escape.key = VK_ESCAPE;
            steps.emplace_back(escape);
            MessageBoxW(mainWindow, text, box.captionId != 0 ? ::textOf(box.captionId) : u"",
                        box.style);
            EXPECT_TRUE(steps.empty()) << "the box was open for its picture";
            golden_pictures::expectGolden(picture, name, name);
        }
    }
}

// A button held down under the pen: sunk, its face moved a pixel right and
// down, until the pen lifts and the box closes.
TEST_F(WindowPictures, AHeldButtonLooksPressed) {
    SetThreadUILanguage(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    platform::InputEvent pen;
    pen.x = 120;
    pen.y = 188; // the middle of OK
    pen.type = Type::PenDown;
    steps.emplace_back(pen);
    platform::Surface picture;
    then([&picture] { picture = platform::composeScreen(); });
    pen.type = Type::PenUp;
    steps.emplace_back(pen);
    EXPECT_EQ(MessageBoxW(mainWindow, ::textOf(IDS_COMPUTER_WON), u"", MB_OK | MB_ICONINFORMATION),
              IDOK);
    EXPECT_TRUE(steps.empty());
    golden_pictures::expectGolden(picture, "box_ok_held", "box_ok_held");
}

} // namespace
