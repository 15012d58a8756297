// SPDX-License-Identifier: MIT
// The Options, Statistics and Rules dialogs, in dialog units. The layouts
// name their texts by string id; each language gets its own templates, made
// from the string table when first asked for.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace resources {
namespace {

using Kind = DialogControlKind;

constexpr LPCWSTR dialogFont = u"System";
constexpr int dialogPointSize = 8;
constexpr int noText = 0;

// A control of a layout: the template's control with a string id for its text.
struct ControlLayout {
    Kind kind;
    int id;
    int textId; // noText for an empty text
    int x;
    int y;
    int cx;
    int cy;
    DWORD style;
};

struct DialogLayout {
    int templateId;
    int titleId;
    int cx;
    int cy;
    std::vector<ControlLayout> controls;
};

const DialogLayout layouts[] = {
    {IDD_OPTIONS,
     IDS_OPTIONS_TITLE,
     124,
     134,
     {
         {Kind::CheckBox, 1011, IDS_OPTIONS_SHOW_TALON_COUNT, 2, 0, 120, 11, WS_TABSTOP},
         {Kind::CheckBox, 1008, IDS_OPTIONS_DOUBLE_TAP, 2, 12, 98, 11, WS_TABSTOP},
         {Kind::Static, -1, IDS_OPTIONS_GAME_TYPE, 2, 23, 63, 10, 0},
         {Kind::DropDownList, 1015, noText, 2, 34, 120, 74, WS_TABSTOP | WS_VSCROLL},
         {Kind::CheckBox, 1014, IDS_OPTIONS_HIDE_HAND_SIZE, 2, 47, 120, 18,
          BS_MULTILINE | WS_TABSTOP},
         // One label over both lists.
         {Kind::Static, -1, IDS_OPTIONS_BACK_AND_TABLE, 2, 65, 120, 8, 0},
         {Kind::ListBox, 1003, noText, 2, 73, 59, 42, WS_BORDER | WS_TABSTOP},
         {Kind::ListBox, 1006, noText, 63, 73, 59, 42, WS_BORDER | WS_TABSTOP},
         {Kind::DefaultPushButton, 1, IDS_OPTIONS_OK, 2, 116, 120, 14, WS_TABSTOP},
     }},
    // The colons lie over the counts; the counts end at their right edge, so
    // that the colons stand between the labels and the numbers.
    {IDD_STATISTICS,
     IDS_STATISTICS_TITLE,
     111,
     30,
     {
         {Kind::PushButton, 1012, IDS_STATISTICS_CLEAR, 4, 5, 38, 18, WS_TABSTOP},
         {Kind::Static, -1, IDS_STATISTICS_SIDES, 46, 7, 32, 18, 0},
         {Kind::Static, 1005, noText, 79, 7, 25, 18, SS_RIGHT},
         {Kind::Static, -1, IDS_STATISTICS_COLONS, 85, 7, 10, 18, 0},
     }},
    // The zero-size default button keeps Enter from closing the rules.
    {IDD_RULES,
     IDS_RULES_TITLE,
     133,
     143,
     {
         {Kind::Edit, 1007, noText, 0, 0, 130, 141,
          ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_TABSTOP},
         {Kind::DefaultPushButton, 1009, noText, 0, 134, 0, 0, 0},
     }},
    // The code in a line that takes typing; OK deals the code it holds.
    {IDD_DEAL_NUMBER,
     IDS_DEAL_TITLE,
     110,
     34,
     {
         {Kind::Static, -1, IDS_DEAL_PROMPT, 4, 4, 62, 10, 0},
         {Kind::DefaultPushButton, 1, IDS_OPTIONS_OK, 70, 2, 36, 12, WS_TABSTOP},
         {Kind::Edit, IDC_DEAL_CODE, noText, 4, 17, 102, 13, WS_BORDER | WS_TABSTOP},
     }},
};

constexpr std::size_t layoutCount = std::size(layouts);

LPCWSTR controlText(const ControlLayout& control, Language language) {
    return control.textId == noText ? u"" : findString(control.textId, language);
}

struct BuiltDialog {
    DialogTemplate dialog{};
    std::vector<DialogControlTemplate> controls;
};

BuiltDialog build(const DialogLayout& layout, Language language) {
    BuiltDialog built;
    for (const ControlLayout& control : layout.controls) {
        built.controls.push_back({control.kind, control.id, controlText(control, language),
                                  control.x, control.y, control.cx, control.cy, control.style});
    }
    built.dialog = {findString(layout.titleId, language),
                    dialogFont,
                    dialogPointSize,
                    layout.cx,
                    layout.cy,
                    built.controls.data(),
                    static_cast<int>(built.controls.size())};
    return built;
}

// Every template of every language, made once and kept for the whole run.
const std::array<std::array<BuiltDialog, layoutCount>, languageCount>& allDialogs() {
    static const auto built = [] {
        std::array<std::array<BuiltDialog, layoutCount>, languageCount> made;
        for (int language = 0; language < languageCount; ++language) {
            for (std::size_t i = 0; i < layoutCount; ++i) {
                made[static_cast<std::size_t>(language)][i] =
                    build(layouts[i], static_cast<Language>(language));
            }
        }
        return made;
    }();
    return built;
}

} // namespace

const DialogTemplate* findDialog(int id, Language language) {
    const int index = languageIndex(language);
    if (index < 0) {
        return nullptr;
    }
    const auto& dialogs = allDialogs()[static_cast<std::size_t>(index)];
    for (std::size_t i = 0; i < layoutCount; ++i) {
        if (layouts[i].templateId == id) {
            return &dialogs[i].dialog;
        }
    }
    return nullptr;
}

int dialogId(const DialogTemplate* dialogTemplate) {
    for (Language language : {Language::Russian, Language::English}) {
        for (int id : {IDD_OPTIONS, IDD_STATISTICS, IDD_RULES, IDD_DEAL_NUMBER}) {
            if (dialogTemplate != nullptr && findDialog(id, language) == dialogTemplate) {
                return id;
            }
        }
    }
    return -1;
}

} // namespace resources
