// SPDX-License-Identifier: MIT
// The Options, Statistics and Rules dialogs run as the program runs them:
// over a main window (here one that records the requests it gets), from the
// program's templates, with the script's dialog lines as input and the
// settings in a file of their own.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
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
#include "resources/resource_ids.h"
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
using Closed = std::vector<std::pair<int, INT_PTR>>;

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
    std::string values;
    for (std::string line; std::getline(lines, line);) {
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

class SettingsDialogTest : public ::testing::Test {
  protected:
    std::deque<StepBackend::Step> steps;
    Closed closed;
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

    // A script's dialog lines, "select game 3;check hide 1;press ok".
    void dialogLines(const std::string& text) {
        static const std::map<std::string, int> ids = {{"game", IDC_GAME_TYPE},
                                                       {"back", IDC_CARD_BACK},
                                                       {"colour", IDC_TABLE_COLOUR},
                                                       {"count", IDC_SHOW_TALON_COUNT},
                                                       {"dbl", IDC_DOUBLE_TAP},
                                                       {"hide", IDC_HIDE_HAND_SIZE},
                                                       {"clear", IDC_STATISTICS_CLEAR},
                                                       {"ok", IDOK},
                                                       {"cancel", IDCANCEL}};
        std::istringstream parts(text);
        for (std::string step; std::getline(parts, step, ';');) {
            std::istringstream words(step);
            std::string verb;
            std::string name;
            platform::InputEvent input;
            words >> verb >> name >> input.value;
            input.type = verb == "select"  ? Type::DialogSelect
                         : verb == "check" ? Type::DialogCheck
                                           : Type::DialogPress;
            input.id = ids.at(name);
            steps.emplace_back(input);
        }
    }
    void then(std::function<void()> action) { steps.emplace_back(std::move(action)); }

    // The text of a control of the open dialog, taken at this point.
    void textOf(int id, std::string& into) {
        then([id, &into] {
            const nlohmann::ordered_json dialog = platform::describeOpenDialog();
            for (const auto& entry : dialog["controls"]) {
                into = entry["id"] == id ? entry["text"].get<std::string>() : into;
            }
        });
    }

    std::string readFile() const { return fileText(file); }
};

} // namespace settings_dialog_testing
