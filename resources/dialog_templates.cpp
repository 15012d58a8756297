// The Options, Statistics and Rules dialogs, in dialog units.
#include <cstddef>
#include <initializer_list>

#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace resources {
namespace {

using Kind = DialogControlKind;

constexpr LPCWSTR dialogFont = u"System";
constexpr int dialogPointSize = 8;

const DialogControlTemplate optionsControls[] = {
    {Kind::CheckBox, 1011, u"Показ. число оставшихся карт", 2, 0, 120, 11, WS_TABSTOP},
    {Kind::CheckBox, 1008, u"Двойной щелчок для игры", 2, 12, 98, 11, WS_TABSTOP},
    {Kind::Static, -1, u"Тип игры", 2, 23, 63, 10, 0},
    {Kind::DropDownList, 1015, u"", 2, 34, 120, 74, WS_TABSTOP | WS_VSCROLL},
    {Kind::CheckBox, 1014, u"Скрыть число карт противника", 2, 47, 120, 18,
     BS_MULTILINE | WS_TABSTOP},
    // One label over both lists: card back at the left, background at the right.
    {Kind::Static, -1, u"Рубашка               Фон", 2, 65, 120, 8, 0},
    {Kind::ListBox, 1003, u"", 2, 73, 59, 42, WS_BORDER | WS_TABSTOP},
    {Kind::ListBox, 1006, u"", 63, 73, 59, 42, WS_BORDER | WS_TABSTOP},
    {Kind::DefaultPushButton, 1, u"Ок", 2, 116, 120, 14, WS_TABSTOP},
};

// The colons lie over the counts; the counts end at their right edge, so that
// the colons stand between the labels and the numbers.
const DialogControlTemplate statisticsControls[] = {
    {Kind::PushButton, 1012, u"Очистить", 4, 5, 38, 18, WS_TABSTOP},
    {Kind::Static, -1, u"КПК\nЧеловек ", 46, 7, 32, 18, 0},
    {Kind::Static, 1005, u"", 79, 7, 25, 18, SS_RIGHT},
    {Kind::Static, -1, u":\n:", 85, 7, 10, 18, 0},
};

// The zero-size default button keeps Enter from closing the rules.
const DialogControlTemplate rulesControls[] = {
    {Kind::Edit, 1007, u"", 0, 0, 130, 141,
     ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_TABSTOP},
    {Kind::DefaultPushButton, 1009, u"", 0, 134, 0, 0, 0},
};

template <std::size_t N> constexpr int countOf(const DialogControlTemplate (&)[N]) {
    return static_cast<int>(N);
}

const DialogTemplate optionsDialog = {u"Опции", dialogFont,      dialogPointSize,         124,
                                      134,      optionsControls, countOf(optionsControls)};

const DialogTemplate statisticsDialog = {u"Статистика",
                                         dialogFont,
                                         dialogPointSize,
                                         111,
                                         30,
                                         statisticsControls,
                                         countOf(statisticsControls)};

const DialogTemplate rulesDialog = {
    u"Правила игры", dialogFont, dialogPointSize, 133, 143, rulesControls, countOf(rulesControls)};

} // namespace

const DialogTemplate* findDialog(int id) {
    switch (id) {
    case IDD_OPTIONS:
        return &optionsDialog;
    case IDD_STATISTICS:
        return &statisticsDialog;
    case IDD_RULES:
        return &rulesDialog;
    default:
        return nullptr;
    }
}

int dialogId(const DialogTemplate* dialogTemplate) {
    for (int id : {IDD_OPTIONS, IDD_STATISTICS, IDD_RULES}) {
        if (dialogTemplate != nullptr && findDialog(id) == dialogTemplate) {
            return id;
        }
    }
    return -1;
}

} // namespace resources
