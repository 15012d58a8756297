// SPDX-License-Identifier: MIT
// The interface language as the resource tables number it.
#pragma once

#include "resources/language.h"

namespace platform {

// English when the thread's UI language is English, Russian else.
resources::Language resourceLanguage();

} // namespace platform
