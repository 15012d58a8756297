// SPDX-License-Identifier: MIT
#include "platform/backend_choice.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "platform/backend.h"
#include "platform/headless/script_backend.h"
#include "platform/utf.h"
#include "platform/window_backend.h"

namespace platform {
namespace {

// The script file is read by the backend for the whole run.
std::optional<int> startScriptBackend(const std::string& scriptPath) {
    static std::ifstream scriptFile;
    scriptFile.close();
    std::istream* script = &std::cin;
    if (!scriptPath.empty() && scriptPath != "-") {
        std::error_code ignored;
        if (!std::filesystem::is_directory(pathFromUtf8(scriptPath), ignored)) {
            scriptFile.open(pathFromUtf8(scriptPath), std::ios::binary);
        }
        if (!scriptFile.is_open() || !scriptFile) {
            std::cerr << "talonix: cannot read the script '" << scriptPath << "'\n";
            return 2;
        }
        script = &scriptFile;
    }
    setBackend(std::make_unique<ScriptBackend>(*script, std::cout, std::cerr));
    return std::nullopt;
}

// Nothing to read, and what the runner would write goes nowhere.
void startQuietBackend() {
    static std::istringstream noScript;
    static std::ostringstream dropped;
    setBackend(std::make_unique<ScriptBackend>(noScript, dropped, std::cerr));
}

} // namespace

std::optional<int> startBackend(const BackendChoice& choice) {
    if (choice.quiet) {
        startQuietBackend();
        return std::nullopt;
    }
    if (choice.headless) {
        return startScriptBackend(choice.scriptPath);
    }
    std::string error;
    auto window = createWindowBackend(choice.scale, error);
    if (!window) {
        std::cerr << "talonix: cannot open a window: " << error
                  << "; run with --headless to play from a script without a display\n";
        return 1;
    }
    setBackend(std::move(window));
    return std::nullopt;
}

} // namespace platform
