// SPDX-License-Identifier: MIT
// The main window: its handles, its procedure and the program's entry point.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

extern HINSTANCE appInstance;
extern HWND mainWindow;
extern HWND commandBar;
extern int32_t computerHandFaceDown; // 0 after the "q7K" switch
extern int32_t buttonPressed;        // both buttons drawn pressed
extern WCHAR aboutText[256];

LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);
BOOL InitInstance(HINSTANCE instance, int showCommand);
ATOM RegisterMainClass(HINSTANCE instance, LPCWSTR className);

// Requests a repaint of the action button (no erase).
void invalidateActionButton();
