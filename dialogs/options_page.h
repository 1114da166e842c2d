#pragma once
// What every page of the options sheet shares: the message handling that
// fills a page from the working copy and reads it back when the user leaves
// it, and the check boxes bound to flags of the working copy.
#include <windows.h>

#include <cstdint>

#include "dialogs/dialog_controls.h"
#include "dialogs/options_sheet.h"

// A page procedure's work: fill when the page is created, read when the user
// leaves it, command for WM_COMMAND (may be null). No exception leaves it.
INT_PTR PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam, void (*fill)(HWND), void (*read)(HWND),
                      void (*command)(HWND, int, int));

inline std::uint32_t Flag(HWND page, int id)
{
    return IsChecked(page, id) ? 1 : 0;
}

// A check box and the flag it shows.
struct FlagField {
    int id;
    std::uint32_t OptionsWorkingCopy::*value;
};

template <std::size_t N>
void ShowFlags(HWND page, const FlagField (&flags)[N])
{
    for (const FlagField& flag : flags)
        SetChecked(page, flag.id, CurrentOptions().copy.*flag.value != 0);
}
template <std::size_t N>
void ReadFlags(HWND page, const FlagField (&flags)[N])
{
    for (const FlagField& flag : flags)
        CurrentOptions().copy.*flag.value = Flag(page, flag.id);
}
