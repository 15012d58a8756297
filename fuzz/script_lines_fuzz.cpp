// The headless script reader: any bytes are read line by line until the
// script ends or a line is malformed, without a crash and without a message
// longer than the line limit allows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "platform/headless/script_backend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    // Shots would write files wherever the input says.
    if (text.find("shot") != std::string::npos) {
        return -1;
    }
    std::istringstream script(text);
    std::ostringstream out;
    std::ostringstream err;
    platform::ScriptBackend backend(script, out, err);
    for (int events = 0; events < 100000; ++events) {
        platform::InputEvent event = backend.waitEvent();
        if (event.type == platform::InputEvent::Type::Quit) {
            break;
        }
    }
    // One message at most, "script:LINE: " and a shortened line.
    if (err.str().size() > 300) {
        std::abort();
    }
    return 0;
}
