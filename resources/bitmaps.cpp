// SPDX-License-Identifier: MIT
// The pixel art, compiled in from the XPM files beside this one, so the
// program finds its images wherever it is started from.
#include <cstddef>

#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace resources {
namespace {

#include "resources/images/back_fish.xpm"
#include "resources/images/back_gradient.xpm"
#include "resources/images/back_mat.xpm"
#include "resources/images/back_ornament.xpm"
#include "resources/images/back_portrait.xpm"
#include "resources/images/button_ok.xpm"
#include "resources/images/button_sort.xpm"
#include "resources/images/button_sort_en.xpm"
#include "resources/images/button_take.xpm"
#include "resources/images/button_take_en.xpm"
#include "resources/images/club.xpm"
#include "resources/images/command_bar.xpm"
#include "resources/images/diamond.xpm"
#include "resources/images/heart.xpm"
#include "resources/images/icon.xpm"
#include "resources/images/ranks_black.xpm"
#include "resources/images/ranks_red.xpm"
#include "resources/images/spade.xpm"

template <std::size_t N> constexpr XpmImage xpm(const char* const (&lines)[N]) {
    return XpmImage{lines, static_cast<int>(N)};
}

struct NumberedImage {
    int id;
    XpmImage image;
};

constexpr NumberedImage bitmaps[] = {
    {IDB_DIAMOND, xpm(diamond_xpm)},
    {IDB_HEART, xpm(heart_xpm)},
    {IDB_SPADE, xpm(spade_xpm)},
    {IDB_CLUB, xpm(club_xpm)},
    {IDB_RANKS_RED, xpm(ranks_red_xpm)},
    {IDB_RANKS_BLACK, xpm(ranks_black_xpm)},
    {IDB_BACK_MAT, xpm(back_mat_xpm)},
    {IDB_BACK_FISH, xpm(back_fish_xpm)},
    {IDB_BACK_PORTRAIT, xpm(back_portrait_xpm)},
    {IDB_BACK_GRADIENT, xpm(back_gradient_xpm)},
    {IDB_BACK_ORNAMENT, xpm(back_ornament_xpm)},
    {IDB_BUTTON_SORT, xpm(button_sort_xpm)},
    {IDB_BUTTON_OK, xpm(button_ok_xpm)},
    {IDB_BUTTON_TAKE, xpm(button_take_xpm)},
    {IDB_COMMAND_BAR, xpm(command_bar_xpm)},
};

// The faces with words on them, drawn again for the English interface.
constexpr NumberedImage englishBitmaps[] = {
    {IDB_BUTTON_SORT, xpm(button_sort_en_xpm)},
    {IDB_BUTTON_TAKE, xpm(button_take_en_xpm)},
};

constexpr NumberedImage icons[] = {
    {IDI_APP, xpm(icon_xpm)},
};

template <std::size_t N> const XpmImage* lookUp(const NumberedImage (&table)[N], int id) {
    for (const NumberedImage& entry : table) {
        if (entry.id == id) {
            return &entry.image;
        }
    }
    return nullptr;
}

} // namespace

const XpmImage* findBitmap(int id, Language language) {
    if (languageIndex(language) < 0) {
        return nullptr;
    }
    if (language == Language::English) {
        if (const XpmImage* english = lookUp(englishBitmaps, id)) {
            return english;
        }
    }
    return lookUp(bitmaps, id);
}

const XpmImage* findIcon(int id) {
    return lookUp(icons, id);
}

} // namespace resources
