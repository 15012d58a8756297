// SPDX-License-Identifier: MIT
// Positions for tests of the game flow and the main window: a real main
// window on the null backend, rows built from two-character card names
// ("7C AH TD"), a chosen trump and a talon of a chosen size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cards/random_source.h"
#include "cards/table.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/messages.h"
#include "platform/testing.h"
#include "platform/utf.h"
#include "platform/window_api.h"
#include "settings/dialogs.h"
#include "settings/settings_store.h"
#include "support/card_notation.h"
#include "support/position_notation.h"
#include "window/keyboard_play.h"
#include "window/main_window.h"

namespace table_test {

using namespace notation;

inline LPARAM point(int32_t x, int32_t y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// The centre of a card of the human's hand, where a tap selects it.
inline LPARAM pointOnHandCard(const std::string& name) {
    const CardName wanted = parseCard(name);
    for (const Card& card : humanHand.cards) {
        if (isNamed(card, wanted)) {
            return point(card.x + 2, card.y + 2);
        }
    }
    ADD_FAILURE() << name << " is not in the human's hand";
    return point(0, 0);
}

inline std::string statusUtf8() {
    return statusText == nullptr ? std::string("(none)") : utf8FromUtf16(statusText);
}

inline std::vector<std::string> messageTexts() {
    std::vector<std::string> texts;
    for (const auto& box : platform_testing::takeMessageBoxes()) {
        texts.push_back(utf8FromUtf16(box.text));
    }
    return texts;
}

// The cards in the four rows, the turned-up trump and the talon (whole runs
// check that no card lies twice).
inline int32_t cardsInPlay() {
    int32_t count = remaining(deck) + (trumpCard.hidden == 0 ? 1 : 0);
    for (const CardRow* row : {&computerHand, &computerTableRow, &humanTableRow, &humanHand}) {
        count += cardCount(*row);
    }
    return count;
}

} // namespace table_test

// A main window made as the program makes it, its first deal replaced by a
// position of the test's choosing.
class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        platform_testing::setFixedClock(10, 20, 30, 400);
        resetRandomState();
        resetGameState();
        resetSettingValues();
        statusText = nullptr;
        buttonPressed = 0;
        computerHandFaceDown = 1;
        focusMarkShown = 0; // a fresh run has not seen a table key yet
        rulesLanguage = 0;
        commandBar = nullptr;
        mainWindow = nullptr;
        emptyRows();
        RegisterMainClass(nullptr, u"TalonixTable");
        window =
            CreateWindowExW(0, u"TalonixTable", u"Дурак", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        platform_testing::takeInvalidations();
        platform_testing::takeMessageBoxes();
    }

    void TearDown() override {
        emptyRows();
        platform_testing::resetPlatform();
    }

    static void emptyRows() {
        for (CardRow* row : {&computerHand, &computerTableRow, &humanTableRow, &humanHand}) {
            clear(*row);
        }
    }

    // Replaces the table with the position, the talon holding `talon` of the
    // cards that lie nowhere else; the game state flags are left to the test.
    // The trump is diamonds in the Japanese variants, whatever is written.
    void setUpPosition(const table_test::Position& position) {
        using namespace table_test;
        gameType = position.type;
        transferVariant = transferVariantFor(position.type);
        emptyRows();
        const CardName trump =
            currentVariant().diamondsTrump ? CardName{SUIT_DIAMONDS, 2} : parseCard(position.trump);
        trumpCard.suit = trump.suit;
        trumpCard.rank = trump.rank;
        trumpCard.hidden = currentVariant().diamondsTrump || position.trumpDealt ? 1 : 0;
        const std::string cards[] = {position.computerHand, position.computerTable,
                                     position.humanTable, position.humanHand};
        std::string inPlay = trumpCard.hidden == 0 ? nameOf(trumpCard) : "";
        int32_t index = 0;
        for (CardRow* row : {&computerHand, &computerTableRow, &humanTableRow, &humanHand}) {
            row->sortMode = row == &computerHand || row == &humanHand ? SORT_BY_RANK : SORT_NONE;
            setTrumpSuit(*row, trumpCard.suit);
            fill(*row, cards[index]);
            inPlay += " " + cards[index++];
        }
        restock(deck);
        int32_t kept = 0;
        for (int32_t i = 0; i < deck.capacity; ++i) {
            const DeckSlot& slot = deck.slots[i];
            const bool taken = inPlay.find(cardName(slot.suit, slot.rank)) != std::string::npos;
            deck.slots[i].present = taken || kept == position.talon ? 0 : 1;
            kept += deck.slots[i].present;
        }
        deck.remaining = kept;
        EXPECT_EQ(kept, position.talon) << "not enough cards left for the talon";
        talonCard.hidden = remaining(deck) == 0 ? 1 : 0;
        statusText = nullptr;
        throwInAllowance = -1;
        platform_testing::takeInvalidations();
        platform_testing::takeMessageBoxes();
    }

    static LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageW(mainWindow, message, wParam, lParam);
    }
    static void tap(LPARAM at) {
        send(WM_LBUTTONDOWN, 0, at);
        send(WM_LBUTTONUP, 0, at);
    }

    HWND window = nullptr;
};
