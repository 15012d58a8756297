// SPDX-License-Identifier: MIT
#include "window/state_report.h"

#include "cards/table.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/utf.h"
#include "platform/window_api.h"
#include "settings/dialogs.h"
#include "settings/settings_store.h"
#include "window/main_window.h"

namespace {

std::string windowTitle() {
    WCHAR title[256] = {};
    GetWindowTextW(mainWindow, title, 256);
    title[255] = 0;
    return utf8FromUtf16(title);
}

nlohmann::ordered_json statusLine() {
    if (statusText == nullptr) {
        return nullptr;
    }
    return utf8FromUtf16(statusText);
}

} // namespace

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
