// SPDX-License-Identifier: MIT
// The settings file on disk, written by the program's own registry calls:
// one value, or the six values of one Options OK at once, into a file in
// UTF-8 or UTF-16 of either byte order, with any line ends, or past the size
// limit. A file that can be read keeps every line the writes did not change,
// byte for byte and in order, every other value reads as before and every
// value written reads back; a file that cannot be read is left as it was.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/registry/dword_values.h"
#include "platform/registry/regedit_file.h"
#include "platform/registry/regedit_lines.h"
#include "platform/registry/registry_store.h"
#include "platform/registry/registry_text.h"
#include "platform/registry/settings_file.h"
#include "platform/utf.h"

using namespace platform::registry;

namespace {

void check(bool condition, int line = __builtin_LINE()) {
    if (!condition) {
        std::fprintf(stderr, "settings_file_fuzz.cpp:%d: check failed\n", line);
        std::abort();
    }
}

// A private folder, in memory where there is one (no disk syncs).
const std::filesystem::path& settingsPath() {
    static const std::filesystem::path path = [] {
        std::string pattern = (std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") +
                              std::string("/talonix-fuzz-XXXXXX");
        check(mkdtemp(pattern.data()) != nullptr);
        return std::filesystem::path(pattern) / "settings.reg";
    }();
    return path;
}

// The file's size and its first bytes (a file past the limit is mostly
// a hole).
std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string start(64 * 1024, '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<size_t>(in.gcount()));
    return std::to_string(std::filesystem::file_size(path)) + ":" + start;
}

std::string encoded(const std::string& text, int encoding) {
    if (encoding == 0) {
        return text;
    }
    std::string out = encoding == 1 ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t c : utf16FromUtf8(text)) {
        const char pair[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        out.push_back(pair[encoding == 1 ? 0 : 1]);
        out.push_back(pair[encoding == 1 ? 1 : 0]);
    }
    return out;
}

// Lines without their ends (LF, CR LF or a lone CR): a line end may be added
// to a last line that had none.
std::vector<std::string> bodies(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find_first_of("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? end : end - at));
        if (end == std::string::npos) {
            break;
        }
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

struct Write {
    const char16_t* name;
    DWORD value;
};

void checkWritten(const std::string& before, const std::string& after, const KeyPath& key,
                  const std::vector<Write>& writes) {
    const RegeditDocument old(before);
    const RegeditDocument now(after);
    auto written = [&](const std::u16string& name) {
        return std::any_of(writes.begin(), writes.end(),
                           [&](const Write& write) { return equalNoCase(write.name, name); });
    };
    for (const Write& write : writes) {
        const std::optional<StoredValue> value = now.findValue(key, write.name);
        check(value && value->data.size() == 4 && value->data[0] == (write.value & 0xFF));
    }
    // Other values read as they did. The line each written value was read
    // from may change; every other line is kept, in order.
    const std::vector<RegeditLine> lines = parseRegeditLines(before);
    std::map<std::u16string, size_t> readFrom;
    KeyPath section;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == EntryKind::Section) {
            section = lines[i].ownSection ? lines[i].key : KeyPath{u"\n"};
        } else if (lines[i].kind == EntryKind::Value && sameKey(section, key) &&
                   written(lines[i].name)) {
            if (lines[i].value) {
                std::u16string name = lines[i].name;
                std::transform(name.begin(), name.end(), name.begin(), foldCase);
                readFrom[name] = i; // the last one is read
            }
        } else if (lines[i].kind == EntryKind::Value) {
            const std::optional<StoredValue> was = old.findValue(section, lines[i].name);
            const std::optional<StoredValue> is = now.findValue(section, lines[i].name);
            check(was.has_value() == is.has_value() &&
                  (!was || (was->type == is->type && was->data == is->data)));
        }
    }
    if (isBlankLine(before)) {
        return; // a file of blank lines only is started afresh, header first
    }
    const std::vector<std::string> result = bodies(after);
    size_t next = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        bool changed = std::any_of(readFrom.begin(), readFrom.end(),
                                   [i](const auto& entry) { return entry.second == i; });
        for (const std::string& body :
             changed ? std::vector<std::string>{} : bodies(lines[i].raw)) {
            while (next < result.size() && result[next] != body) {
                ++next;
            }
            check(next++ < result.size());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return -1;
    }
    // The first byte picks the encoding, the size, the key and the writes;
    // the rest is the file's text.
    const uint8_t pick = data[0];
    const std::filesystem::path& file = settingsPath();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << encoded(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), pick % 3);
    }
    if ((pick & 0xC0) == 0xC0) {
        std::filesystem::resize_file(file, 16 * 1024 * 1024 + 1);
    }
    const LPCWSTR keyPath = (pick & 0x08) == 0 ? u"Software\\qm\\tlx" : u"A";
    const KeyPath key = splitKeyPath(keyPath);
    std::vector<Write> writes{{(pick & 0x10) != 0 ? u"STATC" : u"statc", pick}};
    if ((pick & 0x20) != 0) {
        writes = {{u"type", pick}, {u"back", 1u}, {u"blackbg", 2u},
                  {u"wc", 3u},     {u"cidc", 4u}, {u"hidev", 5u}};
    }

    const std::string bytesBefore = bytesOf(file);
    const LoadedText before = loadFile(file);
    platform::useSettingsFile(file.string());
    LSTATUS status = ERROR_SUCCESS;
    {
        platform::SettingsUpdate update; // one replacement, as Options OK makes
        for (const Write& write : writes) {
            platform::writeDwordValue(keyPath, write.name, write.value);
        }
        status = update.finish();
    }
    platform::useMemorySettings();
    if (!before.problem.empty()) {
        check(status != ERROR_SUCCESS);
        check(bytesOf(file) == bytesBefore);
        return 0;
    }
    check(status == ERROR_SUCCESS);
    const LoadedText after = loadFile(file);
    check(after.problem.empty() && after.encoding == before.encoding);
    checkWritten(before.text, after.text, key, writes);
    return 0;
}
