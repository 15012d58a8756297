// SPDX-License-Identifier: MIT
// Hooks for tests: a clean platform, a fixed clock, and what the program
// asked the platform to do (repaints, message boxes).
#pragma once

#include <string>
#include <vector>

#include "platform/win_types.h"

namespace platform_testing {

struct Invalidation {
    HWND window;
    RECT rect; // the client rectangle when the whole window was invalidated
    bool wholeWindow;
    BOOL erase;
};

struct MessageBoxRecord {
    std::u16string text;
    std::u16string caption;
    UINT style;
    int result;
};

// Destroys every window, class, queued message, drawing object and queued
// answer; starts a fresh invalidation and message-box record; settings go to
// an in-memory store unless a file is given.
void resetPlatform();
void useSettingsFile(const std::string& path);

void setFixedClock(int hour, int minute, int second, int millisecond);

std::vector<Invalidation> takeInvalidations();

// Answers for the next message boxes, in order: IDOK, IDYES, IDNO, IDCANCEL.
// A box takes the first queued answer if it is one of its buttons, otherwise
// its default (OK, or No for a Yes/No box).
void queueMessageBoxAnswer(int result);
std::vector<MessageBoxRecord> takeMessageBoxes();

} // namespace platform_testing
