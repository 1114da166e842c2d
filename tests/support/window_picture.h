#pragma once
// Pictures of windows for a person to look at. Windows only.
#include <windows.h>

#include <cstdio>

#include "framework/handles.h"

// Saves what the screen shows in the area as a 24-bit BMP file: whatever lies
// on top there, of any process.
inline bool SaveScreenPicture(const RECT& area, const char* path)
{
    BITMAPINFOHEADER header{
        sizeof header, area.right - area.left, area.bottom - area.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    if (header.biWidth <= 0 || header.biHeight <= 0)
        return false;
    void* bits = nullptr;
    WindowDC screen(nullptr);
    BitmapHandle picture(
        CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture)
        return false;
    MemoryDC memory(screen.Get());
    {
        SelectedObject selected(memory.Get(), picture.Get());
        BitBlt(memory.Get(), 0, 0, header.biWidth, header.biHeight, screen.Get(), area.left, area.top, SRCCOPY);
    }
    GdiFlush();
    const DWORD imageSize = (header.biWidth * 3 + 3) / 4 * 4 * header.biHeight; // rows padded to 4 bytes
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof header};
    file.bfSize = file.bfOffBits + imageSize;
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(bits, imageSize, 1, out);
    return std::fclose(out) == 0;
}
