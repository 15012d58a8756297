// SPDX-License-Identifier: MIT
// The status line under the table.
#pragma once

#include "platform/win_types.h"

extern WCHAR statusBuffer[256];
extern LPCWSTR statusText; // null, or statusBuffer

// Formats the message (at most 254 characters) into statusBuffer, or empties
// the line when format is null; asks for the line to be repainted.
void SetStatus(LPCWSTR format, ...);

// The computer has passed the attack on to the human.
void AnnounceComputerTransfer();
