// SPDX-License-Identifier: MIT
// Numbers of the program's resources.
#pragma once

// Strings (resources/strings.cpp holds each in every language).
constexpr int IDS_TITLE = 1;      // the window's first title
constexpr int IDS_CLASS_NAME = 3; // the main window's class

// The status line.
constexpr int IDS_STATUS_TRANSFERRED = 200;  // the computer transferred
constexpr int IDS_STATUS_OK_YOUR_TURN = 201; // the computer has nothing to throw in
constexpr int IDS_STATUS_YOUR_TURN = 202;    // the human leads
constexpr int IDS_STATUS_TOOK_EXTRA = 203;   // %d cards taken, %d of them thrown in after
constexpr int IDS_STATUS_TOOK = 204;         // %d cards taken
constexpr int IDS_STATUS_SIX_CARDS = 205;    // the human's attack ends at six cards
constexpr int IDS_STATUS_NO_CARDS = 206;     // the human's attack ends: no cards to cover
constexpr int IDS_STATUS_SELECT_COUNT = 207; // %d cards to pick for a transfer cover
constexpr int IDS_STATUS_WRONG_CARDS = 208;  // the picked cards do not cover
constexpr int IDS_STATUS_SELECT_CARDS = 209; // play with nothing selected
constexpr int IDS_HINT_LEAD = 210;           // the hint: %s the cards to lead
constexpr int IDS_HINT_THROW_IN = 211;       // %s the card to throw in or add
constexpr int IDS_HINT_COVER = 212;          // %s the cards that cover
constexpr int IDS_HINT_TRANSFER = 213;       // %s the cards that transfer
constexpr int IDS_HINT_TAKE = 214;           // press the button: take
constexpr int IDS_HINT_DONE = 215;           // press the button: the bout is over
constexpr int IDS_HINT_CARD_NAMES = 216;     // the ranks 6..ace, then the suits

// "Why?": the computer's last move explained.
constexpr int IDS_WHY_BEGINNER = 231; // %s what it did
constexpr int IDS_WHY_EXPERT = 232;   // %s its move, %d %% won; %s the next best, %d %%
constexpr int IDS_WHY_ONLY = 233;     // %s its only move
constexpr int IDS_MOVE_LEAD = 234;    // the moves, %s the cards
constexpr int IDS_MOVE_THROW_IN = 235;
constexpr int IDS_MOVE_COVER = 236;
constexpr int IDS_MOVE_TRANSFER = 237;
constexpr int IDS_MOVE_TAKE = 238;
constexpr int IDS_MOVE_DONE = 239;

// Message boxes.
constexpr int IDS_ASK_TRANSFER = 220;       // a trump transfer?
constexpr int IDS_COMPUTER_WON = 221;       // the computer won the game
constexpr int IDS_HUMAN_WON = 222;          // the human won the game
constexpr int IDS_ERROR_NO_ANSWER = 223;    // the computer made no move
constexpr int IDS_ERROR_TABLE_IN_USE = 224; // the computer leads onto a full table
constexpr int IDS_ABOUT_FORMAT = 225;       // %s name, %d.%d version
constexpr int IDS_ABOUT_CAPTION = 226;

// Command-bar tooltips, in the order of the bar's buttons.
constexpr int IDS_TIP_NEW_GAME = 240;
constexpr int IDS_TIP_OPTIONS = 241;
constexpr int IDS_TIP_STATISTICS = 242;
constexpr int IDS_TIP_ABOUT = 243;
constexpr int IDS_TIP_RULES_RUSSIAN = 244;
constexpr int IDS_TIP_RULES_ENGLISH = 245;
constexpr int IDS_TIP_EXIT = 246;

// Names of the variants (IDS_VARIANT_FIRST + game type), the card backs and
// the table colours (first + index).
constexpr int IDS_VARIANT_FIRST = 260;
constexpr int IDS_CARD_BACK_FIRST = 270;
constexpr int IDS_TABLE_COLOUR_FIRST = 280;

// The dialogs' titles and control texts.
constexpr int IDS_OPTIONS_TITLE = 300;
constexpr int IDS_OPTIONS_SHOW_TALON_COUNT = 301;
constexpr int IDS_OPTIONS_DOUBLE_TAP = 302;
constexpr int IDS_OPTIONS_GAME_TYPE = 303;
constexpr int IDS_OPTIONS_HIDE_HAND_SIZE = 304;
constexpr int IDS_OPTIONS_BACK_AND_TABLE = 305;
constexpr int IDS_OPTIONS_OK = 306;
constexpr int IDS_STATISTICS_TITLE = 310;
constexpr int IDS_STATISTICS_CLEAR = 311;
constexpr int IDS_STATISTICS_SIDES = 312;
constexpr int IDS_STATISTICS_COLONS = 313;
constexpr int IDS_RULES_TITLE = 320;

// The tap-and-hold menu and the Deal number dialog.
constexpr int IDS_MENU_UNDO = 340;
constexpr int IDS_MENU_REDO = 341;
constexpr int IDS_MENU_RESTART = 342;
constexpr int IDS_MENU_DEAL_NUMBER = 343;
constexpr int IDS_DEAL_TITLE = 344;
constexpr int IDS_DEAL_PROMPT = 345;
constexpr int IDS_DEAL_REFUSED = 346;
constexpr int IDS_MENU_REPLAY_LAST = 347;
constexpr int IDS_REPLAY_REFUSED = 348; // the game does not replay: where and why

