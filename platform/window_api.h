// SPDX-License-Identifier: MIT
// Windows, window classes, messages, update regions and painting.
//
// One thread. SendMessageW calls the window procedure directly and returns
// its result, so a handler may send further messages to the same window to
// any depth. GetMessageW hands out posted messages first; when none is
// queued it hands out WM_PAINT for a window whose update region is not
// empty; only then does it wait for input from the backend.
#pragma once

#include "platform/messages.h"
#include "platform/win_types.h"

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
};

struct CREATESTRUCTW {
    void* lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint; // bounding box of the region being painted
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

ATOM RegisterClassW(const WNDCLASSW* windowClass);
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetWindowTextW(HWND window, LPCWSTR text);
int GetWindowTextW(HWND window, LPWSTR buffer, int maxCount);
BOOL ShowWindow(HWND window, int showCommand);
BOOL UpdateWindow(HWND window);
HWND GetParent(HWND window);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL GetWindowRect(HWND window, RECT* rect);
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
BOOL IsWindowVisible(HWND window);
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL GetMessageW(MSG* message, HWND window, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageW(const MSG* message);

// Marks a rectangle (or, with a null rect, the whole client area) for
// repainting. Marks add up until the next paint.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
// Hands the paint the window's surface clipped to its update region, and
// empties the region.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// Modal message box over the owner; painting goes on while it is open.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
// While one lives, no message box is shown: each takes the first queued
// answer that is one of its buttons, or its default (a game played again
// out of sight).
class QuietMessageBoxes {
  public:
    QuietMessageBoxes();
    ~QuietMessageBoxes();
    QuietMessageBoxes(const QuietMessageBoxes&) = delete;
    QuietMessageBoxes& operator=(const QuietMessageBoxes&) = delete;
};

// UTC time of day (fixed when the program was started with --clock).
void GetSystemTime(SYSTEMTIME* time);
