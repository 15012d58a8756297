// Numbers of the program's resources.
#pragma once

constexpr int IDS_TITLE = 1;      // "Дурак"
constexpr int IDS_CLASS_NAME = 3; // "ДУРАК"
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

// Controls of the dialogs.
constexpr int IDC_CARD_BACK = 1003;         // Options: list of card backs
constexpr int IDC_TABLE_COLOUR = 1006;      // Options: list of table colours
constexpr int IDC_DOUBLE_TAP = 1008;        // Options: a double tap plays
constexpr int IDC_SHOW_TALON_COUNT = 1011;  // Options: show the cards left in the talon
constexpr int IDC_HIDE_HAND_SIZE = 1014;    // Options: stack the computer's hand
constexpr int IDC_GAME_TYPE = 1015;         // Options: drop-down list of variants
constexpr int IDC_STATISTICS_COUNTS = 1005; // Statistics: the two win counts
constexpr int IDC_STATISTICS_CLEAR = 1012;  // Statistics: "Очистить"
constexpr int IDC_RULES_TEXT = 1007;        // Rules: the scrolling text
constexpr int IDC_RULES_DEFAULT = 1009;     // Rules: the zero-size default button

// Command ids.
constexpr int IDM_EXIT = 40002;
constexpr int IDM_ABOUT = 40003;
constexpr int IDM_NEW_GAME = 40012;
constexpr int IDM_RULES_ENGLISH = 40013;
constexpr int IDM_OPTIONS = 40014;
constexpr int IDM_STATISTICS = 40015;
constexpr int IDM_RULES_RUSSIAN = 40017;
