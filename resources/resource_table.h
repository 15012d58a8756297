// The compiled-in resources, looked up by number. The platform's resource
// calls (LoadBitmapW, LoadStringW, FindResourceW, ...) read these tables.
#pragma once

#include "platform/dialog_api.h"
#include "platform/resource_api.h"
#include "platform/win_types.h"

namespace resources {

struct XpmImage {
    const char* const* lines; // an XPM image: header, colours, pixel rows
    int lineCount;
};

// The languages of the interface. Texts, dialogs and the button faces with
// words on them exist in each; the numbers are those the settings keep.
constexpr int LANGUAGE_RUSSIAN = 0;
constexpr int LANGUAGE_ENGLISH = 1;
constexpr int languageCount = 2;

// Null when there is no such resource (or no such language).
const XpmImage* findBitmap(int id, int language = LANGUAGE_RUSSIAN);
const XpmImage* findIcon(int id);
LPCWSTR findString(int id, int language = LANGUAGE_RUSSIAN);
const DialogTemplate* findDialog(int id, int language = LANGUAGE_RUSSIAN);
// The id of a dialog template of either language, or -1 when it is not one
// of ours.
int dialogId(const DialogTemplate* dialogTemplate);
const ACCEL* findAccelerators(int id, int* count);

// The two rules texts, lines joined by "\r\n".
LPCWSTR russianRulesText();
LPCWSTR englishRulesText();

} // namespace resources
