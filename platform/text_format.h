// SPDX-License-Identifier: MIT
// Wide-character text helpers with the handheld runtime's rules.
//
// Formats understand %d (signed decimal), %u, %s (a wide string), %c and %%,
// with optional width and '-' / '0' flags.
#pragma once

#include <cstdarg>
#include <cstddef>

#include "platform/win_types.h"

// Writes at most 1024 characters plus the terminator; returns the number
// written without the terminator.
int wsprintfW(LPWSTR buffer, LPCWSTR format, ...);
// Writes at most count characters. When the whole text fits with room to
// spare a terminator follows; otherwise the text is cut at count characters,
// no terminator is written and the result is -1.
int vsnwprintfW(LPWSTR buffer, size_t count, LPCWSTR format, va_list args);

// First occurrence of needle in haystack, or null.
LPCWSTR wcsstrW(LPCWSTR haystack, LPCWSTR needle);
