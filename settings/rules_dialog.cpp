// SPDX-License-Identifier: MIT
// The Rules dialog: the rules of the game in Russian or in English.
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"
#include "settings/dialogs.h"

int32_t rulesLanguage = 0;

static INT_PTR RulesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextW(dialog, IDC_RULES_TEXT,
                        languageOfRules(rulesLanguage) == resources::Language::Russian
                            ? resources::russianRulesText()
                            : resources::englishRulesText());
        return 1;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return 1;
    }
    return 0;
}

void ShowRules(resources::Language language) {
    rulesLanguage = rulesLanguageValue(language);
    RunDialogResource(IDD_RULES, RulesDialogProc);
}
