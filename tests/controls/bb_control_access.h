#pragma once
// What the tests read of a button bar's private state; indices must be valid.
#include "controls/bb_control.h"

struct BBControlTestAccess {
    static BBControl* InstanceIfAny() { return BBControl::GetInstanceIfAny(); }
    static int OpenGroup(const BBControl& bar) { return bar.openGroup_; }
    static int HotItem(const BBControl& bar, int group) { return bar.groups_.at(group).hot; }
    static int HeldItem(const BBControl& bar, int group) { return bar.groups_.at(group).held; }
    static int SelectedItem(const BBControl& bar, int group) { return bar.groups_.at(group).selected; }
    static int FirstVisibleItem(const BBControl& bar, int group) { return bar.groups_.at(group).firstVisible; }
    static bool IsItemDisabled(const BBControl& bar, int group, int item)
    {
        return bar.groups_.at(group).buttons.at(item).disabled != 0;
    }
    static HWND ButtonArea(const BBControl& bar) { return bar.area_.Get(); }
    static HWND UpArrow(const BBControl& bar) { return bar.upArrow_.Get(); }
    static HWND DownArrow(const BBControl& bar) { return bar.downArrow_.Get(); }
    static HWND HeaderWindow(const BBControl& bar, int group) { return bar.groups_.at(group).header.Get(); }
    static HWND ItemWindow(const BBControl& bar, int group, int item)
    {
        return bar.groups_.at(group).buttons.at(item).window.Get();
    }
    static HBITMAP ItemImage(const BBControl& bar, int group, int item, ButtonLook look)
    {
        return bar.groups_.at(group).buttons.at(item).images[look].Get();
    }
};
