// The Options, Statistics and Rules dialogs run as the program runs them:
// over a main window (here one that records the requests it gets), from the
// program's templates, with the script's dialog lines as input and the
// settings in a file of their own.
#pragma once

#include <optional>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cards/table.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "platform/dialog_test_support.h"
#include "platform/registry_api.h"
#include "platform/testing.h"
#include "platform/utf.h"
#include "platform/window_api.h"
#include "settings/dialogs.h"
#include "settings/settings_store.h"
#include "window/main_window.h"

namespace settings_dialog_testing {

inline std::string fileText(const std::filesystem::path& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

using dialog_testing::StepBackend;
using Type = platform::InputEvent::Type;

inline std::vector<WPARAM> requests;            // WM_USER requests the main window got
inline std::vector<int32_t> handStyleAtRequest; // computerHandStyle as each arrived

inline LRESULT recordingMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        requests.push_back(wParam);
        handStyleAtRequest.push_back(computerHandStyle);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class SettingsDialogTest : public ::testing::Test {
  protected:
    std::deque<StepBackend::Step> steps;
    std::vector<std::pair<int, INT_PTR>> closed;
    std::filesystem::path folder;
    std::filesystem::path file;

    void SetUp() override {
        TearDown();
        platform::setBackend(std::make_unique<StepBackend>(&steps, &closed));
        char pattern[] = "/tmp/talonix-dialogs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        file = folder / "settings.reg";
        platform_testing::useSettingsFile(file.string());
        computerWins = humanWins = 0;
        rulesLanguage = 0;
        requests.clear();
        handStyleAtRequest.clear();
        makeMainWindow(240, 320);
    }

    void TearDown() override {
        clear(humanHand);
        clear(computerHand);
        resetCard(talonCard);
        mainWindow = nullptr;
        platform_testing::resetPlatform();
        resetSettingValues();
        resetGameState();
        if (!folder.empty()) {
            std::filesystem::remove_all(folder);
        }
    }

    void makeMainWindow(int width, int height) {
        WNDCLASSW mainClass{};
        mainClass.lpfnWndProc = recordingMainWindow;
        mainClass.lpszClassName = u"main";
        RegisterClassW(&mainClass);
        mainWindow = CreateWindowExW(0, u"main", u"Подкидной", WS_VISIBLE, 0, 0, width, height,
                                     nullptr, nullptr, nullptr, nullptr);
    }

    // A script's dialog line, as the runner hands it to the platform.
    void line(Type type, int id, int value = 0) {
        platform::InputEvent input;
        input.type = type;
        input.id = id;
        input.value = value;
        steps.emplace_back(input);
    }
    void press(int id) { line(Type::DialogPress, id); }
    void check(int id, int value) { line(Type::DialogCheck, id, value); }
    void select(int id, int index) { line(Type::DialogSelect, id, index); }
    void then(std::function<void()> action) { steps.emplace_back(std::move(action)); }

    // The open dialog as the state line shows it, taken at this point.
    void snapshot(nlohmann::ordered_json& into) {
        then([&into] { into = platform::describeOpenDialog(); });
    }

    std::string readFile() const { return fileText(file); }
};

// The control's entry in a dialog description.
// A value of the settings key, or nothing when it is not stored.
inline std::optional<uint32_t> stored(LPCWSTR name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\qm\\tlx", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    const LSTATUS status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::optional<uint32_t>(value) : std::nullopt;
}

inline nlohmann::ordered_json control(const nlohmann::ordered_json& dialog, int id) {
    for (const auto& entry : dialog["controls"]) {
        if (entry["id"] == id) {
            return entry;
        }
    }
    ADD_FAILURE() << "no control " << id << " in " << dialog.dump();
    return {};
}

// The option and count mirrors, one line.
inline std::string mirrors() {
    char text[160];
    std::snprintf(
        text, sizeof text, "type %d/%d back %d colour %d dbl %d count %d style %d wins %lld/%lld",
        gameType, transferVariant, cardBackIndex, tableColourIndex, doubleTapPlays, showTalonCount,
        computerHandStyle, static_cast<long long>(computerWins), static_cast<long long>(humanWins));
    return text;
}

// The name=value pairs of a settings file in file order.
inline std::string valuesIn(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::string values;
    while (std::getline(lines, line)) {
        if (line.size() > 1 && line[0] == '"') {
            const auto end = line.find('"', 1);
            const auto colon = line.find(':', end);
            values += (values.empty() ? "" : " ") + line.substr(1, end - 1) + "=" +
                      (colon == std::string::npos
                           ? line.substr(end + 2)
                           : std::to_string(std::stoul(line.substr(colon + 1), nullptr, 16)));
        }
    }
    return values;
}

} // namespace settings_dialog_testing
