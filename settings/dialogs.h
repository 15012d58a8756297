// SPDX-License-Identifier: MIT
// The Options, Statistics, Rules and About windows, opened by commands of
// the main window.
#pragma once

#include <cstdint>

#include "platform/dialog_api.h"
#include "resources/language.h"

// The language of the rules last shown, as the handheld numbers it (1
// Russian, 0 English; the state line reports this number), and the named
// conversions between its number and the program's language.
extern int32_t rulesLanguage;
constexpr int32_t rulesLanguageValue(resources::Language language) {
    return language == resources::Language::Russian ? 1 : 0;
}
constexpr resources::Language languageOfRules(int32_t value) {
    return value == 1 ? resources::Language::Russian : resources::Language::English;
}

// Runs a dialog of the program's resources modally over the main window,
// as every command that opens one does; returns the dialog's result.
INT_PTR RunDialogResource(int32_t templateId, DLGPROC procedure);

void ShowOptions();
void ShowStatistics();
void ShowRules(resources::Language language);
void ShowAbout();
