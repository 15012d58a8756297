// The Options, Statistics, Rules and About windows, opened by commands of
// the main window.
#pragma once

#include <cstdint>

#include "platform/dialog_api.h"

extern int32_t rulesLanguage; // 1 Russian, 0 English

// Runs a dialog of the program's resources modally over the main window,
// as every command that opens one does; returns the dialog's result.
INT_PTR RunDialogResource(int32_t templateId, DLGPROC procedure);

void ShowOptions();
void ShowStatistics();
void ShowRules(int32_t language);
void ShowAbout();
