// SPDX-License-Identifier: MIT
// A read-only multi-line edit: a framed text wrapped to its width, with a
// vertical scroll bar at its right edge. The text scrolls by whole lines:
// with the arrow boxes (one line), the track (a page), the thumb (dragged),
// the arrow and page keys, and the mouse wheel (three lines a notch).
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dialogs/control.h"
#include "platform/dialogs/control_messages.h"
#include "platform/dialogs/scroll_bar.h"
#include "platform/dialogs/text_layout.h"

namespace platform::dialogs {
namespace {

constexpr int scrollBarWidth = 13;
constexpr int linesPerNotch = 3;

// The rules run to many screens, and wrapping them measures every word
// again and again; a dialog opened again shows the same text in the same
// font and width, so the lines of the last few texts are kept.
const std::vector<std::u16string>& wrappedLines(const OwnedFont& font, const std::u16string& text,
                                                int width) {
    struct Wrapped {
        int lineHeight;
        int weight;
        int width;
        std::u16string text;
        std::vector<std::u16string> lines;
    };
    constexpr size_t keptTexts = 4;
    static std::vector<Wrapped> kept;
    for (const Wrapped& entry : kept) {
        if (entry.lineHeight == font.lineHeight() && entry.weight == font.weight() &&
            entry.width == width && entry.text == text) {
            return entry.lines;
        }
    }
    if (kept.size() == keptTexts) {
        kept.erase(kept.begin());
    }
    MeasuringDC measuring(font.get());
    kept.push_back(Wrapped{font.lineHeight(), font.weight(), width, text,
                           breakLines(measuring.get(), text, width, LongWords::Break)});
    return kept.back().lines;
}

class EditControl final : public Control {
  public:
    using Control::Control;

    bool takesFocus() const override { return width() > 0 && height() > 0; }

    void paint(HDC dc) override {
        RECT whole{0, 0, width(), height()};
        fillWithColour(dc, whole, colours::white);
        if ((style() & WS_BORDER) != 0) {
            outline(dc, whole, colours::black);
        }
        const auto& shown = lines();
        RECT area = textArea();
        int step = std::max(1, lineHeight());
        for (int line = first_; line < static_cast<int>(shown.size()); ++line) {
            int top = area.top + (line - first_) * step;
            if (top >= area.bottom) {
                break;
            }
            textLine(dc, shown[static_cast<size_t>(line)],
                     RECT{area.left, top, area.right, std::min<LONG>(area.bottom, top + step)},
                     colours::black);
        }
        if (hasScrollBar()) {
            paintScrollBar(dc);
        }
    }

    void penDown(POINT point) override {
        if (!hasScrollBar()) {
            return;
        }
        ScrollBarParts parts = scrollBar();
        pressedPart_ = hitScrollBar(parts, point);
        switch (pressedPart_) {
        case ScrollBarHit::UpArrow:
            scrollTo(first_ - 1);
            break;
        case ScrollBarHit::DownArrow:
            scrollTo(first_ + 1);
            break;
        case ScrollBarHit::PageUp:
            scrollTo(first_ - visibleLines());
            break;
        case ScrollBarHit::PageDown:
            scrollTo(first_ + visibleLines());
            break;
        case ScrollBarHit::Thumb:
            grabOffset_ = point.y - parts.thumb.top;
            break;
        case ScrollBarHit::None:
            break;
        }
        invalidate();
    }

    void penMove(POINT point) override {
        if (pressedPart_ == ScrollBarHit::Thumb) {
            scrollTo(firstLineForThumb(scrollBar(), point.y - grabOffset_));
        }
    }

    void penUp(POINT /*point*/) override {
        if (pressedPart_ != ScrollBarHit::None) {
            pressedPart_ = ScrollBarHit::None;
            invalidate();
        }
    }

    bool keyDown(WORD key) override {
        switch (key) {
        case VK_UP:
            scrollTo(first_ - 1);
            return true;
        case VK_DOWN:
            scrollTo(first_ + 1);
            return true;
        case VK_PRIOR:
            scrollTo(first_ - visibleLines());
            return true;
        case VK_NEXT:
            scrollTo(first_ + visibleLines());
            return true;
        case VK_HOME:
            scrollTo(0);
            return true;
        case VK_END:
            scrollTo(maxFirstLine(lineCount(), visibleLines()));
            return true;
        default:
            return false;
        }
    }

