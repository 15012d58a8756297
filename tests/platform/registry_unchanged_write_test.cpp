// Writing a value the file already holds leaves the file alone: no new
// file is written, flushed and renamed into place.

#include <sys/stat.h>

#include "registry_fixture.h"

namespace {

ino_t inodeOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0);
    return info.st_ino;
}

TEST_F(RegistryFileTest, OnlyAChangedValueReplacesTheFile) {
    ASSERT_EQ(setDword(tlxKey, u"statc", 3), ERROR_SUCCESS);
    const std::string text = readFile();
    const ino_t first = inodeOf(file);

    ASSERT_EQ(setDword(tlxKey, u"statc", 3), ERROR_SUCCESS);
    EXPECT_EQ(inodeOf(file), first) << "the same value again: the file is not replaced";
    EXPECT_EQ(readFile(), text);

    ASSERT_EQ(setDword(tlxKey, u"statc", 4), ERROR_SUCCESS);
    EXPECT_NE(inodeOf(file), first) << "a new value: the file is replaced";
    EXPECT_EQ(queryDword(tlxKey, u"statc"), 4);
}

} // namespace
