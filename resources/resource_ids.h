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

// Command ids.
constexpr int IDM_EXIT = 40002;
constexpr int IDM_ABOUT = 40003;
constexpr int IDM_NEW_GAME = 40012;
constexpr int IDM_RULES_ENGLISH = 40013;
constexpr int IDM_OPTIONS = 40014;
constexpr int IDM_STATISTICS = 40015;
constexpr int IDM_RULES_RUSSIAN = 40017;
