#include "platform/registry/settings_text.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/registry/registry_store.h"

namespace platform {

namespace {

// A settings file is a few hundred bytes; anything past this is not one,
// and reading it (a device file, say) could go on for ever.
constexpr std::streamsize largestSettingsFile = 16 * 1024 * 1024;
constexpr LSTATUS ERROR_WRITE_FAULT = 29;

struct SettingsLocation {
    std::optional<std::filesystem::path> file; // none: in memory
    std::string memoryText;
    SettingsLoader load = nullptr; // with save: elsewhere, neither file nor memory
    SettingsSaver save = nullptr;
};

SettingsLocation& location() {
    static SettingsLocation current;
    return current;
}

LSTATUS errorFromErrno(int error) {
    if (error == EACCES || error == EPERM || error == EROFS) {
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_WRITE_FAULT;
}

// A temporary file that is removed unless it was renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        std::string pattern =
            (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = mkstemp(name.data());
        if (fd_ >= 0) {
            path_ = name.data();
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        closeFile();
        if (!path_.empty()) {
            unlink(path_.c_str());
        }
    }

    int fd() const { return fd_; }
    bool closeFile() {
        if (fd_ < 0) {
            return true;
        }
        int result = close(fd_);
        fd_ = -1;
        return result == 0;
    }
    bool renameTo(const std::filesystem::path& target) {
        if (rename(path_.c_str(), target.c_str()) != 0) {
            return false;
        }
        path_.clear();
        return true;
    }

  private:
    int fd_ = -1;
    std::string path_;
};

bool writeAll(int fd, const std::string& text) {
    size_t written = 0;
    while (written < text.size()) {
        ssize_t result = write(fd, text.data() + written, text.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return false;
        }
        written += static_cast<size_t>(result);
    }
    return true;
}

// The new file gets the old file's permissions, or the usual ones for a new
// file under the process's umask.
mode_t fileMode(const std::filesystem::path& target) {
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        return existing.st_mode & 07777;
    }
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

LSTATUS saveFile(const std::filesystem::path& target, const std::string& text) {
    std::error_code ignored;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), ignored);
    }
    TemporaryFile temporary(target);
    if (temporary.fd() < 0) {
        return errorFromErrno(errno);
    }
    if (!writeAll(temporary.fd(), text) || fchmod(temporary.fd(), fileMode(target)) != 0 ||
        fsync(temporary.fd()) != 0) {
        return errorFromErrno(errno);
    }
    if (!temporary.closeFile() || !temporary.renameTo(target)) {
        return errorFromErrno(errno);
    }
    return ERROR_SUCCESS;
}

std::string loadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<size_t>(in.gcount()));
        if (static_cast<std::streamsize>(text.size()) > largestSettingsFile) {
            return {};
        }
    }
    return text;
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
    location().memoryText.clear();
    location().load = nullptr;
    location().save = nullptr;
}

void useMemorySettings() {
    registry::closeAllKeys();
    location().file.reset();
    location().memoryText.clear();
    location().load = nullptr;
    location().save = nullptr;
}

void useSettingsStorage(SettingsLoader load, SettingsSaver save) {
    registry::closeAllKeys();
    location() = SettingsLocation{std::nullopt, {}, load, save};
}

namespace registry {

std::string loadSettingsText() {
    const SettingsLocation& current = location();
    if (current.load != nullptr) {
        return current.load();
    }
    return current.file ? loadFile(*current.file) : current.memoryText;
}

LSTATUS saveSettingsText(const std::string& text) {
    SettingsLocation& current = location();
    if (current.save != nullptr) {
        return current.save(text) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
    }
    if (!current.file) {
        current.memoryText = text;
        return ERROR_SUCCESS;
    }
    return saveFile(*current.file, text);
}

} // namespace registry

} // namespace platform
