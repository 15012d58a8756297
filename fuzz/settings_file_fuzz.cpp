// The settings file, read and written back: setting one value keeps every
// line it did not change, in order, and every other value as it was; the
// value set reads back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/registry/regedit_file.h"
#include "platform/registry/regedit_lines.h"
#include "platform/registry/registry_text.h"

using namespace platform::registry;

namespace {

// The lines of the text, line ends dropped.
std::vector<std::string> physicalLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        // A bare CR ending the file becomes part of a line end when a line
        // is added after it: CRs at the end of a line do not count.
        while (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return -1;
    }
    // The first byte picks the key and the value; the rest is the file.
    const KeyPath key = data[0] % 2 == 0 ? KeyPath{u"Software", u"qm", u"tlx"} : KeyPath{u"A"};
    const std::u16string name = data[0] % 4 < 2 ? u"statc" : u"STATC";
    const StoredValue value{4, {data[0], 1, 2, 3}};
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    RegeditDocument document(text);
    check(document.text() == text);
    document.setValue(key, name, value);
    const std::string written = document.text();
    const RegeditDocument before(text);
    const RegeditDocument after(written);
    check(after.findValue(key, name).has_value());
    check(after.findValue(key, name)->data == value.data);

    // Every line but those of the value set is kept, in order.
    // A value the file cut short may be completed by the line added after
    // it; the value of that name may then read differently.
    std::vector<std::u16string> cutShort;
    for (const RegeditLine& line : parseRegeditLines(text)) {
        if (line.openEnded) {
            cutShort.push_back(line.name);
        }
    }
    std::vector<std::string> kept;
    KeyPath section;
    bool ownSection = false;
    for (const RegeditLine& line : parseRegeditLines(text)) {
        if (line.kind == RegeditLine::Kind::Section) {
            section = line.key;
            ownSection = line.ownSection;
        }
        bool changed = line.kind == RegeditLine::Kind::Value && ownSection &&
                       sameKey(section, key) && equalNoCase(line.name, name);
        if (!changed) {
            for (const std::string& physical : physicalLines(line.raw)) {
                kept.push_back(physical);
            }
        }
        // Other values read as before.
        bool mayComplete = std::any_of(cutShort.begin(), cutShort.end(), [&](const auto& other) {
            return equalNoCase(other, line.name);
        });
        if (!changed && line.kind == RegeditLine::Kind::Value && ownSection && !mayComplete) {
            auto old = before.findValue(section, line.name);
            auto now = after.findValue(section, line.name);
            check(old.has_value() == now.has_value());
            check(!old || (old->type == now->type && old->data == now->data));
        }
    }
    // A file of blank lines only is started afresh, with its header first.
    if (std::all_of(kept.begin(), kept.end(), [](const std::string& line) {
            return line.find_first_not_of(" \t") == std::string::npos;
        })) {
        return 0;
    }
    std::vector<std::string> all = physicalLines(written);
    size_t next = 0;
    for (const std::string& line : all) {
        if (next < kept.size() && line == kept[next]) {
            ++next;
        }
    }
    check(next == kept.size());
    return 0;
}
