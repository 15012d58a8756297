// The settings file on Windows: the same file and rules as on Linux, through
// the Windows calls (platform/win32/file_calls.cpp). The folder's lock is a
// lock file in it, since Windows locks files, not folders.
#include "platform/registry/settings_file.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/registry/registry_store.h"
#include "platform/registry/settings_encoding.h"
#include "platform/utf.h"
#include "platform/win32/file_calls.h"

namespace platform::registry {
namespace {

constexpr uint64_t largestSettingsFile = 16 * 1024 * 1024;
constexpr int mostSymbolicLinks = 40;

// Temporaries a killed write left beside the file: ".NAME.XXXXXX". Called
// under the lock, before writing, when no other write can be under way.
void removeStaleTemporaries(const std::filesystem::path& target) {
    std::u8string prefix = u8"." + target.filename().u8string() + u8".";
    std::error_code error;
    std::filesystem::directory_iterator entries(target.parent_path(), error);
    if (error) {
        return;
    }
    for (const auto& entry : entries) {
        std::u8string name = entry.path().filename().u8string();
        if (name.size() != prefix.size() + 6 || !name.starts_with(prefix)) {
            continue;
        }
        bool generated = std::all_of(
            name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
            [](char8_t c) { return c < 0x80 && std::isalnum(static_cast<unsigned char>(c)); });
        if (generated && entry.is_regular_file(error) && !entry.is_symlink(error)) {
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

FolderLock lockFolder(const std::filesystem::path& target) {
    std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return win32::lockWholeFile(folder / ".talonix.lock");
}

void unlockFolder(FolderLock lock) {
    win32::closeLock(lock);
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
