// Placeholder until the desktop window lands.
#include "platform/sdl/sdl_backend.h"

namespace platform {

std::unique_ptr<Backend> createSdlBackend(int /*scale*/, std::string& error) {
    error = "the desktop window is not available in this build";
    return nullptr;
}

} // namespace platform
