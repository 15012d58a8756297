// SPDX-License-Identifier: MIT
#include "platform/registry/settings_text.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/registry/registry_store.h"
#include "platform/registry/settings_file.h"
#include "platform/utf.h"

namespace platform {

namespace {

using registry::Encoding;
using registry::ERROR_WRITE_FAULT;
using registry::LoadedText;

// The file's text as last read, with what the file looked like then.
struct ReadCache {
    std::filesystem::path file;
    registry::FileStamp seen;
    std::string text;
    bool settled = false; // last changed well before it was read
};

struct SettingsLocation {
    std::optional<std::filesystem::path> file; // none: in memory
    std::string memoryText;
    bool warned = false;           // that a write failed, since the last that did not
    bool lockWarned = false;       // that the folder's lock could not be had
    SettingsLoader load = nullptr; // with save: elsewhere, neither file nor memory
    SettingsSaver save = nullptr;
    ReadCache cache;
};

SettingsLocation& location() {
    static SettingsLocation current;
    return current;
}

// The open SettingsUpdate, outermost first.
struct OpenUpdate {
    int depth = 0;
    registry::FolderLock lock = -1;
    std::optional<std::filesystem::path> target; // the file after its links
    std::optional<LoadedText> loaded;
    bool changed = false;
    LSTATUS lastWrite = ERROR_SUCCESS;
};

OpenUpdate& openUpdate() {
    static OpenUpdate update;
    return update;
}

// Says why the settings file is left as it is: once, until a write succeeds.
void warnNotSaved(const std::string& why) {
    SettingsLocation& current = location();
    if (current.warned || !current.file) {
        return;
    }
    current.warned = true;
    std::string message =
        "talonix: settings not saved: " + utf8FromPath(*current.file) + ": " + why + "\n";
    std::fputs(message.c_str(), stderr);
    std::fflush(stderr);
}

// The text the open update works on, read on first use.
LoadedText& updateText() {
    OpenUpdate& update = openUpdate();
    if (!update.loaded) {
        const SettingsLocation& current = location();
        const std::string elsewhere = current.load != nullptr ? current.load() : current.memoryText;
        update.loaded = update.target ? registry::loadFile(*update.target)
                                      : LoadedText{elsewhere, Encoding::Bytes, {}};
    }
    return *update.loaded;
}

void warnLockedFile(const std::filesystem::path& target, const std::string& why) {
    SettingsLocation& current = location();
    if (current.lockWarned) {
        return;
    }
    current.lockWarned = true;
    const std::string folder = target.has_parent_path() ? utf8FromPath(target.parent_path()) : ".";
    std::string message = "talonix: settings folder not locked: " + folder + ": " + why +
                          "; locking the settings file instead\n";
    std::fputs(message.c_str(), stderr);
    std::fflush(stderr);
}

// The settings file's text. A file that looks as it did when it was last
// read is not read again, if it had last been changed well before that
// read: any change since would have given it a later time. (A change within
// the clock's grain of a read may keep the time, so such a file is read.)
const std::string& fileText(const std::filesystem::path& file) {
    constexpr int64_t settleSeconds = 2;
    ReadCache& cache = location().cache;
    registry::FileStamp info;
    const bool seen = registry::stampFile(file, info);
    if (seen && cache.settled && cache.file == file && cache.seen.sameFileAs(info)) {
        return cache.text;
    }
    cache.text = registry::loadFile(file).text;
    cache.file = file;
    cache.seen = info;
    cache.settled = seen && info.secondsSinceChange > settleSeconds;
    return cache.text;
}

} // namespace

void useSettingsFile(const std::string& path) {
    registry::closeAllKeys();
    location().file = pathFromUtf8(path);
    location().cache = ReadCache{};
    location().memoryText.clear();
    location().warned = false;
    location().lockWarned = false;
    location().load = nullptr;
    location().save = nullptr;
}

void useMemorySettings() {
    registry::closeAllKeys();
    location().file.reset();
    location().cache = ReadCache{};
    location().memoryText.clear();
    location().warned = false;
    location().lockWarned = false;
    location().load = nullptr;
    location().save = nullptr;
}

SettingsUpdate::SettingsUpdate() {
    OpenUpdate& update = openUpdate();
    if (update.depth++ > 0) {
        return;
    }
    const SettingsLocation& current = location();
    if (current.file) {
        update.target = registry::followLinks(*current.file);
        std::string why;
        update.lock = registry::lockFolder(*update.target, why);
        if (!why.empty()) {
            warnLockedFile(*update.target, why);
        }
    }
}

SettingsUpdate::~SettingsUpdate() {
    finish();
}

LSTATUS SettingsUpdate::finish() {
    if (finished_) {
        return status_;
    }
    finished_ = true;
    OpenUpdate& update = openUpdate();
    if (--update.depth > 0) {
        status_ = update.lastWrite;
        return status_;
    }
    if (update.changed && update.loaded) {
        SettingsLocation& current = location();
        if (!update.target && current.save != nullptr) {
            status_ = current.save(update.loaded->text) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
        } else if (!update.target) {
            current.memoryText = update.loaded->text;
        } else {
            std::string why;
            status_ = registry::saveFile(*update.target, update.loaded->text,
                                         update.loaded->encoding, why);
            if (status_ != ERROR_SUCCESS) {
                warnNotSaved(why);
            } else {
                current.warned = false; // a later failure is news again
            }
        }
    } else {
        status_ = update.lastWrite;
    }
    registry::unlockFolder(update.lock);
    update = OpenUpdate{};
    return status_;
}

void useSettingsStorage(SettingsLoader load, SettingsSaver save) {
    registry::closeAllKeys();
    location() = SettingsLocation{std::nullopt, {}, false, false, load, save, {}};
}

namespace registry {

const std::string& loadSettingsText() {
    if (openUpdate().depth > 0) {
        return updateText().text;
    }
    SettingsLocation& current = location();
    if (current.load != nullptr) {
        current.cache.text = current.load();
        return current.cache.text;
    }
    return current.file ? fileText(registry::followLinks(*current.file)) : current.memoryText;
}

LSTATUS saveSettingsText(std::string text) {
    SettingsUpdate scope;
    OpenUpdate& update = openUpdate();
    LoadedText& loaded = updateText();
    if (!loaded.problem.empty()) {
        warnNotSaved(loaded.problem);
        update.lastWrite = ERROR_ACCESS_DENIED;
    } else {
        loaded.text = std::move(text);
        update.changed = true;
        update.lastWrite = ERROR_SUCCESS;
    }
    return scope.finish();
}

} // namespace registry

} // namespace platform
