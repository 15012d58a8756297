// SPDX-License-Identifier: MIT
// Where the settings store keeps its values.
#pragma once

#include <string>

#include "platform/registry_api.h"

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

// One read-modify-write of the settings: from construction to finish() (or
// destruction) the file's lock is held, so another instance waits; the file
// is read once, afresh, and the registry writes made in between replace it
// once, at the end. Updates nest: only the outermost one reads and writes.
//
// A file that could not be read in full (too large, unreadable, not a
// regular file, text that would not be written back as it was) is never
// replaced: the writes fail and stderr says so, once per settings file.
class SettingsUpdate {
  public:
    SettingsUpdate();
    ~SettingsUpdate();
    SettingsUpdate(const SettingsUpdate&) = delete;
    SettingsUpdate& operator=(const SettingsUpdate&) = delete;

    // Writes what changed and releases the lock; 0 (ERROR_SUCCESS) when the
    // writes are kept. A nested update only passes on the last write's result.
    LSTATUS finish();

  private:
    bool finished_ = false;
    LSTATUS status_ = ERROR_SUCCESS;
};

} // namespace platform
