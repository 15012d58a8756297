// SPDX-License-Identifier: MIT
// The browser build's backend: the screen goes into the page's canvas, and
// the page's pointer and keyboard events come back as the pen and the keys.
// The page (page.js) queues the events; waitEvent suspends the whole program
// (Asyncify) on a promise that the next event resolves, so modal loops and
// synchronous requests keep their shape and nothing runs while the page waits.
#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <optional>

#include "platform/headless/state_reporter.h"
#include "platform/registry/registry_store.h"
#include "platform/resources/ui_language.h"
#include "platform/screen.h"
#include "platform/sdl/pen_tracker.h"
#include "platform/utf.h"
#include "platform/window_backend.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

// What the page hands over for one event (page.js fills these in order).
enum PageEventType : int32_t {
    PAGE_PEN_DOWN = 1,
    PAGE_PEN_UP = 2,
    PAGE_PEN_MOVE = 3,
    PAGE_PEN_LEAVE = 4,
    PAGE_KEY = 5,
    PAGE_CHARACTER = 6,
    PAGE_WHEEL = 7,
};

struct PageEvent {
    int32_t type = 0;
    int32_t x = 0; // screen pixels, already unscaled by the page
    int32_t y = 0;
    int32_t key = 0;     // virtual key, character, or wheel lines
    int32_t alt = 0;     // Alt held
    uint32_t time = 0;   // milliseconds, for double taps
    int32_t control = 0; // Control held
};

// The command bar's tooltips, in the order of its buttons: the names of the
// page's keyboard row over the bar.
constexpr int commandBarTips[] = {
    IDS_TIP_NEW_GAME,      IDS_TIP_OPTIONS,       IDS_TIP_STATISTICS, IDS_TIP_ABOUT,
    IDS_TIP_RULES_RUSSIAN, IDS_TIP_RULES_ENGLISH, IDS_TIP_EXIT,
};

} // namespace

// clang-format off
EM_ASYNC_JS(void, talonix_wait_page_event, (PageEvent* event), {
    await Module.talonixPage.nextEvent(event);
});

EM_ASYNC_JS(int, talonix_pause_page, (int ms), {
    return await Module.talonixPage.pause(ms);
});

EM_JS(void, talonix_show_screen, (const uint32_t* pixels, int width, int height), {
    Module.talonixPage.show(pixels, width, height);
});

EM_JS(void, talonix_set_title, (const char* title), {
    document.title = UTF8ToString(title);
});

EM_JS(void, talonix_set_language, (const char* code, const char* commandNames), {
    Module.talonixPage.view.setLanguage(UTF8ToString(code), UTF8ToString(commandNames).split('\n'));
});

EM_JS(void, talonix_set_backdrop, (int red, int green, int blue), {
    Module.talonixPage.view.setBackdrop('rgb(' + red + ',' + green + ',' + blue + ')');
});

EM_JS(void, talonix_message_box_closed, (const char* text, int result), {
    Module.talonixPage.messageBoxClosed(UTF8ToString(text), result);
});

EM_JS(char*, talonix_load_settings, (), {
    return Module.talonixPage.loadSettings();
});

EM_JS(int, talonix_save_settings, (const char* text), {
    return Module.talonixPage.saveSettings(UTF8ToString(text)) ? 1 : 0;
});
// clang-format on

namespace platform {
namespace {

class WebBackend final : public Backend {
  public:
    WebBackend() : pen_(1, SCREEN_WIDTH, SCREEN_HEIGHT) {}

    InputEvent waitEvent() override {
        while (pending_.empty()) {
            PageEvent event;
            talonix_wait_page_event(&event);
            translate(event);
        }
        InputEvent next = pending_.front();
        pending_.pop_front();
        return next;
    }

