// SPDX-License-Identifier: MIT
// Settings files the store must not lose: files it cannot read in full are
// left as they are (and stderr says so once), and files it can read - behind
// a link, in UTF-16, ending in a continued line, with stale temporaries
// beside them - keep what they hold when a value is added.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/utf.h"
#include "registry_fixture.h"

namespace {

constexpr const char* settingsText = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
                                     "\"statc\"=dword:00000005\n";

struct HostileFile {
    const char* what;
    std::function<void(const std::filesystem::path&)> make; // puts the file in place
    const char* reason;                                     // in the message on stderr
    int64_t statc = -1; // what is read: the defaults, unless the file can be read
};

// What a path is, and what it holds when it is a regular file.
std::string describe(const std::filesystem::path& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return "missing";
    }
    if (S_ISLNK(info.st_mode)) {
        std::filesystem::path target = std::filesystem::read_symlink(path);
        return "link to " + target.string() + " (" + describe(target) + ")";
    }
    if (S_ISFIFO(info.st_mode)) {
        return "fifo";
    }
    if (S_ISCHR(info.st_mode)) {
        return "device " + std::to_string(info.st_rdev);
    }
    std::string text = contentOf(path);
    return "file of " + std::to_string(info.st_size) + " bytes, mode " +
           std::to_string(info.st_mode & 0777) + ", starting " + text.substr(0, 64);
}

const HostileFile hostileFiles[] = {
    {"Over16MiB",
     [](const std::filesystem::path& file) {
         std::ofstream(file, std::ios::binary) << settingsText;
         std::filesystem::resize_file(file, 16 * 1024 * 1024 + 1);
     },
     "larger than 16 MiB"},
    {"Unreadable",
     [](const std::filesystem::path& file) {
         std::ofstream(file, std::ios::binary) << settingsText;
         chmod(file.c_str(), 0);
     },
     "Permission denied"},
    {"AFifo", [](const std::filesystem::path& file) { mkfifo(file.c_str(), 0666); },
     "not a regular file"},
    {"ALinkToADevice",
     [](const std::filesystem::path& file) { std::filesystem::create_symlink("/dev/null", file); },
     "not a regular file"},
    {"Utf16OfOddLength",
     [](const std::filesystem::path& file) {
         std::ofstream(file, std::ios::binary) << std::string("\xFF\xFER\0E\0G\0\n", 9);
     },
     "UTF-16"},
    {"ReadOnly",
     [](const std::filesystem::path& file) {
         std::ofstream(file, std::ios::binary) << settingsText;
         chmod(file.c_str(), 0444);
     },
     "read-only", 5},
};

class HostileFileTest : public RegistryFileTest,
                        public ::testing::WithParamInterface<HostileFile> {};

// Run as a normal user: as root, every file is readable. The checks run in
// a child that gives up root, in a folder it may write.
TEST_P(HostileFileTest, IsNeverReplacedAndTheGameGoesOnWithWhatCouldBeRead) {
    ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
    GetParam().make(file);
    const std::string before = describe(file);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(3);
        }
        ::testing::internal::CaptureStderr();
        EXPECT_NE(setDword(tlxKey, u"statc", 6), ERROR_SUCCESS);
        EXPECT_NE(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
        EXPECT_EQ(queryDword(tlxKey, u"statc"), GetParam().statc) << "played on with what it read";
        std::string errors = ::testing::internal::GetCapturedStderr();
        std::string expected = "talonix: settings not saved: " + file.string() + ": ";
        EXPECT_EQ(errors.rfind(expected, 0), 0u) << errors;
        EXPECT_NE(errors.find(GetParam().reason), std::string::npos) << errors;
        EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "said once: " << errors;
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the checks above failed";
    EXPECT_EQ(describe(file), before);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.reg"});
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFileTest, ::testing::ValuesIn(hostileFiles),
                         [](const auto& test) { return std::string(test.param.what); });

