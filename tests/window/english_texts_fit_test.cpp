// SPDX-License-Identifier: MIT
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
#include "platform/raster/text_layout.h"
#include "platform/resource_api.h"
#include "platform/testing.h"
#include "platform/text_format.h"
#include "platform/utf.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"
#include "window/table_layout.h"

namespace {

// A place for text: lines no wider than `width` pixels, at most `lines` of
// them, in a font of `height` pixels (0: the system font of the table and
// the tooltips).
struct Place {
    int width;
    int lines;
    int height;
    int weight;
};

const int dialogLine = platform::dialogs::dialogFontLineHeight(8);

// The English template's control that shows the text `textId`, or else has
// the id `controlId`.
const DialogControlTemplate& controlOf(int dialogId, int textId, int controlId = 0) {
    const DialogTemplate& dialog = *resources::findDialog(dialogId, resources::Language::English);
    const std::u16string text =
        textId != 0 ? resources::findString(textId, resources::Language::English) : u"";
    for (int i = 0; i < dialog.controlCount; ++i) {
        if (textId != 0 ? dialog.controls[i].text == text : dialog.controls[i].id == controlId) {
            return dialog.controls[i];
        }
    }
    ADD_FAILURE() << "no control of dialog " << dialogId << " for " << textId << "/" << controlId;
    return dialog.controls[0];
}

platform::dialogs::DialogUnits units() {
    platform::dialogs::OwnedFont font(dialogLine, FW_NORMAL);
    return platform::dialogs::measureDialogUnits(font.get(), dialogLine);
}

// A label of a dialog: its template rectangle, less the box of a check box
// and the frame of a button.
Place dialogLabel(int dialogId, int textId) {
    const DialogControlTemplate& control = controlOf(dialogId, textId);
    int width = units().x(control.cx);
    const int height = units().y(control.cy);
    int lines = std::max(1, height / dialogLine);
    if (control.kind == DialogControlKind::CheckBox) {
        width -= std::max(5, std::min(dialogLine - 2, height)) + 4;
        lines = (control.style & BS_MULTILINE) != 0 ? lines : 1;
    } else if (control.kind != DialogControlKind::Static) {
        width -= 6;
        lines = 1;
    }
    return {width, lines, dialogLine, FW_NORMAL};
}

// A line of a list: inside the border, and left of the drop-down arrow.
Place listLine(int controlId) {
    const DialogControlTemplate& control = controlOf(IDD_OPTIONS, 0, controlId);
    const int arrow = control.kind == DialogControlKind::DropDownList ? dialogLine + 4 : 0;
    return {units().x(control.cx) - 4 - arrow, 1, dialogLine, FW_NORMAL};
}

// A title in the bar, left of the close box.
Place dialogTitle(int dialogId) {
    const int cx = resources::findDialog(dialogId, resources::Language::English)->cx;
    return {units().x(cx) - 20, 1, dialogLine, FW_BOLD};
}

struct FitCase {
    const char* what;
    int textId;
    Place place;
};

std::vector<FitCase> allCases() {
    const Place status{statusRect.right - statusRect.left,
                       (statusRect.bottom - statusRect.top) / 11, 0, FW_NORMAL};
    // A message box is at most the screen less 8 pixels a side; its text sits
    // right of a 32-pixel icon with 8-pixel margins. Buttons are 52 pixels wide.
    const Place messageText{(240 - 16) - 8 - 32 - 8 - 8, 4, 12, FW_NORMAL};
    const Place messageButton{52 - 6, 1, 12, FW_NORMAL};
    std::vector<FitCase> cases;
    const auto range = [&cases](const char* what, int first, int last, const Place& place) {
        for (int id = first; id <= last; ++id) {
            cases.push_back({what, id, place});
        }
    };
    range("status line", IDS_STATUS_TRANSFERRED, IDS_STATUS_SELECT_CARDS, status);
    range("message box", IDS_ASK_TRANSFER, IDS_ABOUT_FORMAT, messageText);
    range("message box caption", IDS_ABOUT_CAPTION, IDS_ABOUT_CAPTION, messageText);
    range("message box button", IDS_BUTTON_OK, IDS_BUTTON_NO, messageButton);
    range("tooltip", IDS_TIP_NEW_GAME, IDS_TIP_EXIT, Place{240 - 4, 1, 0, FW_NORMAL});
    range("variant", IDS_VARIANT_FIRST, IDS_VARIANT_FIRST + 5, listLine(1015));
    range("card back", IDS_CARD_BACK_FIRST, IDS_CARD_BACK_FIRST + 4, listLine(1003));
    range("table colour", IDS_TABLE_COLOUR_FIRST, IDS_TABLE_COLOUR_FIRST + 4, listLine(1006));
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

// The lines the text takes when broken at blanks to the width, or 0 when a
// word alone is wider. A line too wide counts two even where the breaking
// closes up its runs of blanks.
int linesTaken(HDC dc, std::u16string_view text, int width) {
    const auto measure = [dc](std::u16string_view line) {
        return platform::dialogs::textWidth(dc, line);
    };
    int taken = 0;
    for (const std::u16string& hard : platform::text::layoutLines(text, false, false, 0, measure)) {
        const auto lines = platform::text::layoutLines(hard, false, true, width, measure);
        for (const std::u16string& line : lines) {
            if (measure(line) > width) {
                return 0;
            }
        }
        taken += std::max(static_cast<int>(lines.size()), measure(hard) > width ? 2 : 1);
    }
    return taken;
}

class EnglishTextsFit : public ::testing::Test {
  protected:
    void SetUp() override { platform_testing::resetPlatform(); }
};

TEST_F(EnglishTextsFit, EveryTextInItsPlaceAtOneToOne) {
    const std::vector<FitCase> cases = allCases();
    ASSERT_GE(cases.size(), 50u);
    for (const FitCase& fit : cases) {
        LPCWSTR text = resources::findString(fit.textId, resources::Language::English);
        ASSERT_NE(text, nullptr) << fit.what << " " << fit.textId;
        // As shown: two digits (the widest count of cards) for "%d", the
        // program's name for "%s".
        WCHAR shown[256] = {};
        if (std::u16string(text).find(u"%s") != std::u16string::npos) {
            wsprintfW(shown, text, u"Talonix", 1, 1);
        } else {
            wsprintfW(shown, text, 36, 36);
        }
        HFONT font = fit.place.height == 0 ? static_cast<HFONT>(GetStockObject(SYSTEM_FONT))
                                           : CreateFontW(fit.place.height, fit.place.weight);
        {
            platform::dialogs::MeasuringDC measuring(font);
            const int lines = linesTaken(measuring.get(), shown, fit.place.width);
            EXPECT_TRUE(lines >= 1 && lines <= fit.place.lines)
                << fit.what << " \"" << utf8FromUtf16(shown) << "\" takes "
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
