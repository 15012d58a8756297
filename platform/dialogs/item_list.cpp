// SPDX-License-Identifier: MIT
#include "platform/dialogs/item_list.h"

#include <algorithm>

#include "platform/dialogs/paint_tools.h"
#include "platform/utf.h"

namespace platform::dialogs {

int ItemList::add(LPCWSTR text) {
    items.emplace_back(text != nullptr ? text : u"");
    return count() - 1;
}

bool ItemList::select(int index) {
    if (index != -1 && !contains(index)) {
        return false;
    }
    bool changed = selected != index;
    selected = index;
    return changed;
}

void ItemList::reveal(int index, int rows) {
    if (!contains(index) || rows <= 0) {
        return;
    }
    if (index < top) {
        top = index;
    } else if (index >= top + rows) {
        top = index - rows + 1;
    }
}

void ItemList::scroll(int lines, int rows) {
    int lowest = std::max(0, count() - std::max(rows, 1));
    top = std::clamp(top + lines, 0, lowest);
}

int ItemList::stepped(int by) const {
    if (items.empty()) {
        return -1;
    }
    if (selected < 0) {
        return 0;
    }
    return std::clamp(selected + by, 0, count() - 1);
}

void paintItems(HDC dc, const ItemList& list, const RECT& area, int itemHeight, int highlighted,
                bool focused) {
    if (itemHeight <= 0) {
        return;
    }
    for (int line = list.top; line < list.count(); ++line) {
        int rowTop = area.top + (line - list.top) * itemHeight;
        if (rowTop >= area.bottom) {
            break;
        }
        RECT row{area.left, rowTop, area.right, std::min(area.bottom, rowTop + itemHeight)};
        bool lit = line == highlighted;
        if (lit) {
            fillWithColour(dc, row, colours::selection);
        }
        textLine(dc, list.items[static_cast<size_t>(line)],
                 RECT{row.left + 2, row.top, row.right, row.bottom},
                 lit ? colours::white : colours::black);
    }
    if (focused) {
        // The focus sits on the highlighted line, or on the first line shown.
        int line = list.contains(highlighted) ? highlighted : list.top;
        int rowTop = area.top + (line - list.top) * itemHeight;
        if (rowTop >= area.top && rowTop < area.bottom) {
            focusMarks(dc, RECT{area.left, rowTop, area.right,
                                std::min(area.bottom, rowTop + itemHeight)});
        }
    }
}

nlohmann::ordered_json itemTexts(const ItemList& list) {
    nlohmann::ordered_json texts = nlohmann::ordered_json::array();
    for (const auto& item : list.items) {
        texts.push_back(utf8FromUtf16(item));
    }
    return texts;
}

} // namespace platform::dialogs