// The handheld's export: UTF-16 after a byte-order mark, CR LF line ends.
std::string utf16(const std::string& text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : utf16FromUtf8(text)) {
        auto high = static_cast<char>(c >> 8);
        auto low = static_cast<char>(c & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
    return out;
}

TEST_F(RegistryFileTest, AUtf16ExportIsReadAndWrittenBackInUtf16) {
    const std::string exported = "Windows Registry Editor Version 5.00\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n"
                                 "\"name\"=\"Дурак\"\r\n"
                                 "\"back\"=dword:00000002\r\n";
    for (bool bigEndian : {false, true}) {
        writeFile(utf16(exported, bigEndian));
        EXPECT_EQ(queryDword(tlxKey, u"back"), 2);
        ASSERT_EQ(setDword(tlxKey, u"statc", 7), ERROR_SUCCESS);
        EXPECT_EQ(queryDword(tlxKey, u"statc"), 7);
        EXPECT_EQ(readFile(), utf16(exported + "\"statc\"=dword:00000007\r\n", bigEndian));
    }
}

TEST_F(RegistryFileTest, AValueContinuedOnTheLastLineDoesNotSwallowTheNextOne) {
    for (const char* ending : {"\\", "\\\n", "\\\\\\"}) {
        writeFile(std::string(settingsText) + "\"bin\"=hex:01,02," + ending);
        ASSERT_EQ(setDword(tlxKey, u"statu", 9), ERROR_SUCCESS);
        ASSERT_EQ(setDword(tlxKey, u"type", 3), ERROR_SUCCESS);
        EXPECT_EQ(queryDword(tlxKey, u"statc"), 5);
        EXPECT_EQ(queryDword(tlxKey, u"statu"), 9);
        EXPECT_EQ(queryDword(tlxKey, u"type"), 3);
        std::string kept = std::string(settingsText) + "\"bin\"=hex:01,02," + ending;
        EXPECT_EQ(readFile().rfind(kept, 0), 0u);
    }
}

TEST_F(RegistryFileTest, ALinkedFileIsWrittenThroughItsLink) {
    std::filesystem::create_directory(folder / "real");
    std::ofstream(folder / "real" / "kept.reg", std::ios::binary) << settingsText;
    std::filesystem::create_symlink("real/kept.reg", file);
    std::filesystem::create_symlink(folder / "real" / "new.reg", folder / "dangling.reg");

    ASSERT_EQ(setDword(tlxKey, u"back", 4), ERROR_SUCCESS);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(contentOf(folder / "real" / "kept.reg"),
              std::string(settingsText) + "\"back\"=dword:00000004\n");

    platform::useSettingsFile((folder / "dangling.reg").string());
    ASSERT_EQ(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.reg"));
    EXPECT_EQ(queryDword(tlxKey, u"back"), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "real" / "new.reg"));
}

TEST_F(RegistryFileTest, TemporariesLeftByAKilledWriteGoWithTheNextWrite) {
    // Only the program's own names go; the user's files that look alike stay.
    for (const char* name : {".settings.reg.talonix-a1B2c3.tmp", ".settings.reg.talonix-ZZZZZZ.tmp",
                             ".settings.reg.backup", ".settings.reg.a1B2c3",
                             ".settings.reg.talonix-a1B2c.tmp", ".settings.reg.talonix-a1B2c3.tmpx",
                             ".settings.reg.talonix-a1-2c3.tmp", ".other.reg.talonix-a1B2c3.tmp"}) {
        std::ofstream(folder / name) << "half a file";
    }
    ASSERT_EQ(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    std::vector<std::string> left = folderEntries();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (std::vector<std::string>{".other.reg.talonix-a1B2c3.tmp", ".settings.reg.a1B2c3",
                                        ".settings.reg.backup", ".settings.reg.talonix-a1-2c3.tmp",
                                        ".settings.reg.talonix-a1B2c.tmp",
                                        ".settings.reg.talonix-a1B2c3.tmpx", "settings.reg"}));
}

} // namespace
