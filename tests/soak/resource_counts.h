#pragma once
// What a long-running process holds: its private memory, its live GDI objects
// and its windows, menus and icons. Windows reports GDI and USER counts
// through GetGuiResources, which Wine answers with 0; Wine does accept a bare
// table index (high word 0) as a handle, so there the objects are counted by
// probing every index. SelfCheck tells whether the probe sees objects come
// and go in this process.
#include <windows.h>
#include <psapi.h>

#include <cstddef>

struct ResourceCounts {
    std::size_t privateBytes = 0;
    int gdiObjects = 0;
    int userObjects = 0;
};

namespace resource_counts {

inline int GdiObjects()
{
    int count = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++count;
    }
    return count;
}

// USER handles are even indexes from 0x20; windows are filtered to this
// process, menus and icons (shared system icons included) are not.
inline int UserObjects()
{
    int count = 0;
    const DWORD self = GetCurrentProcessId();
    for (UINT_PTR index = 0x20; index < 0x10000; index += 2) {
        const HANDLE handle = reinterpret_cast<HANDLE>(index);
        DWORD owner = 0;
        if (IsWindow(static_cast<HWND>(handle))) {
            GetWindowThreadProcessId(static_cast<HWND>(handle), &owner);
            count += owner == self;
        } else if (IsMenu(static_cast<HMENU>(handle))) {
            ++count;
        } else {
            ICONINFO info{};
            if (GetIconInfo(static_cast<HICON>(handle), &info)) {
                DeleteObject(info.hbmColor);
                DeleteObject(info.hbmMask);
                ++count;
            }
        }
    }
    return count;
}

} // namespace resource_counts

inline ResourceCounts MeasureResources()
{
    ResourceCounts counts;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        counts.privateBytes = memory.PagefileUsage; // Wine leaves PrivateUsage 0
    counts.gdiObjects = resource_counts::GdiObjects();
    counts.userObjects = resource_counts::UserObjects();
    return counts;
}

// True when creating and deleting a brush and a menu moves the counts by one.
inline bool ResourceProbesWork()
{
    const int gdi = resource_counts::GdiObjects();
    const int user = resource_counts::UserObjects();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HMENU menu = CreatePopupMenu();
    const bool seen = resource_counts::GdiObjects() == gdi + 1 && resource_counts::UserObjects() == user + 1;
    DeleteObject(brush);
    DestroyMenu(menu);
    return seen && resource_counts::GdiObjects() == gdi && resource_counts::UserObjects() == user;
}
