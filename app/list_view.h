#pragma once
// The few report list view messages the month plan window sends, in the
// ANSI form the program uses throughout.
#include <windows.h>
#include <commctrl.h>

inline void SetListText(HWND list, int row, int column, const char* text)
{
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The cell's text, at most size - 1 characters; empty for a missing row.
inline void GetListText(HWND list, int row, int column, char* text, int size)
{
    text[0] = '\0';
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = size;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

inline int ColumnWidth(HWND list, int column)
{
    return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

inline void SetColumnWidth(HWND list, int column, int width)
{
    SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
    // Wine's list view paints again only the strip a column gains or the
    // columns right of it, but an owner-drawn cell fits its text to its
    // width: the whole list is painted again.
    InvalidateRect(list, nullptr, FALSE);
}

inline int SelectedListRow(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
