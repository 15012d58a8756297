// Where dialogs and their controls go: dialog units to pixels, the default
// place on the screen, and the program's three dialogs within the screen.
#include "dialog_test_support.h"
#include "platform/commandbar_api.h"
#include "platform/dialogs/dialog_build.h"
#include "platform/dialogs/dialog_units.h"
#include "resources/resource_table.h"

namespace {

using namespace dialog_testing;
using platform::dialogs::defaultDialogPosition;
using platform::dialogs::DialogUnits;

TEST(DialogUnitsTest, AQuarterCharacterAcrossAndAnEighthLineDown) {
    DialogUnits units{6, 13};
    EXPECT_EQ(units.x(4), 6);
    EXPECT_EQ(units.x(124), 186);
    EXPECT_EQ(units.x(1), 2) << "1.5 pixels round up";
    EXPECT_EQ(units.x(0), 0);
    EXPECT_EQ(units.y(8), 13);
    EXPECT_EQ(units.y(4), 7) << "6.5 pixels round up";
    EXPECT_EQ(units.y(134), 218);
}

TEST(DialogUnitsTest, TheEightPointFontHasAThirteenPixelLine) {
    EXPECT_EQ(platform::dialogs::dialogFontLineHeight(8), 13);
    EXPECT_EQ(platform::dialogs::dialogFontLineHeight(0), 13) << "no size: 8 points";
    EXPECT_GT(platform::dialogs::dialogFontLineHeight(10), 13);
}

TEST(DialogPlacementTest, CentredAcrossAndInTheSpaceBelowTheCommandBar) {
    POINT at = defaultDialogPosition(100, 95);
    EXPECT_EQ(at.x, 70);
    EXPECT_EQ(at.y, COMMAND_BAR_HEIGHT + (320 - COMMAND_BAR_HEIGHT - 95) / 2);
}

TEST(DialogPlacementTest, ATallDialogRisesOverTheBarButNeverOffTheScreen) {
    EXPECT_EQ(defaultDialogPosition(240, 310).y, 10);
    POINT huge = defaultDialogPosition(300, 400);
    EXPECT_EQ(huge.x, 0);
    EXPECT_EQ(huge.y, 0);
}

class ProgramDialogs : public DialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(ProgramDialogs, FitTheScreenWithEveryControlInside) {
    const DialogTemplate* source = resources::findDialog(GetParam());
    ASSERT_NE(source, nullptr);
    RECT dialog{};
    std::vector<RECT> controls;
    then([&] {
        GetWindowRect(record.dialog, &dialog);
        for (int i = 0; i < source->controlCount; ++i) {
            RECT rect{};
            GetWindowRect(GetDlgItem(record.dialog, source->controls[i].id), &rect);
            controls.push_back(rect);
        }
    });
    thenClose();
    run(*source);

    EXPECT_GE(dialog.left, 0);
    EXPECT_GE(dialog.top, COMMAND_BAR_HEIGHT) << "the command bar stays visible";
    EXPECT_LE(dialog.right, 240);
    EXPECT_LE(dialog.bottom, 320);
    for (size_t i = 0; i < controls.size(); ++i) {
        EXPECT_GE(controls[i].left, dialog.left) << "control " << i;
        EXPECT_GE(controls[i].top, dialog.top) << "control " << i;
        EXPECT_LE(controls[i].right, dialog.right) << "control " << i;
        EXPECT_LE(controls[i].bottom, dialog.bottom) << "control " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(OptionsStatisticsRules, ProgramDialogs, ::testing::Values(130, 131, 132));

TEST_F(DialogTest, TheOptionsListsShowAllFiveNamesWithoutScrolling) {
    LRESULT top = -1;
    then([&] {
        HWND list = GetDlgItem(record.dialog, 1003);
        for (int i = 0; i < 5; ++i) {
            SendMessageW(list, LB_ADDSTRING, 0, textParam(u"Стандартная"));
        }
        SendMessageW(list, LB_SETCURSEL, 4, 0);
        top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    });
    thenClose();
    run(*resources::findDialog(130));
    EXPECT_EQ(top, 0);
}

TEST_F(DialogTest, AOneLineCheckBoxTooNarrowForItsLabelTakesTheFreeSpaceBeside) {
    // 1008 is 98 units wide with nothing to its right; 1011 above it is 120.
    RECT narrow{};
    RECT wide{};
    then([&] {
        GetWindowRect(GetDlgItem(record.dialog, 1008), &narrow);
        GetWindowRect(GetDlgItem(record.dialog, 1011), &wide);
    });
    thenClose();
    run(*resources::findDialog(130));
    EXPECT_GT(narrow.right - narrow.left, 0);
    EXPECT_LE(narrow.right, wide.right) << "no further than the dialog's own controls reach";
}

TEST_F(DialogTest, TheTitleIsTheTemplatesAndTheTitleBarIsAboveTheControls) {
    std::u16string title;
    RECT dialog{};
    RECT first{};
    then([&] {
        WCHAR text[32] = {};
        GetWindowTextW(record.dialog, text, 32);
        title = text;
        GetWindowRect(record.dialog, &dialog);
        GetWindowRect(GetDlgItem(record.dialog, 1011), &first);
    });
    thenClose();
    run(*resources::findDialog(130));
    EXPECT_EQ(title, u"Опции");
    // The check box at the top of the template sits right under the title bar.
    EXPECT_GE(first.top - dialog.top, 16);
    EXPECT_LE(first.top - dialog.top, 24);
}

} // namespace
