// SPDX-License-Identifier: MIT
#include "game/status_line.h"

#include <cstdarg>

#include "game/table_view.h"
#include "game/texts.h"
#include "platform/text_format.h"
#include "resources/resource_ids.h"

WCHAR statusBuffer[256] = {};
LPCWSTR statusText = nullptr;

void SetStatus(LPCWSTR format, ...) {
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        // A text cut at 254 characters carries no terminator of its own; the
        // two spare places of the buffer keep it terminated.
        statusBuffer[254] = 0;
        vsnwprintfW(statusBuffer, 254, format, args);
        va_end(args);
        statusText = statusBuffer;
    } else if (statusText == nullptr) {
        // Every tap clears the line; one already clear is left unpainted.
        return;
    } else {
        statusText = nullptr;
    }
    repaintStatusLine();
}

void AnnounceComputerTransfer() {
    SetStatus(textOf(IDS_STATUS_TRANSFERRED));
}
