// Every English text fits the place it is shown in at 1x, measured in the
// font that place draws with: the status line, message boxes and their
// buttons, command-bar tooltips, and each dialog's title, labels and list
// lines, whose places come from the English templates themselves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialogs/dialog_units.h"
#include "platform/dialogs/paint_tools.h"
#include "platform/gdi_api.h"
#include "platform/resource_api.h"
#include "platform/testing.h"
#include "platform/text_format.h"
#include "platform/utf.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"
#include "window/table_layout.h"

namespace {

using platform::dialogs::DialogUnits;

// A place for text: lines no wider than `width` pixels, at most `lines` of
// them, in a font of `height` pixels (0: the system font of the table and
// the tooltips).
struct Place {
    int width;
    int lines;
    int height;
    int weight;
};

constexpr int systemLine = 11;
constexpr int messageLine = 12;
// A message box is at most the screen less 8 pixels a side; its text sits
// right of a 32-pixel icon with 8-pixel margins. Buttons are 52 pixels wide.
constexpr int messageTextWidth = (240 - 16) - 8 - 32 - 8 - 8;
constexpr int messageButtonWidth = 52 - 6;

int dialogLine() {
    return platform::dialogs::dialogFontLineHeight(8);
}

DialogUnits dialogUnits() {
    platform::dialogs::OwnedFont font(dialogLine(), FW_NORMAL);
    return platform::dialogs::measureDialogUnits(font.get(), dialogLine());
}

const DialogTemplate& englishDialog(int id) {
    const DialogTemplate* found = resources::findDialog(id, resources::LANGUAGE_ENGLISH);
    EXPECT_NE(found, nullptr) << id;
    return *found;
}

const DialogControlTemplate& controlOf(int dialogId, int textId) {
    const DialogTemplate& dialog = englishDialog(dialogId);
    const std::u16string text = resources::findString(textId, resources::LANGUAGE_ENGLISH);
    for (int i = 0; i < dialog.controlCount; ++i) {
        if (dialog.controls[i].text == text) {
            return dialog.controls[i];
        }
    }
    ADD_FAILURE() << "no control of dialog " << dialogId << " shows text " << textId;
    return dialog.controls[0];
}

const DialogControlTemplate& controlWithId(int dialogId, int controlId) {
    const DialogTemplate& dialog = englishDialog(dialogId);
    for (int i = 0; i < dialog.controlCount; ++i) {
        if (dialog.controls[i].id == controlId) {
            return dialog.controls[i];
        }
    }
    ADD_FAILURE() << "no control " << controlId << " in dialog " << dialogId;
    return dialog.controls[0];
}

// A label of a dialog: its template rectangle, less the box of a check box
// and the frame of a button.
Place dialogLabel(int dialogId, int textId) {
    const DialogControlTemplate& control = controlOf(dialogId, textId);
    const DialogUnits units = dialogUnits();
    int width = units.x(control.cx);
    const int height = units.y(control.cy);
    int lines = std::max(1, height / dialogLine());
    if (control.kind == DialogControlKind::CheckBox) {
        width -= std::max(5, std::min(dialogLine() - 2, height)) + 4;
        lines = (control.style & BS_MULTILINE) != 0 ? lines : 1;
    } else if (control.kind != DialogControlKind::Static) {
        width -= 6;
        lines = 1;
    }
    return {width, lines, dialogLine(), FW_NORMAL};
}

// A line of a list: inside the border, and left of the drop-down arrow.
Place listLine(int dialogId, int controlId) {
    const DialogControlTemplate& control = controlWithId(dialogId, controlId);
    int width = dialogUnits().x(control.cx) - 4;
    if (control.kind == DialogControlKind::DropDownList) {
        width -= dialogLine() + 4;
    }
    return {width, 1, dialogLine(), FW_NORMAL};
}

// A title in the bar, left of the close box.
Place dialogTitle(int dialogId) {
    return {dialogUnits().x(englishDialog(dialogId).cx) - 20, 1, dialogLine(), FW_BOLD};
}

struct FitCase {
    const char* what;
    int textId;
    Place place;
};

std::vector<FitCase> allCases() {
    const Place status{statusRect.right - statusRect.left,
                       (statusRect.bottom - statusRect.top) / systemLine, 0, FW_NORMAL};
    const Place messageText{messageTextWidth, 4, messageLine, FW_NORMAL};
    const Place messageButton{messageButtonWidth, 1, messageLine, FW_NORMAL};
    const Place tooltip{240 - 4, 1, 0, FW_NORMAL};
    std::vector<FitCase> cases;
    for (int id = IDS_STATUS_TRANSFERRED; id <= IDS_STATUS_SELECT_CARDS; ++id) {
        cases.push_back({"status line", id, status});
    }
    for (int id = IDS_ASK_TRANSFER; id <= IDS_ABOUT_FORMAT; ++id) {
        cases.push_back({"message box", id, messageText});
    }
    cases.push_back({"message box caption", IDS_ABOUT_CAPTION, messageText});
    for (int id = IDS_BUTTON_OK; id <= IDS_BUTTON_NO; ++id) {
        cases.push_back({"message box button", id, messageButton});
    }
    for (int id = IDS_TIP_NEW_GAME; id <= IDS_TIP_EXIT; ++id) {
        cases.push_back({"tooltip", id, tooltip});
    }
    for (int type = 0; type < 6; ++type) {
        cases.push_back({"variant", IDS_VARIANT_FIRST + type, listLine(IDD_OPTIONS, 1015)});
    }
    for (int index = 0; index < 5; ++index) {
        cases.push_back({"card back", IDS_CARD_BACK_FIRST + index, listLine(IDD_OPTIONS, 1003)});
        cases.push_back(
            {"table colour", IDS_TABLE_COLOUR_FIRST + index, listLine(IDD_OPTIONS, 1006)});
    }
    for (int id : {IDS_OPTIONS_SHOW_TALON_COUNT, IDS_OPTIONS_DOUBLE_TAP, IDS_OPTIONS_GAME_TYPE,
                   IDS_OPTIONS_HIDE_HAND_SIZE, IDS_OPTIONS_BACK_AND_TABLE, IDS_OPTIONS_OK}) {
        cases.push_back({"Options", id, dialogLabel(IDD_OPTIONS, id)});
    }
    for (int id : {IDS_STATISTICS_CLEAR, IDS_STATISTICS_SIDES}) {
        cases.push_back({"Statistics", id, dialogLabel(IDD_STATISTICS, id)});
    }
    cases.push_back({"title", IDS_OPTIONS_TITLE, dialogTitle(IDD_OPTIONS)});
    cases.push_back({"title", IDS_STATISTICS_TITLE, dialogTitle(IDD_STATISTICS)});
    cases.push_back({"title", IDS_RULES_TITLE, dialogTitle(IDD_RULES)});
    return cases;
}

// The text as shown: numbers in place of "%d" (two digits, the widest a
// count of cards takes), the program's name for "%s".
std::u16string shown(LPCWSTR text) {
    WCHAR buffer[256] = {};
    if (std::u16string(text).find(u"%s") != std::u16string::npos) {
        wsprintfW(buffer, text, u"Talonix", 1, 1);
    } else {
        wsprintfW(buffer, text, 36, 36);
    }
    return buffer;
}

// Lines the text takes in the width: its own line breaks, and words moved
// to the next line where a line would be too wide; 0 if a word alone is.
int linesTaken(HDC dc, const std::u16string& text, int width) {
    int lines = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(u"\r\n", start);
        const std::u16string line =
            text.substr(start, end == std::u16string::npos ? end : end - start);
        std::u16string current;
        ++lines;
        size_t word = 0;
        while (word < line.size()) {
            size_t next = line.find(u' ', word + 1);
            const std::u16string piece =
                line.substr(word, next == std::u16string::npos ? next : next - word);
            if (platform::dialogs::textWidth(dc, current + piece) > width) {
                if (current.empty()) {
                    return 0;
                }
                ++lines;
                current = piece.substr(piece[0] == u' ' ? 1 : 0);
                if (platform::dialogs::textWidth(dc, current) > width) {
                    return 0;
                }
            } else {
                current += piece;
            }
            word = next == std::u16string::npos ? line.size() : next;
        }
        if (end == std::u16string::npos) {
            break;
        }
        start = end + (text.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

class EnglishTextsFit : public ::testing::Test {
  protected:
    void SetUp() override { platform_testing::resetPlatform(); }
};

TEST_F(EnglishTextsFit, EveryTextInItsPlaceAtOneToOne) {
    const std::vector<FitCase> cases = allCases();
    ASSERT_GE(cases.size(), 50u);
    for (const FitCase& fit : cases) {
        LPCWSTR text = resources::findString(fit.textId, resources::LANGUAGE_ENGLISH);
        ASSERT_NE(text, nullptr) << fit.what << " " << fit.textId;
        const std::u16string line = shown(text);
        HFONT font = fit.place.height == 0 ? static_cast<HFONT>(GetStockObject(SYSTEM_FONT))
                                           : CreateFontW(fit.place.height, fit.place.weight);
        {
            platform::dialogs::MeasuringDC measuring(font);
            const int lines = linesTaken(measuring.get(), line, fit.place.width);
            EXPECT_TRUE(lines >= 1 && lines <= fit.place.lines)
                << fit.what << " \"" << utf8FromUtf16(line.c_str()) << "\" takes "
                << (lines == 0 ? std::string("a word wider than")
                               : std::to_string(lines) + " lines of")
                << " " << fit.place.width << " pixels; " << fit.place.lines << " lines fit";
        }
        if (fit.place.height != 0) {
            DeleteObject(font);
        }
    }
}

// The measure itself: a text one pixel too wide for its place does not fit.
TEST_F(EnglishTextsFit, AWordWiderThanThePlaceDoesNot) {
    platform::dialogs::MeasuringDC measuring(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    const int width = platform::dialogs::textWidth(measuring.get(), u"Statistics");
    EXPECT_EQ(linesTaken(measuring.get(), u"Statistics", width), 1);
    EXPECT_EQ(linesTaken(measuring.get(), u"Statistics", width - 1), 0);
    EXPECT_EQ(linesTaken(measuring.get(), u"Statistics Statistics", width + 1), 2);
    EXPECT_EQ(linesTaken(measuring.get(), u"a\r\nb\nc", width), 3);
}

} // namespace
