// SPDX-License-Identifier: MIT
// The settings file on disk: read whole, in UTF-8 or UTF-16, and replaced
// atomically under a lock on its folder, so that two running copies of the
// program never lose each other's changes. posix_settings_file.cpp does it
// with the POSIX calls, platform/win32/settings_file.cpp with the Windows
// ones.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/registry_api.h"

namespace platform::registry {

constexpr LSTATUS ERROR_WRITE_FAULT = 29;

// How the file's text is stored: bytes as they are (UTF-8, the usual), or
// UTF-16 after a byte-order mark, as the handheld's export writes it.
enum class Encoding { Bytes, Utf16Little, Utf16Big };

struct LoadedText {
    std::string text; // UTF-8
    Encoding encoding = Encoding::Bytes;
    std::string problem; // why the file must not be replaced; empty when it may
};

// The file a path names once its symbolic links are followed, so that a
// write replaces the file behind a link rather than the link. A link that
// leads nowhere names the file it would lead to.
std::filesystem::path followLinks(std::filesystem::path path);

// The whole file, or why it cannot be had. A missing file is empty text.
LoadedText loadFile(const std::filesystem::path& file);

// Writes the file through a temporary one renamed over it; on failure `why`
// says what went wrong.
LSTATUS saveFile(const std::filesystem::path& target, const std::string& text, Encoding encoding,
                 std::string& why);

// A held lock: a descriptor or a handle, -1 for none.
using FolderLock = std::intptr_t;

// Takes the folder's lock, which every instance holds around a
// read-modify-write; unlockFolder releases it. A folder that cannot be
// opened for it (one without read permission) has the settings file's own
// lock taken instead, and `why` says what kept the folder's. -1 when neither
// can be had (the folder cannot be made), when the write fails anyway.
FolderLock lockFolder(const std::filesystem::path& target, std::string& why);
void unlockFolder(FolderLock lock);

// What the file system says of a file: two stamps of one path with the same
// fields mean the file has not changed, as far as the system can tell.
struct FileStamp {
    std::array<int64_t, 7> fields{};
    int64_t secondsSinceChange = 0; // since its last change or modification
    bool sameFileAs(const FileStamp& other) const { return fields == other.fields; }
};
// False when the file cannot be looked at (it is missing).
bool stampFile(const std::filesystem::path& file, FileStamp& stamp);

} // namespace platform::registry
