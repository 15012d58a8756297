// SPDX-License-Identifier: MIT
#include "platform/registry/settings_file.h"

// The settings file through the POSIX calls (Linux, the browser's file
// system); platform/win32 has the same through the Windows ones.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/registry/settings_encoding.h"

namespace platform::registry {
namespace {

// A settings file is a few hundred bytes; anything past this is not one.
constexpr off_t largestSettingsFile = 16 * 1024 * 1024;
constexpr int mostSymbolicLinks = 40;

LSTATUS errorFromErrno(int error) {
    if (error == EACCES || error == EPERM || error == EROFS) {
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_WRITE_FAULT;
}

// Temporaries are named ".NAME.talonix-XXXXXX.tmp": a fixed prefix and
// suffix around six random letters or digits, which no person would choose.
constexpr std::string_view temporaryInfix = ".talonix-";
constexpr std::string_view temporarySuffix = ".tmp";
constexpr size_t temporaryRandom = 6;

std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + std::string(temporaryInfix);
}

// A name this program gives its temporaries for that target, exactly.
bool isTemporaryName(const std::string& name, const std::filesystem::path& target) {
    const std::string prefix = temporaryPrefix(target);
    if (name.size() != prefix.size() + temporaryRandom + temporarySuffix.size() ||
        !name.starts_with(prefix) || !name.ends_with(temporarySuffix)) {
        return false;
    }
    auto first = name.begin() + static_cast<std::ptrdiff_t>(prefix.size());
    return std::all_of(first, first + temporaryRandom,
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// A temporary file that is removed unless it was renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        std::string pattern = (target.parent_path() / temporaryPrefix(target)).string() +
                              std::string(temporaryRandom, 'X') + std::string(temporarySuffix);
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = mkostemps(name.data(), static_cast<int>(temporarySuffix.size()), O_CLOEXEC);
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

// Temporaries a killed write left beside the file. Called under the lock,
// before writing, when no other write can be under way; only regular files
// of this user whose names match exactly go.
void removeStaleTemporaries(const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::directory_iterator entries(target.parent_path(), error);
    if (error) {
        return;
    }
    for (const auto& entry : entries) {
        struct stat info {};
        if (isTemporaryName(entry.path().filename().string(), target) &&
            lstat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == geteuid()) {
            unlink(entry.path().c_str());
        }
    }
}

bool lockWhole(int fd) {
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// The lock of the file the path names while the lock is held. A write
// replaces the file, and the lock of the one it replaced guards nothing: a
// lock taken on a file that has gone is taken again on the new one. The
// file is made, empty, when missing.
int lockFile(const std::filesystem::path& target) {
    constexpr int mostAttempts = 1000;
    for (int attempt = 0; attempt < mostAttempts; ++attempt) {
        int fd =
            open(target.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) {
            return -1;
        }
        if (!lockWhole(fd)) {
            close(fd);
            return -1;
        }
        struct stat held {};
        struct stat named {};
        if (fstat(fd, &held) == 0 && stat(target.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            return fd;
        }
        close(fd);
    }
    return -1;
}

} // namespace

std::filesystem::path followLinks(std::filesystem::path path) {
    for (int hop = 0; hop < mostSymbolicLinks; ++hop) {
        struct stat entry {};
        if (lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
            return path;
        }
        std::vector<char> target(static_cast<size_t>(PATH_MAX) + 1);
        ssize_t length = readlink(path.c_str(), target.data(), target.size() - 1);
        if (length < 0) {
            return path;
        }
        std::filesystem::path next(std::string(target.data(), static_cast<size_t>(length)));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path; // a loop: opening it fails, and the file is left alone
}

LoadedText loadFile(const std::filesystem::path& file) {
    LoadedText loaded;
    // Never blocks on a FIFO; a link left over here is a loop.
    int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            loaded.problem = std::strerror(errno);
        }
        return loaded;
    }
    struct stat info {};
    std::string bytes;
    if (fstat(fd, &info) != 0) {
        loaded.problem = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        loaded.problem = "not a regular file";
    } else if (info.st_size > largestSettingsFile) {
        loaded.problem = "larger than 16 MiB";
    } else {
        bytes.reserve(static_cast<size_t>(info.st_size));
        char buffer[4096];
        while (true) {
            ssize_t count = read(fd, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0) {
                loaded.problem = std::strerror(errno);
                break;
            }
            if (count == 0) {
                break;
            }
            bytes.append(buffer, static_cast<size_t>(count));
            if (static_cast<off_t>(bytes.size()) > largestSettingsFile) {
                loaded.problem = "larger than 16 MiB";
                break;
            }
        }
    }
    close(fd);
    if (loaded.problem.empty()) {
        decode(std::move(bytes), loaded);
    }
    // Its owner's choice: the file is read, and kept as it is.
    bool readOnly =
        (info.st_mode & S_IWUSR) == 0 || (access(file.c_str(), W_OK) != 0 && errno == EACCES);
    if (loaded.problem.empty() && readOnly) {
        loaded.problem = "the file is read-only";
    }
    return loaded;
}

LSTATUS saveFile(const std::filesystem::path& target, const std::string& text, Encoding encoding,
                 std::string& why) {
    auto failed = [&why](int error) {
        why = std::strerror(error);
        return errorFromErrno(error);
    };
    std::error_code ignored;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), ignored);
    }
    removeStaleTemporaries(target);
    TemporaryFile temporary(target);
    if (temporary.fd() < 0) {
        return failed(errno);
    }
    const bool written = encoding == Encoding::Bytes
                             ? writeAll(temporary.fd(), text)
                             : writeAll(temporary.fd(), encode(text, encoding));
    if (!written || fchmod(temporary.fd(), fileMode(target)) != 0 || fsync(temporary.fd()) != 0) {
        return failed(errno);
    }
    if (!temporary.closeFile() || !temporary.renameTo(target)) {
        return failed(errno);
    }
    return ERROR_SUCCESS;
}

FolderLock lockFolder(const std::filesystem::path& target, std::string& why) {
    std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 && lockWhole(fd)) {
        return fd;
    }
    why = std::strerror(errno);
    if (fd >= 0) {
        close(fd);
    }
    return lockFile(target);
}

void unlockFolder(FolderLock lock) {
    if (lock >= 0) {
        close(static_cast<int>(lock)); // releases the lock
    }
}

bool stampFile(const std::filesystem::path& file, FileStamp& stamp) {
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) {
        return false;
    }
    stamp.fields = {static_cast<int64_t>(info.st_dev),
                    static_cast<int64_t>(info.st_ino),
                    static_cast<int64_t>(info.st_size),
                    info.st_mtim.tv_sec,
                    info.st_mtim.tv_nsec,
                    info.st_ctim.tv_sec,
                    info.st_ctim.tv_nsec};
    stamp.secondsSinceChange = static_cast<int64_t>(time(nullptr)) -
                               std::max<int64_t>(info.st_mtim.tv_sec, info.st_ctim.tv_sec);
    return true;
}

} // namespace platform::registry

namespace platform {

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

} // namespace platform
