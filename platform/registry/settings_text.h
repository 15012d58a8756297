// SPDX-License-Identifier: MIT
// Where the text of the settings lives: a file, or a string in memory. The
// registry calls load it afresh for every query and save it after every
// change, so edits made between runs - or during one - are seen.
#pragma once

#include <string>

#include "platform/registry_api.h"

namespace platform::registry {

// The current text; empty when there is none or it cannot be read. Inside a
// SettingsUpdate, the text as read under its lock with the writes made since.
// The text stays valid until the next call of either.
const std::string& loadSettingsText();
// Replaces the text. A file is replaced atomically: a temporary file in the
// same folder (created when missing) is written and renamed over it. Inside a
// SettingsUpdate the file is written once, when the update finishes.
LSTATUS saveSettingsText(std::string text);

// Forgets every open key handle (the store they were opened on is gone).
void closeAllKeys();

} // namespace platform::registry
