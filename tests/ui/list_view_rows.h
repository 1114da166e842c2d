#pragma once
// The rows of a report list view in another process: item data and the text
// of every column, as the control holds them (Windows-1252).
#include <windows.h>

#include <string>
#include <vector>

struct ListViewRow {
    LPARAM key = 0;
    std::vector<std::string> cells;
};

// Throws std::runtime_error when the list's process cannot be read or has a
// pointer size other than this program's (LVITEMA is laid out per bitness).
std::vector<ListViewRow> ReadListViewRows(HWND list);
