// PNG files: what is written reads back pixel for pixel.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "raster_support.h"

namespace {

using platform::Surface;

std::string temporaryPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string("talonix_raster_") + std::to_string(getpid()) + "_" + name))
        .string();
}

TEST(PngTest, WrittenPixelsReadBackExactly) {
    Surface original(3, 2);
    const uint32_t colours[] = {0x000000, 0xFFFFFF, 0x009600, 0x800000, 0x000099, 0x123456};
    for (size_t i = 0; i < 6; ++i) {
        original.pixels[i] = colours[i];
    }
    std::string path = temporaryPath("round_trip.png");
    ASSERT_TRUE(platform::writePng(original, path));
    Surface read;
    ASSERT_TRUE(platform::readPng(path, read));
    std::remove(path.c_str());
    EXPECT_EQ(read.width, 3);
    EXPECT_EQ(read.height, 2);
    EXPECT_EQ(read.pixels, original.pixels);
}

TEST(PngTest, NothingToWriteOrNothingToReadFails) {
    EXPECT_FALSE(platform::writePng(Surface(), temporaryPath("empty.png")));
    EXPECT_FALSE(platform::writePng(Surface(2, 2), "/nonexistent-folder/shot.png"));
    Surface read(1, 1, 0xABCDEF);
    EXPECT_FALSE(platform::readPng(temporaryPath("missing.png"), read));
    EXPECT_EQ(read.pixels.front(), 0xABCDEFu); // left as it was
}

TEST(PngTest, AFileThatIsNoImageIsRefused) {
    std::string path = temporaryPath("not_an_image.png");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("REGEDIT4\r\n", file);
    std::fclose(file);
    Surface read;
    EXPECT_FALSE(platform::readPng(path, read));
    std::remove(path.c_str());
}

} // namespace
