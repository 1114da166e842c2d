#pragma once
// Pictures of windows for a person to look at. Windows only.
#include <windows.h>

#include <cstdio>

#include "framework/handles.h"

// Runs this thread's messages for about a second, so that every window has
// painted.
inline void PumpUntilIdle()
{
    for (int round = 0; round < 20; ++round) {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(50);
    }
}

// Saves what the screen shows in the area as a 24-bit BMP file: whatever lies
// on top there, of any process.
inline bool SaveScreenPicture(const RECT& area, const char* path)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    WindowDC screen(nullptr);
    BitmapHandle picture(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture)
        return false;
    MemoryDC memory(screen.Get());
    {
        SelectedObject selected(memory.Get(), picture.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    GdiFlush();
    const DWORD stride = (width * 3 + 3) & ~3;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(bits, imageSize, 1, out);
    return std::fclose(out) == 0;
}

// Saves what the screen shows of the window as a 24-bit BMP file.
inline bool SaveWindowPicture(HWND window, const char* path)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return SaveScreenPicture(rect, path);
}
