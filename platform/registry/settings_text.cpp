#include "platform/registry/settings_text.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/registry/registry_store.h"
#include "platform/registry/settings_file.h"

namespace platform {

namespace {

using registry::Encoding;
using registry::ERROR_WRITE_FAULT;
using registry::LoadedText;

// The file's text as last read, with what the file looked like then.
struct ReadCache {
    std::filesystem::path file;
    struct stat seen {};
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
    int lockFd = -1;
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
        "talonix: settings not saved: " + current.file->string() + ": " + why + "\n";
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
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    std::string message = "talonix: settings folder not locked: " + folder + ": " + why +
                          "; locking the settings file instead\n";
    std::fputs(message.c_str(), stderr);
    std::fflush(stderr);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// The settings file's text. A file that looks as it did when it was last
// read is not read again, if it had last been changed well before that
// read: any change since would have given it a later time. (A change within
// the clock's grain of a read may keep the time, so such a file is read.)
const std::string& fileText(const std::filesystem::path& file) {
    constexpr time_t settleSeconds = 2;
    ReadCache& cache = location().cache;
    struct stat info {};
    const bool seen = stat(file.c_str(), &info) == 0;
    if (seen && cache.settled && cache.file == file && sameFile(cache.seen, info)) {
        return cache.text;
    }
    const time_t now = time(nullptr);
    cache.text = registry::loadFile(file).text;
    cache.file = file;
    cache.seen = info;
    cache.settled = seen && info.st_mtim.tv_sec + settleSeconds < now &&
                    info.st_ctim.tv_sec + settleSeconds < now;
    return cache.text;
}

} // namespace

std::string defaultSettingsPath() {
    std::filesystem::path base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            const passwd* entry = getpwuid(getuid());
            home = entry != nullptr ? entry->pw_dir : ".";
        }
        base = std::filesystem::path(home) / ".config";
    }
    return (base / "talonix" / "settings.reg").string();
}

void useSettingsFile(const std::string& path) {
    registry::closeAllKeys();
    location().file = std::filesystem::path(path);
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
        update.lockFd = registry::lockFolder(*update.target, why);
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
    if (update.lockFd >= 0) {
        close(update.lockFd); // releases the lock
    }
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
