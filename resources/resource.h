// Every resource and command id of the program, in bands. The resource
// script and the C++ code both include this file.
#pragma once

// Menu commands.
#define IDM_EXIT 8
#define IDM_ABOUT 40002
#define IDM_PAUSE 40006
#define IDM_WEB_MAKER 40007
#define IDM_WEB_PRODUCT 40008
#define IDM_WALL_OF_FAME 40009
#define IDM_RESTART 40010
#define IDM_WEB_EDITION_1 40011
#define IDM_DISPLAY_OPTIONS 40012
#define IDM_GAME_OPTIONS 40013
#define IDM_HELP 40014
#define IDM_WEB_EDITION_2 40015
#define IDM_TOOLBAR 40016
#define IDM_STATUS_BAR 40017
#define IDM_SAVE 40018
#define IDM_OPEN 40019
// The view's zoom z is IDM_ZOOM_1 + z - 1.
#define IDM_ZOOM_1 40020
#define IDM_ZOOM_2 40021
#define IDM_ZOOM_3 40022

// Menu bar and accelerators.
#define IDR_MAIN_MENU 104
#define IDR_ACCELERATORS 151

// Dialog templates.
#define IDD_DISPLAY_OPTIONS 103
#define IDD_ABOUT 105
#define IDD_GAME_OVER 106
#define IDD_WALL_OF_FAME 107
#define IDD_GAME_OPTIONS 109
#define IDD_HELP 131
#define IDD_SAVE_GAME 144
#define IDD_NEXT_LEVEL 145
#define IDD_OPEN_GAME 150
#define IDD_OVERWRITE 153

// Icons: the program's own and the tool buttons'.
#define IDI_ZEMBAL 102
#define IDI_TOOL_EXIT 134
#define IDI_TOOL_DISPLAY_OPTIONS 135
#define IDI_TOOL_PLAY 136
#define IDI_TOOL_PAUSE 137
#define IDI_SAVE_HINT 146  // the arrow beside the next-level dialog's Save button
#define IDI_TOOL_OPEN 148
#define IDI_TOOL_SAVE 149

// Ball frames: 110 to 139, the sets of frames one after another, one to
// eight frames a set; frame i of a set is its first id + i.
#define IDB_BALL_FIRST 110
#define IDB_BALL_LAST 139
// The frame sets and the themes that use them (first id, frame count).
#define IDB_CLASSIC_FIRST 110  // 8 frames, red and white ball on black; 115 is 15 x 15
#define IDB_FOREST_FIRST 118   // 8 frames, black and white ball on green; 123 is 15 x 15
#define IDB_DESERT_FIRST 126   // 3 frames, on white
#define IDB_MARS_FIRST 129     // 4 frames, on white
#define IDB_NIGHT_FIRST 133    // 3 frames, on white
#define IDB_OCEAN_FIRST 136    // 1 frame, on white
#define IDB_SKY_FIRST 137      // 3 frames, on white

// WAVE sounds (their own resource type, so the numbers may meet the bitmaps').
#define IDW_LEVEL_START 139
#define IDW_LEVEL_DONE 140
#define IDW_CLICK 141
#define IDW_LIFE_LOST 142

// Dialog controls. Ids 1 and 2 are the accept and cancel buttons (IDOK,
// IDCANCEL); an id may serve different controls in different dialogs.
// Display Options (103).
#define IDC_GRID 1001
#define IDC_SOUND 1002
#define IDC_THEME 1003
#define IDC_SPEED 1004
// Game Options (109).
#define IDC_FIELD_SIZE 1003
#define IDC_PERCENT 1004
// Game over (106).
#define IDC_SCORE 1007
#define IDC_END_REASON 1010
#define IDC_USER_NAME 1011
// Next level (145): opens the Save Game dialog.
#define IDC_SAVE_NOW 1045
// Wall of Fame (107): row r (0 to 9) has its name at IDC_FAME_NAME_FIRST + r,
// its score at IDC_FAME_SCORE_FIRST + r and its level at IDC_FAME_LEVEL_FIRST + r.
#define IDC_FAME_NAME_FIRST 1012
#define IDC_FAME_SCORE_FIRST 1022
#define IDC_FAME_LEVEL_FIRST 1032
#define IDC_CLEAR 1042
// Save Game (144).
#define IDC_SLOT_NUMBER 1003
#define IDC_DESCRIPTION 1044
// Open saved game (150): slot i (0 to 9) has its radio button at
// IDC_SLOT_RADIO_FIRST + i, its date at IDC_SLOT_DATE_FIRST + i, its level at
// IDC_SLOT_LEVEL_FIRST + i (1066 is unused) and its description at
// IDC_SLOT_DESC_FIRST + i. The overwrite warning (153) shows its one slot
// in the first date, level and description ids.
#define IDC_SLOT_RADIO_FIRST 1046
#define IDC_SLOT_DATE_FIRST 1056
#define IDC_SLOT_LEVEL_FIRST 1067
#define IDC_SLOT_DESC_FIRST 1077
// Overwrite warning (153): the slot number.
#define IDC_OVERWRITE_NUMBER 1078