// The last bout at a glance, and the pace of the computer's moves.
constexpr int IDS_MENU_LAST_BOUT = 350;
constexpr int IDS_MENU_PACE_INSTANT = 351;
constexpr int IDS_MENU_PACE_NORMAL = 352;
constexpr int IDS_MENU_PACE_SLOW = 353;
constexpr int IDS_BOUT_COMPUTER_ATTACKED = 354;
constexpr int IDS_BOUT_HUMAN_ATTACKED = 355;
constexpr int IDS_BOUT_THROWN_TO_TAKER = 356; // %s: the cards
constexpr int IDS_BOUT_HUMAN_TOOK = 357;      // %s: the cards
constexpr int IDS_BOUT_COMPUTER_TOOK = 358;   // %s: the cards
constexpr int IDS_BOUT_DISCARDED = 359;
constexpr int IDS_BOUT_TRANSFERRED = 40170; // %s: the cards

// The opponents' items of the tap-and-hold menu, and "Why?" for the
// handheld's rules.
constexpr int IDS_MENU_HANDHELD = 360;
constexpr int IDS_MENU_BEGINNER = 361;
constexpr int IDS_MENU_EXPERT = 362;
constexpr int IDS_MENU_HINT = 363;
constexpr int IDS_MENU_WHY = 364;
constexpr int IDS_WHY_HANDHELD_MOVE = 365; // %s what it did and the rule that chose it
constexpr int IDS_WHY_NOTHING_YET = 366;   // the computer has not moved in this game

// The message box's buttons, read by the platform.
constexpr int IDS_BUTTON_OK = 900;
constexpr int IDS_BUTTON_CANCEL = 901;
constexpr int IDS_BUTTON_YES = 902;
constexpr int IDS_BUTTON_NO = 903;
constexpr int IDI_APP = 101;

constexpr int IDB_DIAMOND = 105;
constexpr int IDB_HEART = 106;
constexpr int IDB_SPADE = 107;
constexpr int IDB_CLUB = 108;
constexpr int IDB_RANKS_RED = 112;
constexpr int IDB_RANKS_BLACK = 113;
constexpr int IDB_BACK_MAT = 116;
constexpr int IDB_BACK_FISH = 127;
constexpr int IDB_BACK_PORTRAIT = 128;
constexpr int IDB_BACK_GRADIENT = 129;
constexpr int IDB_BACK_ORNAMENT = 135;
constexpr int IDB_BUTTON_SORT = 138;
constexpr int IDB_BUTTON_OK = 139;
constexpr int IDB_BUTTON_TAKE = 140;
constexpr int IDB_COMMAND_BAR = 141;

constexpr int IDA_MAIN = 3;

constexpr int IDD_OPTIONS = 130;
constexpr int IDD_STATISTICS = 131;
constexpr int IDD_RULES = 132;
constexpr int IDD_DEAL_NUMBER = 133;

// Controls of the dialogs.
constexpr int IDC_CARD_BACK = 1003;         // Options: list of card backs
constexpr int IDC_TABLE_COLOUR = 1006;      // Options: list of table colours
constexpr int IDC_DOUBLE_TAP = 1008;        // Options: a double tap plays
constexpr int IDC_SHOW_TALON_COUNT = 1011;  // Options: show the cards left in the talon
constexpr int IDC_HIDE_HAND_SIZE = 1014;    // Options: stack the computer's hand
constexpr int IDC_GAME_TYPE = 1015;         // Options: drop-down list of variants
constexpr int IDC_STATISTICS_COUNTS = 1005; // Statistics: the two win counts
constexpr int IDC_STATISTICS_CLEAR = 1012;  // Statistics: clears both counts
constexpr int IDC_RULES_TEXT = 1007;        // Rules: the scrolling text
constexpr int IDC_RULES_DEFAULT = 1009;     // Rules: the zero-size default button
constexpr int IDC_DEAL_CODE = 1020;         // Deal number: the code

// Command ids.
constexpr int IDM_EXIT = 40002;
constexpr int IDM_ABOUT = 40003;
constexpr int IDM_NEW_GAME = 40012;
constexpr int IDM_RULES_ENGLISH = 40013;
constexpr int IDM_OPTIONS = 40014;
constexpr int IDM_STATISTICS = 40015;
constexpr int IDM_RULES_RUSSIAN = 40017;
constexpr int IDM_RULES = 40018; // the rules in the interface language
constexpr int IDM_UNDO = 40101;  // the human's last move and the answer to it
constexpr int IDM_REDO = 40102;
constexpr int IDM_RESTART_DEAL = 40103; // the deal on the table, dealt again
constexpr int IDM_DEAL_NUMBER = 40104;  // the Deal number dialog
constexpr int IDM_REPLAY_LAST = 40105;  // the last game, shown move by move
constexpr int IDM_LAST_BOUT = 40110;    // the last bout at a glance (key L)
constexpr int IDM_PACE_INSTANT = 40111; // the computer's moves at once, as the handheld
constexpr int IDM_PACE_NORMAL = 40112;  // step by step
constexpr int IDM_PACE_SLOW = 40113;

// The opponents, in the order of "opponent"; the hint and "Why?".
constexpr int IDM_OPPONENT_HANDHELD = 40120;
constexpr int IDM_OPPONENT_BEGINNER = 40121;
constexpr int IDM_OPPONENT_EXPERT = 40122;
constexpr int IDM_HINT = 40123; // the hint, as key H
constexpr int IDM_WHY = 40124;  // "Why?", as key W
