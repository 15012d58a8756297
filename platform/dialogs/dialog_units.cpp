// SPDX-License-Identifier: MIT
#include "platform/dialogs/dialog_units.h"

#include "platform/dialogs/paint_tools.h"
#include "platform/gdi_api.h"

namespace platform::dialogs {
namespace {

int roundedShare(int units, int base, int divisor) {
    long long scaled = static_cast<long long>(units) * base;
    long long half = divisor / 2;
    long long rounded = scaled >= 0 ? (scaled + half) / divisor : -((-scaled + half) / divisor);
    return static_cast<int>(rounded);
}

} // namespace

int DialogUnits::x(int units) const {
    return roundedShare(units, baseX, 4);
}
int DialogUnits::y(int units) const {
    return roundedShare(units, baseY, 8);
}

int dialogFontLineHeight(int pointSize) {
    if (pointSize <= 0) {
        pointSize = 8;
    }
    if (pointSize > 72) {
        pointSize = 72;
    }
    return (pointSize * 13 + 4) / 8;
}

DialogUnits measureDialogUnits(HFONT font, int lineHeight) {
    DialogUnits units;
    units.baseY = lineHeight > 0 ? lineHeight : 13;
    // Close to the handheld's proportions when the font cannot be measured.
    units.baseX = (units.baseY * 6 + 6) / 13;

    static constexpr char16_t letters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    MeasuringDC measuring(font);
    int width = textWidth(measuring.get(), letters);
    if (width > 0) {
        units.baseX = (width / 26 + 1) / 2;
    }
    if (units.baseX < 1) {
        units.baseX = 1;
    }
    return units;
}

} // namespace platform::dialogs