    // A step of the computer's answer stays on the canvas until the time is
    // up or a press or a key comes; the page runs meanwhile.
    bool waitForInput(uint32_t ms) override {
        const double end = emscripten_get_now() + ms;
        for (;;) {
            if (std::any_of(pending_.begin(), pending_.end(), endsSteps)) {
                return true;
            }
            const double left = end - emscripten_get_now();
            if (left <= 0) {
                return false;
            }
            if (talonix_pause_page(static_cast<int>(left) + 1) > 0) {
                PageEvent event;
                talonix_wait_page_event(&event); // one is queued: no wait
                translate(event);
            }
        }
    }

    void present(const Surface& screen) override {
        showLanguage();
        talonix_show_screen(screen.pixels.data(), screen.width, screen.height);
    }

    // The tab shows the window's title as the desktop's title bar does.
    void setTitle(const std::u16string& title) override {
        std::string shown = title.empty() ? "Talonix" : utf8FromUtf16(title) + " \u2014 Talonix";
        talonix_set_title(shown.c_str());
    }

    // The page around the canvas takes the table's colour.
    void setBackdrop(uint32_t pixel) override {
        talonix_set_backdrop(static_cast<int>((pixel >> 16) & 0xFF),
                             static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF));
    }

    void messageBoxClosed(const MessageBoxInfo& box, int result) override {
        talonix_message_box_closed(utf8FromUtf16(box.text).c_str(), result);
    }

  private:
    // The page's language and the names of its command row follow the
    // interface language, once it is chosen and whenever it changes.
    void showLanguage() {
        const resources::Language language = resourceLanguage();
        if (shownLanguage_ == language) {
            return;
        }
        shownLanguage_ = language;
        std::string names;
        for (int tip : commandBarTips) {
            if (tip != commandBarTips[0]) {
                names += '\n';
            }
            names += utf8FromUtf16(resources::findString(tip, language));
        }
        talonix_set_language(language == resources::Language::English ? "en" : "ru", names.c_str());
    }

    void translate(const PageEvent& event) {
        switch (event.type) {
        case PAGE_PEN_DOWN:
            if (auto press = pen_.press(event.x, event.y, event.time)) {
                pending_.push_back(*press);
            }
            break;
        case PAGE_PEN_UP:
            if (pen_.penDown()) {
                pending_.push_back(pen_.release(event.x, event.y));
            }
            break;
        case PAGE_PEN_MOVE:
            if (auto move = pen_.move(event.x, event.y)) {
                pending_.push_back(*move);
            }
            break;
        case PAGE_PEN_LEAVE:
            if (auto away = pen_.leave()) {
                pending_.push_back(*away);
            }
            break;
        case PAGE_WHEEL:
            pending_.push_back(pen_.wheel(event.x, event.y, event.key));
            break;
        case PAGE_KEY:
        case PAGE_CHARACTER: {
            InputEvent key;
            key.type = event.type == PAGE_KEY ? InputEvent::Type::Key : InputEvent::Type::Char;
            key.key = static_cast<uint32_t>(event.key);
            key.alt = event.alt != 0;
            key.control = event.control != 0;
            pending_.push_back(key);
            break;
        }
        default:
            break;
        }
    }

    sdl::PenTracker pen_;
    std::deque<InputEvent> pending_;
    std::optional<resources::Language> shownLanguage_;
};

std::string loadStoredSettings() {
    char* text = talonix_load_settings();
    if (text == nullptr) {
        return {};
    }
    std::string copy(text);
    free(text);
    return copy;
}

bool saveStoredSettings(const std::string& text) {
    return talonix_save_settings(text.c_str()) != 0;
}

} // namespace

std::unique_ptr<Backend> createWindowBackend(int /*scale*/, std::string& /*error*/) {
    // The page has no files: the settings live in its local storage, as the
    // same text the settings file holds.
    useSettingsStorage(loadStoredSettings, saveStoredSettings);
    return std::make_unique<WebBackend>();
}

} // namespace platform

// The state line for the test page's hook. The text stays valid until the
// next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* talonix_state_line() {
    static std::string line;
    line = platform::stateLine();
    return line.c_str();
}
