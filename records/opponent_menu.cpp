// SPDX-License-Identifier: MIT
#include "records/opponent_menu.h"

#include "game/texts.h"
#include "opponents/opponent.h"
#include "platform/menu_api.h"
#include "resources/resource_ids.h"

namespace {

struct OpponentItem {
    int command;
    int text;
    int32_t kind;
};

constexpr OpponentItem opponentItems[] = {
    {IDM_OPPONENT_HANDHELD, IDS_MENU_HANDHELD, OPPONENT_HANDHELD},
    {IDM_OPPONENT_BEGINNER, IDS_MENU_BEGINNER, OPPONENT_BEGINNER},
    {IDM_OPPONENT_EXPERT, IDS_MENU_EXPERT, OPPONENT_EXPERT},
};

} // namespace

void AppendOpponentItems(HMENU menu) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const OpponentItem& item : opponentItems) {
        AppendMenuW(menu, MF_STRING | (item.kind == opponentKind ? MF_CHECKED : 0),
                    static_cast<UINT_PTR>(item.command), textOf(item.text));
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_HINT, textOf(IDS_MENU_HINT));
    AppendMenuW(menu, MF_STRING, IDM_WHY, textOf(IDS_MENU_WHY));
}

bool RunOpponentCommand(WPARAM id) {
    for (const OpponentItem& item : opponentItems) {
        if (id == static_cast<WPARAM>(item.command)) {
            ChooseOpponent(item.kind);
            return true;
        }
    }
    if (id == IDM_HINT) {
        ShowHint();
        return true;
    }
    if (id == IDM_WHY) {
        ShowWhy();
        return true;
    }
    return false;
}
