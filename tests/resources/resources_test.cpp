// The program's resources as linked into this test program: every dialog
// template and every menu command the code names exists, and every key of
// the accelerator table runs a command of the menu.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "resources/resource_ids.h"

TEST(Resources, EveryDialogAndMenuCommandExists)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (const char* name : {"DLG_GETDATA", "DLG_GETDAY", "DLG_GETFEWDAYS", "DLG_ACCOUNT", "DLG_GETMONTH", "DLG_DAYS",
                             "DLG_GETINFO", "DLG_OPTIONS1", "DLG_OPTIONS2", "DLG_OPTIONS3", "DLG_OPTIONS4",
                             "DLG_OPTIONS5", "DLG_OPTIONS6", "DLG_OPTIONS_AUTOMATIC", "DLG_YEAROVERVIEW",
                             "DLG_OPENDIR", "DLG_WELCOME", "DLG_MESSAGE", "DLG_INFO", "DLG_EXPORT"})
        EXPECT_NE(FindResourceA(module, name, MAKEINTRESOURCEA(5)), nullptr) << name; // RT_DIALOG

    HMENU bar = LoadMenuA(module, MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(bar, nullptr);
    const auto inMenu = [bar](UINT command) { return GetMenuState(bar, command, MF_BYCOMMAND) != UINT(-1); };
    for (UINT command :
         {CMD_NEW_MONTH_PLAN, CMD_OPEN_MONTH_PLAN, CMD_DELETE_MONTH_PLAN_FILE, CMD_CLOSE_MONTH_PLAN, CMD_CLOSE_ALL,
          CMD_OPTIONS, CMD_PRINT, CMD_QUIT, CMD_EDIT_ENTRY, CMD_DELETE_ENTRY, CMD_COPY_ENTRY, CMD_PASTE_ENTRY,
          CMD_MOVE_ENTRY_UP, CMD_MOVE_ENTRY_DOWN, CMD_CLIPBOARD_EXPORT, CMD_ENTER_WORK_TIME, CMD_ENTER_FLEXI_DAY,
          CMD_ENTER_VACATION, CMD_ENTER_SICK_DAYS, CMD_ENTER_HOLIDAY, CMD_RETAKE_CARRY_OVER, CMD_ACCOUNT_CORRECTION,
          CMD_COMPUTE_CURRENT_DAY, CMD_RECOMPUTE, CMD_RECOMPUTE_WEEKDAYS, CMD_FILL_MISSING_DAYS,
          CMD_TOGGLE_TIME_FORMAT, CMD_VACATION_DAY_COUNT, CMD_SICK_DAY_COUNT, CMD_FLEXI_DAY_COUNT,
          CMD_MONTHLY_EVALUATION, CMD_YEAR_OVERVIEW, CMD_MAXIMIZE_CHILD, CMD_RESTORE_CHILD, CMD_TILE_VERTICALLY,
          CMD_TILE_HORIZONTALLY, CMD_CASCADE_CHILDREN, CMD_ARRANGE_ICONS, CMD_ACTIVATE_NEXT_CHILD,
          CMD_ACTIVATE_PREVIOUS_CHILD, CMD_INFO})
        EXPECT_TRUE(inMenu(command)) << command;

    HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> keys(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, keys.data(), static_cast<int>(keys.size()));
    DestroyAcceleratorTable(table);
    EXPECT_EQ(keys.size(), 9u);
    for (const ACCEL& key : keys)
        EXPECT_TRUE(inMenu(key.cmd)) << key.cmd;
    DestroyMenu(bar);
}
