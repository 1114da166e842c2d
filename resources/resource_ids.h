#pragma once
// Every resource id of the program, grouped by what uses it. Included by C++
// sources and by the resource scripts, so plain #defines only. Numeric names
// reach the API as MAKEINTRESOURCEA(id).

// Menu bar of the main window; the accelerator table has the same id.
#define SWMENU 100

// Icons. IDI_ICON1 has the lowest number: Explorer shows it for the program.
#define IDI_ICON1 101 // program, main window class, tray in normal state
#define IDI_ICON2 102 // month plan window class
#define IDI_ICON3 103 // tray in warning state
#define IDI_ICON4 104 // "now" buttons of the time entry dialog
#define IDI_ICON5 105 // a month plan file
#define IDI_ICON6 106 // note dialog

// Button bar items and title banners: IDI_BB_n is 200 + n.
#define IDI_BB_2 202  // month plan (title banner)
#define IDI_BB_3 203  // flexi day
#define IDI_BB_4 204  // edit entry
#define IDI_BB_5 205  // print
#define IDI_BB_6 206  // close month plan
#define IDI_BB_7 207  // open month plan
#define IDI_BB_8 208  // options
#define IDI_BB_9 209  // new month plan
#define IDI_BB_10 210 // information
#define IDI_BB_11 211 // public holiday
#define IDI_BB_12 212 // sick day
#define IDI_BB_13 213 // vacation
#define IDI_BB_14 214 // work day
#define IDI_BB_15 215 // arrival
#define IDI_BB_16 216 // departure
#define IDI_BB_17 217 // close all
#define IDI_BB_18 218 // next window

// Entry icons of the month plan list: 230 + the image list index.
#define IDI_DEF_DEFAULT 230
#define IDI_DEF_GDAY 231
#define IDI_DEF_HOLIDAY 232
#define IDI_DEF_ACCOUNT 233
#define IDI_DEF_SICKDAY 234
#define IDI_DEF_FDAY 235
#define IDI_DEF_MISSING 236
#define IDI_DEF_DATA 237
#define IDI_DEF_NOSALDO 238

// Tool bar button images: 26 images of 16 x 15 pixels side by side.
#define IDB_TOOLBAR 129
#define TOOLBAR_IMAGE_COUNT 26

// Framework controls: hand cursor over the button bar and title banners,
// scroll arrows of the button bar.
#define IDC_MYHAND 300
#define IDB_UP 310
#define IDB_DOWN 311

// Commands (WM_COMMAND identifiers) of the menu bar, tool bar, button bar,
// popup menus and list keys.
// "&Datei"
#define CMD_NEW_MONTH_PLAN 40002
#define CMD_OPEN_MONTH_PLAN 40001
#define CMD_DELETE_MONTH_PLAN_FILE 40010
#define CMD_CLOSE_MONTH_PLAN 145
#define CMD_CLOSE_ALL 147
#define CMD_OPTIONS 155
#define CMD_PRINT 123
#define CMD_QUIT 151
// "&Bearbeiten"
#define CMD_EDIT_ENTRY 40006
#define CMD_DELETE_ENTRY 40008
#define CMD_COPY_ENTRY 40013
#define CMD_PASTE_ENTRY 40014
#define CMD_MOVE_ENTRY_UP 40011
#define CMD_MOVE_ENTRY_DOWN 40012
#define CMD_CLIPBOARD_EXPORT 40029
// "&Einträge"
#define CMD_ENTER_WORK_TIME 40003
#define CMD_ENTER_FLEXI_DAY 40007
#define CMD_ENTER_VACATION 40015
#define CMD_ENTER_SICK_DAYS 40018
#define CMD_ENTER_HOLIDAY 40016
#define CMD_RETAKE_CARRY_OVER 40020
#define CMD_ACCOUNT_CORRECTION 40005
#define CMD_COMPUTE_CURRENT_DAY 40009
#define CMD_RECOMPUTE 40023
#define CMD_RECOMPUTE_WEEKDAYS 40024
#define CMD_FILL_MISSING_DAYS 40028
#define CMD_TOGGLE_TIME_FORMAT 40030
// "&Werte"
#define CMD_VACATION_DAY_COUNT 40017
#define CMD_SICK_DAY_COUNT 40019
#define CMD_FLEXI_DAY_COUNT 40021
#define CMD_MONTHLY_EVALUATION 40026
// "&Fenster"
#define CMD_MAXIMIZE_CHILD 139
#define CMD_RESTORE_CHILD 176
#define CMD_TILE_VERTICALLY 173
#define CMD_TILE_HORIZONTALLY 116
#define CMD_CASCADE_CHILDREN 132
#define CMD_ARRANGE_ICONS 141
#define CMD_ACTIVATE_NEXT_CHILD 175
#define CMD_ACTIVATE_PREVIOUS_CHILD 174
// "&Hilfe"
#define CMD_INFO 108
// Tray menu and button bar
#define CMD_TRAY_OPEN 601
#define CMD_TRAY_HIDE 602
#define CMD_TRAY_QUIT 603
#define CMD_RECORD_ARRIVAL 604
#define CMD_RECORD_DEPARTURE 605
// Sent between windows: the object behind a month plan window or the frame.
#define CMD_GET_CHILD_OBJECT 1225
#define CMD_GET_FRAME_OBJECT 1226

// The note, about and export dialogs ("DLG_MESSAGE", "DLG_INFO", "DLG_EXPORT")
// and the about box picture, a "DIB" resource named "InfoBitmap".
// DLG_MESSAGE "- Hinweis -"
#define IDC_MESSAGE_HEADING 1040 // hidden: its text and place are painted in bold
#define IDC_MESSAGE_TEXT 178
#define IDC_MESSAGE_DONT_SHOW 1027
// DLG_EXPORT "In Zwischenablage exportieren"
#define IDC_EXPORT_MARKED_ONLY 1049
#define IDC_EXPORT_ALL_ENTRIES 1050
#define IDC_EXPORT_DATE 1052
#define IDC_EXPORT_COME 1053
#define IDC_EXPORT_GO 1054
#define IDC_EXPORT_HOURS 1055
#define IDC_EXPORT_SALDO 1051
