// The program's resources as linked into this test program: every key of the
// accelerator table runs a command of the menu. (That each dialog template
// and menu command exists, the program tests show: they open each dialog
// through its menu command.)
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "resources/resource_ids.h"

TEST(Resources, EveryAcceleratorRunsAMenuCommand)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    HMENU bar = LoadMenuA(module, MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(bar, nullptr);
    HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> keys(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, keys.data(), static_cast<int>(keys.size()));
    DestroyAcceleratorTable(table);
    EXPECT_EQ(keys.size(), 9u);
    for (const ACCEL& key : keys)
        EXPECT_NE(GetMenuState(bar, key.cmd, MF_BYCOMMAND), UINT(-1)) << key.cmd;
    DestroyMenu(bar);
}