    bool wheel(int notchesAway) override {
        scrollTo(first_ - notchesAway * linesPerNotch);
        return true;
    }

    std::optional<LRESULT> message(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case EM_GETLINECOUNT:
            return lineCount();
        case EM_GETRECT:
            if (lParam != 0) {
                *reinterpret_cast<RECT*>(lParam) = textArea();
            }
            return 0;
        case EM_GETFIRSTVISIBLELINE:
            return first_;
        case EM_GETVISIBLELINECOUNT:
            return visibleLines();
        case EM_LINESCROLL:
            scrollTo(first_ + static_cast<int>(lParam));
            return TRUE;
        case EM_GETLINE:
            return copyLine(static_cast<int>(static_cast<intptr_t>(wParam)),
                            reinterpret_cast<LPWSTR>(lParam));
        default:
            return std::nullopt;
        }
    }

  protected:
    void textChanged() override {
        laidOut_ = false;
        first_ = 0;
        invalidate();
    }

  private:
    bool hasScrollBar() const { return (style() & WS_VSCROLL) != 0; }

    RECT textArea() const {
        int right = width() - 1 - 2;
        if (hasScrollBar()) {
            right -= scrollBarWidth;
        }
        return RECT{3, 1, std::max(3, right), std::max(1, height() - 1)};
    }

    RECT scrollBarRect() const {
        return RECT{width() - 1 - scrollBarWidth, 1, width() - 1, height() - 1};
    }

    int visibleLines() const {
        return std::max(1, rectHeight(textArea()) / std::max(1, lineHeight()));
    }

    const std::vector<std::u16string>& lines() {
        if (!laidOut_) {
            lines_ = wrappedLines(dialog().font, text(), rectWidth(textArea()));
            laidOut_ = true;
        }
        return lines_;
    }

    int lineCount() { return static_cast<int>(lines().size()); }

    ScrollBarParts scrollBar() {
        return layoutScrollBar(scrollBarRect(), lineCount(), visibleLines(), first_);
    }

    void scrollTo(int line) {
        int clamped = std::clamp(line, 0, maxFirstLine(lineCount(), visibleLines()));
        if (clamped != first_) {
            first_ = clamped;
            invalidate();
        }
    }

    LRESULT copyLine(int line, LPWSTR buffer) {
        if (buffer == nullptr || line < 0 || line >= lineCount()) {
            return 0;
        }
        WORD room = 0;
        std::memcpy(&room, buffer, sizeof room);
        const std::u16string& shown = lines_[static_cast<size_t>(line)];
        size_t count = std::min<size_t>(shown.size(), room);
        shown.copy(buffer, count);
        if (count < room) {
            buffer[count] = 0;
        }
        return static_cast<LRESULT>(count);
    }

    void paintScrollBar(HDC dc) {
        ScrollBarParts parts = scrollBar();
        fillWithColour(dc, parts.track, colours::track);
        outline(
            dc,
            RECT{parts.track.left, parts.track.top - 1, parts.track.right, parts.track.bottom + 1},
            colours::black);
        bool scrolls = parts.maxFirst > 0;
        COLORREF upInk = scrolls && first_ > 0 ? colours::black : colours::disabled;
        COLORREF downInk = scrolls && first_ < parts.maxFirst ? colours::black : colours::disabled;
        raisedBox(dc, parts.upArrow, pressedPart_ == ScrollBarHit::UpArrow);
        arrowMark(dc, insetRect(parts.upArrow, 2), true, upInk);
        raisedBox(dc, parts.downArrow, pressedPart_ == ScrollBarHit::DownArrow);
        arrowMark(dc, insetRect(parts.downArrow, 2), false, downInk);
        if (scrolls) {
            raisedBox(dc, parts.thumb, false);
        }
    }

    std::vector<std::u16string> lines_;
    bool laidOut_ = false;
    int first_ = 0;
    ScrollBarHit pressedPart_ = ScrollBarHit::None;
    int grabOffset_ = 0;
};

} // namespace

std::unique_ptr<Control> makeEdit(Dialog& dialog, const DialogControlTemplate& source,
                                  RECT bounds) {
    return std::make_unique<EditControl>(dialog, source, bounds);
}

} // namespace platform::dialogs
