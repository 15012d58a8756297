// SPDX-License-Identifier: MIT
// Modal dialogs built from templates, and the messages of their controls.
#pragma once

#include "platform/messages.h"
#include "platform/win_types.h"

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

enum class DialogControlKind {
    Static, // text, "\n" breaks lines
    PushButton,
    DefaultPushButton, // Enter presses it
    CheckBox,          // BS_MULTILINE lets its label take two lines
    ListBox,
    DropDownList, // a combo box whose list opens below it
    Edit, // ES_MULTILINE | ES_READONLY with WS_VSCROLL: a scrolling text; else one typed line
};

// Control styles the templates use.
constexpr DWORD BS_MULTILINE = 0x00002000;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD SS_RIGHT = 0x0002; // a static's lines end at its right edge

// Positions and sizes are in dialog units: a horizontal unit is a quarter of
// the font's average character width, a vertical unit an eighth of its height.
struct DialogControlTemplate {
    DialogControlKind kind;
    int id; // -1 for a static that nobody addresses
    LPCWSTR text;
    int x;
    int y;
    int cx;
    int cy;
    DWORD style;
};

struct DialogTemplate {
    LPCWSTR title;
    LPCWSTR fontName;
    int pointSize;
    int cx;
    int cy;
    const DialogControlTemplate* controls;
    int controlCount;
};

// Runs the dialog modally: returns the value given to EndDialog, or -1 when
// the dialog could not be made. Painting of the other windows goes on.
INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const DialogTemplate* dialogTemplate,
                                HWND owner, DLGPROC dialogProc, LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
HWND GetDlgItem(HWND dialog, int id);
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);

constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;

constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr LRESULT CB_ERR = -1;

constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr LRESULT LB_ERR = -1;

// Notification codes in the high word of WM_COMMAND's wParam.
constexpr WORD BN_CLICKED = 0;
