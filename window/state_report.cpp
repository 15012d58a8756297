#include "window/state_report.h"

#include "cards/table.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/window_api.h"
#include "settings/dialogs.h"
#include "settings/settings_store.h"
#include "window/main_window.h"

namespace {

void appendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string windowTitle() {
    WCHAR title[256] = {};
    GetWindowTextW(mainWindow, title, 256);
    title[255] = 0;
    return toUtf8(title);
}

nlohmann::ordered_json statusLine() {
    if (statusText == nullptr) {
        return nullptr;
    }
    return toUtf8(statusText);
}

} // namespace

std::string toUtf8(LPCWSTR text) {
    std::string out;
    if (text == nullptr) {
        return out;
    }
    for (size_t i = 0; text[i] != 0; ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && isLowSurrogate(text[i + 1])) {
            const uint32_t high = unit - 0xD800u;
            const uint32_t low = text[i + 1] - 0xDC00u;
            appendUtf8(out, 0x10000u + (high << 10) + low);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

nlohmann::ordered_json describeCard(const Card& card) {
    nlohmann::ordered_json json;
    json["suit"] = card.suit;
    json["rank"] = card.rank;
    json["x"] = card.x;
    json["y"] = card.y;
    json["selected"] = card.selected;
    json["faceDown"] = card.faceDown;
    json["hidden"] = card.hidden;
    json["isTrump"] = card.isTrump;
    json["backStyle"] = card.backStyle;
    return json;
}

nlohmann::ordered_json describeRow(const CardRow& row) {
    nlohmann::ordered_json json;
    json["sortMode"] = row.sortMode;
    json["layoutMode"] = row.layoutMode;
    json["perLine"] = row.perLine;
    nlohmann::ordered_json cards = nlohmann::ordered_json::array();
    for (const Card& card : row.cards) {
        cards.push_back(describeCard(card));
    }
    json["cards"] = std::move(cards);
    return json;
}

nlohmann::ordered_json reportState() {
    nlohmann::ordered_json json;
    json["event"] = "state";
    json["title"] = windowTitle();
    json["gameType"] = gameType;
    json["transferVariant"] = transferVariant;
    json["computerAttacks"] = computerAttacks;
    json["transferOpen"] = transferOpen;
    json["computerLed"] = computerLed;
    json["lastWinner"] = lastWinner;
    json["computerHandAtLead"] = computerHandAtLead;
    json["humanHandAtLead"] = humanHandAtLead;
    json["throwInAllowance"] = throwInAllowance;
    json["remaining"] = remaining(deck);
    json["buttonPressed"] = buttonPressed;
    json["status"] = statusLine();
    json["computerWins"] = computerWins;
    json["humanWins"] = humanWins;
    json["cardBackIndex"] = cardBackIndex;
    json["tableColourIndex"] = tableColourIndex;
    json["doubleTapPlays"] = doubleTapPlays;
    json["showTalonCount"] = showTalonCount;
    json["computerHandStyle"] = computerHandStyle;
    json["rulesLanguage"] = rulesLanguage;
    json["computerHandFaceDown"] = computerHandFaceDown;
    json["trumpCard"] = describeCard(trumpCard);
    json["talonCard"] = describeCard(talonCard);
    json["computerHand"] = describeRow(computerHand);
    json["computerTableRow"] = describeRow(computerTableRow);
    json["humanTableRow"] = describeRow(humanTableRow);
    json["humanHand"] = describeRow(humanHand);
    return json;
}
