// Reads the program's screenshots and the golden pictures back as pixels.
#pragma once

#include <string>

#include "platform/raster/surface.h"

// False when the file is missing or no image; `out` is then left as it was.
bool readPng(const std::string& path, platform::Surface& out);
