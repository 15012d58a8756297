// SPDX-License-Identifier: MIT
#include "game/variants.h"

#include "game/game_state.h"
#include "game/texts.h"
#include "resources/resource_ids.h"

namespace {

constexpr Variant variants[gameTypeCount] = {
    // name, hand size, transfers, diamonds trump, spades only by spades
    {IDS_VARIANT_FIRST + 0, 6, false, false, false},  // throw-in
    {IDS_VARIANT_FIRST + 1, 6, true, false, false},   // throw-in, transfers
    {IDS_VARIANT_FIRST + 2, 18, false, false, false}, // bulk
    {IDS_VARIANT_FIRST + 3, 18, true, false, false},  // bulk, transfers
    {IDS_VARIANT_FIRST + 4, 6, false, true, true},    // Japanese
    {IDS_VARIANT_FIRST + 5, 6, true, true, true},     // Japanese, transfers
};

constexpr Variant outsideTheTable = {0, 6, false, false, false};

} // namespace

const Variant& variantOf(int32_t type) {
    if (type < 0 || type >= gameTypeCount) {
        return outsideTheTable;
    }
    return variants[type];
}

const Variant& currentVariant() {
    return variantOf(gameType);
}

LPCWSTR gameTypeName(int32_t type) {
    const Variant& variant = variantOf(type);
    return variant.nameId == 0 ? nullptr : textOf(variant.nameId);
}

int32_t transferVariantFor(int32_t type) {
    return variantOf(type).transfers ? 1 : 0;
}

int32_t refillTarget() {
    return currentVariant().handSize;
}
