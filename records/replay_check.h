// SPDX-License-Identifier: MIT
// --replay FILE --check: every game of the record file played again on the
// table, the human's moves made as he made them, the computer's answers
// compared with the record's.
#pragma once

#include "platform/win_types.h"

// 0 when every game replays; else 2, after writing FILE:LINE: what is
// wrong for the first move that does not, on standard error.
int RunReplayCheck(HWND window);
