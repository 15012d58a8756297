// SPDX-License-Identifier: MIT
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include "platform/win32/file_calls.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwctype>
#include <vector>

namespace platform::win32 {
namespace {

// The system's words for an error, in UTF-8.
std::string describe(DWORD error) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string out;
    if (length > 0 && text != nullptr) {
        int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                       nullptr, nullptr);
        out.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), size, nullptr,
                            nullptr);
        while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.')) {
            out.pop_back();
        }
    }
    LocalFree(text);
    return out.empty() ? "Windows error " + std::to_string(error) : out;
}

WriteOutcome failure(DWORD error) {
    WriteOutcome outcome;
    outcome.ok = false;
    outcome.accessDenied = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT ||
                           error == ERROR_SHARING_VIOLATION;
    outcome.why = describe(error);
    return outcome;
}

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        bool closed = !valid() || CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, part, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}

// ".NAME.talonix-XXXXXX.tmp" beside the target, as the POSIX build names its
// temporaries: a fixed prefix and suffix round six random letters or digits.
std::filesystem::path temporaryName(const std::filesystem::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    static constexpr char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    unsigned long long seed = (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^
                              GetTickCount64() ^ (counter++ * 7919ULL) ^ attempt;
    std::wstring random;
    for (int i = 0; i < 6; ++i) {
        random += static_cast<wchar_t>(digits[seed % 36]);
        seed /= 36;
    }
    return target.parent_path() /
           (L"." + target.filename().wstring() + L".talonix-" + random + L".tmp");
}

} // namespace

std::string readWholeFile(const std::filesystem::path& file, uint64_t largest,
                          std::string& problem) {
    Handle handle(CreateFileW(file.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid()) {
        DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            problem = describe(error);
        }
        return {};
    }
    LARGE_INTEGER size{};
    if (GetFileType(handle.get()) != FILE_TYPE_DISK || !GetFileSizeEx(handle.get(), &size)) {
        problem = "not a regular file";
        return {};
    }
    if (static_cast<uint64_t>(size.QuadPart) > largest) {
        problem = "larger than 16 MiB";
        return {};
    }
    std::string bytes;
    std::vector<char> buffer(4096);
    while (true) {
        DWORD count = 0;
        if (!ReadFile(handle.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &count,
                      nullptr)) {
            problem = describe(GetLastError());
            return {};
        }
        if (count == 0) {
            return bytes;
        }
        bytes.append(buffer.data(), count);
        if (bytes.size() > largest) {
            problem = "larger than 16 MiB";
            return {};
        }
    }
}

WriteOutcome replaceFile(const std::filesystem::path& target, const std::string& bytes) {
    std::filesystem::path temporary;
    HANDLE made = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && made == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = temporaryName(target, attempt);
        made = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (made == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    Handle file(made);
    if (!file.valid()) {
        return failure(GetLastError());
    }
    if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get()) || !file.close()) {
        DWORD error = GetLastError();
        file.close();
        DeleteFileW(temporary.c_str());
        return failure(error);
    }
    // ReplaceFileW keeps the old file's attributes and security; with no
    // old file there is nothing to keep, and MoveFileExW puts it in place.
    bool placed = ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
    if (!placed) {
        placed = MoveFileExW(temporary.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!placed) {
        DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return failure(error);
    }
    return {};
}

std::intptr_t lockWholeFile(const std::filesystem::path& lockFile) {
    HANDLE file = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    OVERLAPPED whole{};
    // Waits for another instance to let go; a file that cannot be locked
    // is written as before.
    LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
    return reinterpret_cast<std::intptr_t>(file);
}

void closeLock(std::intptr_t lock) {
    if (lock != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(lock)); // releases the lock
    }
}

std::filesystem::path roamingAppData() {
    DWORD size = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring value(size, L'\0');
    DWORD length = GetEnvironmentVariableW(L"APPDATA", value.data(), size);
    value.resize(length < size ? length : 0);
    return std::filesystem::path(value);
}

bool isTemporaryName(const std::filesystem::path& name, const std::filesystem::path& target) {
    const std::wstring prefix = L"." + target.filename().wstring() + L".talonix-";
    const std::wstring suffix = L".tmp";
    const std::wstring given = name.wstring();
    if (given.size() != prefix.size() + 6 + suffix.size() || !given.starts_with(prefix) ||
        !given.ends_with(suffix)) {
        return false;
    }
    return std::all_of(given.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                       given.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                       [](wchar_t c) { return c < 0x80 && std::iswalnum(c); });
}

} // namespace platform::win32
