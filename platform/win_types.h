// SPDX-License-Identifier: MIT
// Basic types, handles and constants of the handheld's window system, as the
// program above this folder sees them. Handles are opaque: the platform looks
// each one up in its own tables, so a stale or foreign handle is refused
// rather than followed.
#pragma once

#include <cstdint>

using BOOL = int32_t;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using ATOM = uint16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using COLORREF = uint32_t; // 0x00BBGGRR
using WCHAR = char16_t;
using LANGID = WORD;
using LPWSTR = char16_t*;
using LPCWSTR = const char16_t*;

#define TALONIX_DECLARE_HANDLE(name)                                                               \
    struct name##__;                                                                               \
    using name = name##__*

TALONIX_DECLARE_HANDLE(HWND);
TALONIX_DECLARE_HANDLE(HINSTANCE);
TALONIX_DECLARE_HANDLE(HDC);
TALONIX_DECLARE_HANDLE(HGDIOBJ);
TALONIX_DECLARE_HANDLE(HICON);
TALONIX_DECLARE_HANDLE(HCURSOR);
TALONIX_DECLARE_HANDLE(HMENU);
TALONIX_DECLARE_HANDLE(HACCEL);
TALONIX_DECLARE_HANDLE(HKEY);
TALONIX_DECLARE_HANDLE(HRSRC);
TALONIX_DECLARE_HANDLE(HGLOBAL);
#undef TALONIX_DECLARE_HANDLE

// Drawing objects share one handle space, as they do on the device.
using HBITMAP = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HMODULE = HINSTANCE;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

inline constexpr WORD LOWORD(uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
inline constexpr WORD HIWORD(uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
inline constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
inline constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
inline constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
inline constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
inline constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Resource names are either strings or small integers smuggled in a pointer.
inline LPCWSTR MAKEINTRESOURCEW(int id) {
    return reinterpret_cast<LPCWSTR>(static_cast<uintptr_t>(static_cast<WORD>(id)));
}
inline bool IS_INTRESOURCE(LPCWSTR name) {
    return (reinterpret_cast<uintptr_t>(name) >> 16) == 0;
}
