// SPDX-License-Identifier: MIT
// Test hooks: a clean platform and what the program asked of it.
#include "platform/testing.h"

#include <utility>

#include "platform/core/clock.h"
#include "platform/core/core_state.h"
#include "platform/registry/registry_store.h"

namespace platform_testing {

void resetPlatform() {
    auto& state = platform::core();
    state.windows.clear();
    state.lastFoundValue = 0;
    state.lastFound = nullptr;
    state.topLevels.clear();
    state.classes.clear();
    state.mainWindow = nullptr;
    state.queue.clear();
    state.quitPosted = false;
    state.quitCode = 0;
    state.focus = nullptr;
    state.capture = nullptr;
    state.backend.reset();
    state.answers.clear();
    state.fixedClock.reset();
    state.uiLanguage = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);
    state.recording = true;
    state.invalidations.clear();
    state.messageBoxes.clear();
    platform::resetRaster();
    platform::useMemorySettings();
}

void useSettingsFile(const std::string& path) {
    platform::useSettingsFile(path);
}

void setFixedClock(int hour, int minute, int second, int millisecond) {
    platform::setFixedClock(hour, minute, second, millisecond);
}

std::vector<Invalidation> takeInvalidations() {
    return std::exchange(platform::core().invalidations, {});
}

void queueMessageBoxAnswer(int result) {
    platform::queueMessageBoxAnswer(result);
}

std::vector<MessageBoxRecord> takeMessageBoxes() {
    return std::exchange(platform::core().messageBoxes, {});
}

} // namespace platform_testing
