// Placeholder until the dialog manager lands.
#include "platform/screen.h"

namespace platform {
bool modalDialogOpen() { return false; }
nlohmann::ordered_json describeOpenDialog() { return nullptr; }
} // namespace platform
