// The interface language as the resource tables number it.
#pragma once

namespace platform {

// resources::LANGUAGE_ENGLISH for English, resources::LANGUAGE_RUSSIAN else.
int resourceLanguage();

} // namespace platform
