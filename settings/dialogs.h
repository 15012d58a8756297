// The Options, Statistics, Rules and About windows, opened by commands of
// the main window.
#pragma once

#include <cstdint>

extern int32_t rulesLanguage; // 1 Russian, 0 English

void ShowOptions();
void ShowStatistics();
void ShowRules(int32_t language);
void ShowAbout();
