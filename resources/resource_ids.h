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
#define CMD_YEAR_OVERVIEW 40031
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

// Dialog templates are named by strings ("DLG_GETDATA", ...); these are the
// control ids inside them. Ids repeat across templates, so each template has
// its own names.
// DLG_GETDATA "Zeiterfassung"
#define IDC_ENTRY_DATE 1007
#define IDC_ENTRY_COME 1000
#define IDC_ENTRY_COME_NOW 1003
#define IDC_ENTRY_GO 1001
#define IDC_ENTRY_GO_NOW 1004
#define IDC_ENTRY_HOURS 1002
#define IDC_ENTRY_TIMES_MODE 1019
#define IDC_ENTRY_HOURS_MODE 1020
#define IDC_ENTRY_NO_SALDO 1028
#define IDC_ENTRY_REMARK 1014
// DLG_GETDAY, DLG_GETFEWDAYS, DLG_ACCOUNT, DLG_GETINFO
#define IDC_DAY_DATE 1007
#define IDC_DAY_UNTIL 1008
#define IDC_DAY_ACCOUNT 1004
#define IDC_DAY_REMARK 1014
// DLG_GETMONTH "Monatsplan"
#define IDC_MONTH_LIST 1009
#define IDC_MONTH_YEAR 1010
// DLG_DAYS
#define IDC_DAYS_LABEL 178
#define IDC_DAYS_COUNT 1032
// DLG_OPTIONS1 "Zeitprofil"
#define IDC_OPT_START_DAY 1037
#define IDC_OPT_HOURS_PER_DAY 1013
#define IDC_OPT_REST_PER_DAY 1012
#define IDC_OPT_REST_PER_DAY2 1017
#define IDC_OPT_REST_TIME 1014
#define IDC_OPT_REST_TIME2 1018
#define IDC_OPT_MAX_TIME 1015
#define IDC_OPT_TIME_LAG 1016
#define IDC_OPT_MONDAY 1029 // to IDC_OPT_MONDAY + 6, Sunday
#define IDC_OPT_EXTERN 1036
#define IDC_OPT_WORK_TIME_RESTS 1038
#define IDC_OPT_COM_FORMAT 1042
// DLG_OPTIONS2 "Anzeige"
#define IDC_OPT_OPEN_MONTH 1018
#define IDC_OPT_SELECT_DAY 1021
#define IDC_OPT_AUTO_TIMER 1022
#define IDC_OPT_SEPARATE 1023
#define IDC_OPT_CHECK_MISSINGS 1024
#define IDC_OPT_ICONS 1025
#define IDC_OPT_DESIGN 1041
#define IDC_OPT_STRIPE_COLOUR 1003
#define IDC_OPT_FREE_DAY_COLOUR 1004
// DLG_OPTIONS3 "Verzeichnis"
#define IDC_OPT_WORKING_DIR 1008
#define IDC_OPT_CHOOSE_DIR 3
// DLG_OPTIONS4 "Hinweise"
#define IDC_OPT_WARN_WORK_TIME 1023
#define IDC_OPT_WARN_ACCOUNT 1024
#define IDC_OPT_W_WORK_TIME 1025
#define IDC_OPT_W_ACCOUNT 1026
#define IDC_OPT_NOTICE_REGULAR_TIME 1027
// DLG_OPTIONS5 "Ausdruck"
#define IDC_OPT_HEADLINE1 1008
#define IDC_OPT_HEADLINE2 1009
#define IDC_OPT_HEADLINE3 1011
// DLG_OPTIONS6 "Feiertage"
#define IDC_OPT_STATE 1060
#define IDC_OPT_OWN_DAYS 1061
#define IDC_OPT_OWN_DAY 1062
#define IDC_OPT_OWN_DAY_RESULT 1063
#define IDC_OPT_OWN_DAY_ADD 1064
#define IDC_OPT_OWN_DAY_CHANGE 1065
#define IDC_OPT_OWN_DAY_REMOVE 1066
// DLG_YEAROVERVIEW "Jahresübersicht"
#define IDC_YEAR_PREVIOUS 1070
#define IDC_YEAR_YEAR 1071
#define IDC_YEAR_NEXT 1072
#define IDC_YEAR_LIST 1073
#define IDC_YEAR_VACATION_LEFT 1074
#define IDC_YEAR_COPY 1075
#define IDC_YEAR_PRINT 1076
// DLG_OPTIONS_AUTOMATIC "Automatik"
#define IDC_OPT_AUTO_ARRIVAL 1101
#define IDC_OPT_AUTO_DEPARTURE 1102
#define IDC_OPT_LOCK_BREAK 1103
#define IDC_OPT_LOCK_BREAK_MINUTES 1104
#define IDC_OPT_MARK_AUTOMATIC 1105
// DLG_OPENDIR "Verzeichnis auswählen": the file-open dialog's own ids
// (edt1, lst1, lst2, cmb1, cmb2, stc1 to stc4, pshHelp, chx1) and the
// directory field.
#define IDC_OPENDIR_PROMPT 101
#define IDC_OPENDIR_PATH 715
#define IDC_OPENDIR_FILE_NAME 1152
#define IDC_OPENDIR_FILES 1120
#define IDC_OPENDIR_DIRECTORIES 1121
#define IDC_OPENDIR_TYPES 1136
#define IDC_OPENDIR_DRIVES 1137
#define IDC_OPENDIR_TEXT 1088
#define IDC_OPENDIR_FILES_LABEL 1089
#define IDC_OPENDIR_PATH_LABEL 1090
#define IDC_OPENDIR_DRIVES_LABEL 1091
#define IDC_OPENDIR_HELP 1038
#define IDC_OPENDIR_READ_ONLY 1040

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

// DLG_WELCOME "Willkommen bei Stundwerk": the first start without a settings file.
#define IDC_WELCOME_HOURS 1300
#define IDC_WELCOME_MONDAY 1301 // to IDC_WELCOME_MONDAY + 6, Sunday
#define IDC_WELCOME_FROM 1310
#define IDC_WELCOME_ACCOUNT 1311
#define IDC_WELCOME_VACATION 1312
#define IDC_WELCOME_OPEN_MONTH 1313
