// SPDX-License-Identifier: MIT
// The Windows file calls the settings file needs, behind plain C++ types:
// the files that use them see no Windows header (the program's own window
// types share its names).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace platform::win32 {

// The whole file; problem says why it cannot be had (empty for a missing
// file, which reads as no bytes).
std::string readWholeFile(const std::filesystem::path& file, uint64_t largest,
                          std::string& problem);

struct WriteOutcome {
    bool ok = true;
    bool accessDenied = false;
    std::string why; // UTF-8
};

// Writes bytes to a new file beside target, flushed to disk, and puts it in
// target's place in one step (ReplaceFileW, or MoveFileExW when there is no
// file yet). A failed write leaves target as it was.
WriteOutcome replaceFile(const std::filesystem::path& target, const std::string& bytes);

// Opens lockFile (made when missing) and waits for its exclusive lock
// (LockFileEx); -1 when it cannot be opened. Closing releases the lock.
std::intptr_t lockWholeFile(const std::filesystem::path& lockFile);
void closeLock(std::intptr_t lock);

// Whether a file name is one replaceFile gives its temporaries for target.
bool isTemporaryName(const std::filesystem::path& name, const std::filesystem::path& target);

// %APPDATA%, or empty when unset.
std::filesystem::path roamingAppData();

} // namespace platform::win32
