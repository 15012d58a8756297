#include "platform/registry/settings_text.h"

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

struct SettingsLocation {
    std::optional<std::filesystem::path> file; // none: in memory
    std::string memoryText;
    bool warned = false;
    SettingsLoader load = nullptr; // with save: elsewhere, neither file nor memory
    SettingsSaver save = nullptr;
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

// Says once per settings file why it is left as it is.
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

} // namespace

void useSettingsFile(const std::string& path) {
    registry::closeAllKeys();
    location().file = pathFromUtf8(path);
    location().memoryText.clear();
    location().warned = false;
    location().load = nullptr;
    location().save = nullptr;
}

void useMemorySettings() {
    registry::closeAllKeys();
    location().file.reset();
    location().memoryText.clear();
    location().warned = false;
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
        update.lock = registry::lockFolder(*update.target);
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
    location() = SettingsLocation{std::nullopt, {}, false, load, save};
}

namespace registry {

std::string loadSettingsText() {
    if (openUpdate().depth > 0) {
        return updateText().text;
    }
    const SettingsLocation& current = location();
    if (current.load != nullptr) {
        return current.load();
    }
    return current.file ? registry::loadFile(registry::followLinks(*current.file)).text
                        : current.memoryText;
}

LSTATUS saveSettingsText(const std::string& text) {
    SettingsUpdate scope;
    OpenUpdate& update = openUpdate();
    LoadedText& loaded = updateText();
    if (!loaded.problem.empty()) {
        warnNotSaved(loaded.problem);
        update.lastWrite = ERROR_ACCESS_DENIED;
    } else {
        loaded.text = text;
        update.changed = true;
        update.lastWrite = ERROR_SUCCESS;
    }
    return scope.finish();
}

} // namespace registry

} // namespace platform
