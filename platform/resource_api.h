// SPDX-License-Identifier: MIT
// The program's own resources, found by number: bitmaps, icons, strings,
// accelerator tables and dialog templates.
#pragma once

#include "platform/messages.h"
#include "platform/win_types.h"

inline LPCWSTR RT_DIALOG() {
    return MAKEINTRESOURCEW(5);
}

// The language resources are loaded in: strings, dialog templates and the
// button faces with words on them. Russian until set; any language other
// than English loads the Russian resources.
constexpr WORD LANG_ENGLISH = 0x09;
constexpr WORD LANG_RUSSIAN = 0x19;
constexpr WORD SUBLANG_DEFAULT = 0x01;
constexpr LANGID MAKELANGID(WORD primary, WORD sub) {
    return static_cast<LANGID>((sub << 10) | primary);
}
constexpr WORD PRIMARYLANGID(LANGID language) {
    return static_cast<WORD>(language & 0x3FF);
}
// Returns the language set.
LANGID SetThreadUILanguage(LANGID language);
LANGID GetThreadUILanguage();

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name);
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
// A string of the interface language, cut to the buffer.
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);
HACCEL LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name);
// Turns a key message that matches an entry of the table into WM_COMMAND for
// the given window (sent at once); returns 1 when it did.
int TranslateAcceleratorW(HWND window, HACCEL table, MSG* message);

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
const void* LockResource(HGLOBAL data);

// Accelerator table entries.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
    BYTE fVirt; // FVIRTKEY: key is a virtual key (WM_KEYDOWN/WM_SYSKEYDOWN); else a character
    WORD key;
    WORD cmd;
};
