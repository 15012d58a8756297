// SPDX-License-Identifier: MIT
// The headless script reader: any bytes are read line by line until the
// script ends or a line is malformed, without a crash, without a hang and
// without a message longer than the line limit allows. Shots go to a private
// folder (which holds a FIFO and a folder to be refused); the first byte may
// open a dialog first, so that `check`, `select` and `press` reach one.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "platform/backend.h"
#include "platform/dialog_api.h"
#include "platform/headless/script_backend.h"
#include "platform/messages.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace {

// The folder shots go to, made once, with a FIFO and a folder in it.
const std::string& shotFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "talonix-shots-XXXXXX");
        mkdtemp(pattern.data()); // without it, every shot fails to be written
        mkfifo((pattern + "/fifo").c_str(), 0600);
        std::filesystem::create_directory(pattern + "/folder");
        return pattern;
    }();
    return folder;
}

// Each `shot` line writes into the private folder: the file name keeps its
// letters but loses every slash. Only the first shot of a script is
// taken; the others become comments, since composing and compressing a
// picture costs more than all the other lines together, and the first shot
// already reaches every step of taking one.
std::string confineShots(const std::string& text) {
    std::istringstream lines(text);
    std::string out;
    int shots = 0;
    for (std::string line; std::getline(lines, line);) {
        const size_t start = line.find_first_not_of(" \t\n\v\f\r"); // as the reader splits
        const bool shot = start != std::string::npos && line.compare(start, 4, "shot") == 0;
        if (shot && ++shots > 1) {
            line = "# shot";
        } else if (shot) {
            std::string name =
                line.substr(std::min(line.size(), line.find_first_not_of(" \t", start + 4)));
            std::erase(name, '/');
            line = "shot " + shotFolder() + "/" + name;
        }
        out += line + "\n";
    }
    return out;
}

// A dialog with one control of each kind a script line addresses.
INT_PTR dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        for (LPCWSTR item : {u"one", u"two", u"three"}) {
            SendMessageW(GetDlgItem(dialog, 1002), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendMessageW(GetDlgItem(dialog, 1003), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        return 1;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == 1 || LOWORD(wParam) == 2)) {
        EndDialog(dialog, LOWORD(wParam));
        return 1;
    }
    return 0;
}

void openDialog() {
    static const DialogControlTemplate controls[] = {
        {DialogControlKind::CheckBox, 1001, u"Check", 4, 4, 80, 10, 0},
        {DialogControlKind::ListBox, 1002, u"", 4, 16, 80, 30, 0},
        {DialogControlKind::DropDownList, 1003, u"", 4, 50, 80, 40, 0},
        {DialogControlKind::DefaultPushButton, 1, u"OK", 4, 80, 30, 12, 0},
        {DialogControlKind::PushButton, 2, u"Close", 40, 80, 30, 12, 0},
    };
    static const DialogTemplate source{u"Dialog", u"System", 8, 100, 100, controls, 5};
    DialogBoxIndirectParamW(nullptr, &source, nullptr, dialogProcedure, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return -1;
    }
    platform_testing::resetPlatform();
    std::istringstream script(
        confineShots(std::string(reinterpret_cast<const char*>(data) + 1, size - 1)));
    std::ostringstream out;
    std::ostringstream err;
    platform::setBackend(std::make_unique<platform::ScriptBackend>(script, out, err));
    if (data[0] % 2 == 1) {
        openDialog();
    }
    for (int events = 0; events < 100000; ++events) {
        platform::InputEvent event = platform::backend().waitEvent();
        if (event.type == platform::InputEvent::Type::Quit) {
            break;
        }
    }
    platform::setBackend(nullptr);
    for (const auto& entry : std::filesystem::directory_iterator(shotFolder())) {
        if (entry.is_regular_file()) {
            std::filesystem::remove(entry.path());
        }
    }
    // One message at most, "script:LINE: " and a shortened line.
    if (err.str().size() > 300) {
        std::abort();
    }
    return 0;
}
