// SPDX-License-Identifier: MIT
// Dialog templates: any set of controls, sizes, styles and texts makes a
// dialog that opens, lays out, paints and closes, or is refused.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_api.h"
#include "platform/screen.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace {

// Reads the input a piece at a time; zeroes once it runs out.
class Bytes {
  public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    int number() { return static_cast<int16_t>(byte() | (byte() << 8)); }
    // A position or size in dialog units: mostly from a little off the
    // screen to a little past it, one time in eight up to about one and a
    // half screens (each window has pixels of its own, which are filled as
    // it is made: a window of several screens took most of a run's time).
    int extent() {
        const int value = byte();
        return value < 224 ? value - 32 : (value - 224) * 8;
    }
    std::u16string text() {
        std::u16string out;
        for (int length = byte() % 24; length > 0; --length) {
            uint8_t c = byte();
            out.push_back(c < 0x60 ? static_cast<char16_t>(c + 0x20)
                                   : static_cast<char16_t>(0x400 + c)); // Cyrillic too
        }
        return out;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// Input ends at once on the null backend, which closes the dialog after its
// first paint.
INT_PTR dialogProcedure(HWND /*dialog*/, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return message == WM_INITDIALOG ? 1 : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform_testing::resetPlatform();
    Bytes input(data, size);
    std::vector<std::u16string> texts;
    std::vector<DialogControlTemplate> controls;
    const std::u16string title = input.text();
    const int count = input.byte() % 12;
    texts.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        DialogControlTemplate control{};
        control.kind = static_cast<DialogControlKind>(input.byte() % 7);
        control.id = input.number();
        texts.push_back(input.text());
        control.text = texts.back().c_str();
        control.x = input.extent();
        control.y = input.extent();
        control.cx = input.extent();
        control.cy = input.extent();
        control.style = static_cast<DWORD>(input.number()) << (input.byte() % 17);
        controls.push_back(control);
    }
    DialogTemplate source{title.c_str(),
                          u"System",
                          8,
                          input.extent(),
                          input.extent(),
                          controls.data(),
                          static_cast<int>(controls.size())};
    DialogBoxIndirectParamW(nullptr, &source, nullptr, dialogProcedure, 0);
    return 0;
}
