// SPDX-License-Identifier: MIT
// The compiled-in resources, looked up by number. The platform's resource
// calls (LoadBitmapW, LoadStringW, FindResourceW, ...) read these tables.
#pragma once

#include "platform/dialog_api.h"
#include "platform/resource_api.h"
#include "platform/win_types.h"
#include "resources/language.h"

namespace resources {

struct XpmImage {
    const char* const* lines; // an XPM image: header, colours, pixel rows
    int lineCount;
};

// Null when there is no such resource (or no such language).
const XpmImage* findBitmap(int id, Language language = Language::Russian);
const XpmImage* findIcon(int id);
LPCWSTR findString(int id, Language language = Language::Russian);
const DialogTemplate* findDialog(int id, Language language = Language::Russian);
// The id of a dialog template of either language, or -1 when it is not one
// of ours.
int dialogId(const DialogTemplate* dialogTemplate);
const ACCEL* findAccelerators(int id, int* count);

// The two rules texts, lines joined by "\r\n".
LPCWSTR russianRulesText();
LPCWSTR englishRulesText();

} // namespace resources
