// SPDX-License-Identifier: MIT
// The open dialog as the script's state line shows it: the template id and,
// in template order, each control's id and text, with a check box's
// "checked" and a list's "selected" and "items".
#include "platform/dialogs/control.h"
#include "platform/screen.h"
#include "platform/utf.h"

namespace platform {

nlohmann::ordered_json describeOpenDialog() {
    dialogs::Dialog* dialog = dialogs::innermostDialog();
    if (dialog == nullptr) {
        return nullptr;
    }
    nlohmann::ordered_json controls = nlohmann::ordered_json::array();
    for (const auto& control : dialog->controls) {
        nlohmann::ordered_json entry;
        entry["id"] = control->id();
        entry["text"] = utf8FromUtf16(control->text());
        control->describe(entry);
        controls.push_back(std::move(entry));
    }
    nlohmann::ordered_json description;
    description["template"] = dialog->templateId;
    description["controls"] = std::move(controls);
    return description;
}

} // namespace platform
