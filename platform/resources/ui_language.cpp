// SPDX-License-Identifier: MIT
// SetThreadUILanguage and GetThreadUILanguage: the language the resources
// are loaded in.
#include "platform/resources/ui_language.h"

#include "platform/core/core_state.h"
#include "platform/resource_api.h"
#include "resources/resource_table.h"

LANGID SetThreadUILanguage(LANGID language) {
    platform::core().uiLanguage = language;
    return language;
}

LANGID GetThreadUILanguage() {
    return platform::core().uiLanguage;
}

namespace platform {

resources::Language resourceLanguage() {
    return PRIMARYLANGID(GetThreadUILanguage()) == LANG_ENGLISH ? resources::Language::English
                                                                : resources::Language::Russian;
}

} // namespace platform
