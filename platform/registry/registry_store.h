// Where the settings store keeps its values.
#pragma once

#include <string>

namespace platform {

// $XDG_CONFIG_HOME/talonix/settings.reg, or ~/.config/talonix/settings.reg.
std::string defaultSettingsPath();
// Keep the values in this REGEDIT4 file: read on every query, replaced
// atomically (temporary file in the same folder, then rename) on every write.
void useSettingsFile(const std::string& path);
// Keep the values in memory only, starting empty (tests).
void useMemorySettings();
// Keep the text wherever load and save keep it (the browser's local
// storage). save returns whether the text was stored.
using SettingsLoader = std::string (*)();
using SettingsSaver = bool (*)(const std::string& text);
void useSettingsStorage(SettingsLoader load, SettingsSaver save);

} // namespace platform
