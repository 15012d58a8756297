// SPDX-License-Identifier: MIT
// The settings file on Windows: the same file and rules as on Linux, through
// the Windows calls (platform/win32/file_calls.cpp). The folder's lock is a
// lock file in it, since Windows locks files, not folders.
#include "platform/registry/settings_file.h"

#include <chrono>
#include <system_error>

#include "platform/registry/registry_store.h"
#include "platform/registry/settings_encoding.h"
#include "platform/utf.h"
#include "platform/win32/file_calls.h"

namespace platform::registry {
namespace {

constexpr uint64_t largestSettingsFile = 16 * 1024 * 1024;
constexpr int mostSymbolicLinks = 40;

// Temporaries a killed write left beside the file (named as
// file_calls.cpp names them). Called under the lock, before writing, when no
// other write can be under way; only regular files whose names match
// exactly go.
void removeStaleTemporaries(const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::directory_iterator entries(target.parent_path(), error);
    if (error) {
        return;
    }
    for (const auto& entry : entries) {
        if (win32::isTemporaryName(entry.path().filename(), target) &&
            entry.is_regular_file(error) && !entry.is_symlink(error)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

} // namespace

std::filesystem::path followLinks(std::filesystem::path path) {
    for (int hop = 0; hop < mostSymbolicLinks; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) {
            return path;
        }
        std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) {
            return path;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

LoadedText loadFile(const std::filesystem::path& file) {
    LoadedText loaded;
    std::string bytes = win32::readWholeFile(file, largestSettingsFile, loaded.problem);
    if (loaded.problem.empty()) {
        decode(std::move(bytes), loaded);
    }
    // Its owner's choice: a read-only file is read, and kept as it is.
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (loaded.problem.empty() && !error && std::filesystem::exists(status) &&
        (status.permissions() & std::filesystem::perms::owner_write) ==
            std::filesystem::perms::none) {
        loaded.problem = "the file is read-only";
    }
    return loaded;
}

LSTATUS saveFile(const std::filesystem::path& target, const std::string& text, Encoding encoding,
                 std::string& why) {
    std::error_code ignored;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), ignored);
    }
    removeStaleTemporaries(target);
    win32::WriteOutcome outcome = win32::replaceFile(target, encode(text, encoding));
    if (!outcome.ok) {
        why = outcome.why;
        return outcome.accessDenied ? ERROR_ACCESS_DENIED : ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

// Windows locks files, not folders: the folder's lock is a lock file in it.
FolderLock lockFolder(const std::filesystem::path& target, std::string& why) {
    std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const FolderLock lock = win32::lockWholeFile(folder / ".talonix.lock");
    if (lock < 0) {
        why = "the lock file cannot be made";
    }
    return lock;
}

void unlockFolder(FolderLock lock) {
    win32::closeLock(lock);
}

bool stampFile(const std::filesystem::path& file, FileStamp& stamp) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    const auto written = std::filesystem::last_write_time(file, error);
    if (error) {
        return false;
    }
    stamp.fields = {static_cast<int64_t>(size),
                    static_cast<int64_t>(written.time_since_epoch().count())};
    const auto age = std::filesystem::file_time_type::clock::now() - written;
    stamp.secondsSinceChange = std::chrono::duration_cast<std::chrono::seconds>(age).count();
    return true;
}

} // namespace platform::registry

namespace platform {

// %APPDATA%\talonix\settings.reg, or beside the working folder without one.
std::string defaultSettingsPath() {
    std::filesystem::path base = win32::roamingAppData();
    if (base.empty()) {
        base = ".";
    }
    return utf8FromPath(base / "talonix" / "settings.reg");
}

} // namespace platform
