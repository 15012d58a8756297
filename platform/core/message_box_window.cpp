// Placeholder until the on-screen message box lands: answers at once.
#include "platform/core/message_box_screen.h"

namespace platform {

int runMessageBoxOnScreen(HWND /*owner*/, const MessageBoxInfo& box) {
    return takeMessageBoxAnswer(box.style);
}

} // namespace platform
