// SPDX-License-Identifier: MIT
// The lines of a list box or of a drop-down list's list: their texts, the
// selected line and the first line shown; and how such a list is drawn.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/win_types.h"

namespace platform::dialogs {

struct ItemList {
    std::vector<std::u16string> items;
    int selected = -1; // -1: no line selected
    int top = 0;       // the first line shown

    int count() const { return static_cast<int>(items.size()); }
    bool contains(int index) const { return index >= 0 && index < count(); }
    // Appends a line and returns its index.
    int add(LPCWSTR text);
    // Selects a line of the list or, for -1, none. Returns whether the
    // selection changed; an index outside the list changes nothing.
    bool select(int index);
    // Scrolls as little as needed for the line to show in rows lines.
    void reveal(int index, int rows);
    // Scrolls by lines (down positive), keeping the list filled.
    void scroll(int lines, int rows);
    // The line moved to by an arrow key from the selection (or, with none, the
    // first line); -1 for an empty list.
    int stepped(int by) const;
};

// Draws rows lines of the list from its top line inside area, each
// itemHeight high; the highlighted line in the selection colours.
void paintItems(HDC dc, const ItemList& list, const RECT& area, int itemHeight, int highlighted,
                bool focused);

nlohmann::ordered_json itemTexts(const ItemList& list);

} // namespace platform::dialogs
