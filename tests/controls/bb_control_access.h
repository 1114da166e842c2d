#pragma once
// What the tests read of a button bar's private state; indices must be valid.
#include "controls/bb_control.h"

struct BBControlTestAccess {
    static HWND ItemWindow(const BBControl& bar, int group, int item)
    {
        return bar.groups_.at(group).buttons.at(item).window.Get();
    }
};
