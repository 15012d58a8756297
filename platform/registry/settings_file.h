// The settings file on disk: read whole, in UTF-8 or UTF-16, and replaced
// atomically under a lock on its folder, so that two running copies of the
// program never lose each other's changes.
#pragma once

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
// read-modify-write. -1 without a folder to lock (it cannot be made), when
// the write fails anyway.
FolderLock lockFolder(const std::filesystem::path& target);
void unlockFolder(FolderLock lock);

} // namespace platform::registry
