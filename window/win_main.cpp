// SPDX-License-Identifier: MIT
// The program's entry point: start-up, the main window's class and the
// message loop.
#include "game/bout_steps.h"
#include "game/game_state.h"
#include "game/texts.h"
#include "opponents/opponent.h"
#include "platform/commandbar_api.h"
#include "platform/gdi_api.h"
#include "platform/messages.h"
#include "platform/resource_api.h"
#include "platform/text_format.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "settings/settings_store.h"
#include "window/main_window.h"
#include "window/painting.h"

namespace {

constexpr int programVersionMajor = 1;
constexpr int programVersionMinor = 1;

} // namespace

ATOM RegisterMainClass(HINSTANCE instance, LPCWSTR className) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = GetStockObject(WHITE_BRUSH);
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = className;
    return RegisterClassW(&windowClass);
}

BOOL InitInstance(HINSTANCE instance, int showCommand) {
    appInstance = instance;
    WCHAR className[100] = {};
    LoadStringW(instance, IDS_CLASS_NAME, className, 100);
    RegisterMainClass(instance, className);

    WCHAR title[100] = {};
    LoadStringW(instance, IDS_TITLE, title, 100);
    // The first game is dealt inside this call, by the creation message.
    const HWND window =
        CreateWindowExW(0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return FALSE;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    if (commandBar != nullptr) {
        CommandBar_Show(commandBar, TRUE);
    }
    return TRUE;
}

int WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPWSTR commandLine, int showCommand) {
    appInstance = instance;
    ChooseInterfaceLanguage();
    wsprintfW(aboutText, textOf(IDS_ABOUT_FORMAT), u"Talonix", programVersionMajor,
              programVersionMinor);
    LoadCardImages();
    LoadButtonImages();
    ReadStartupSettings();
    if (commandLine != nullptr && wcsstrW(commandLine, u"q7K") != nullptr) {
        computerHandFaceDown = 0;
    }
    ReadGameTypeSetting();
    ReadOpponentSetting();
    ReadPaceSetting();
    if (InitInstance(instance, showCommand) == FALSE) {
        return 0;
    }
    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_MAIN));
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) != FALSE) {
        if (TranslateAcceleratorW(message.hwnd, accelerators, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
