// Placeholder until the dialogs land.
#include "settings/dialogs.h"

int32_t rulesLanguage = 0;
void ShowOptions() {}
void ShowStatistics() {}
void ShowRules(int32_t language) { rulesLanguage = language; }
