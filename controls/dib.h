#pragma once
// Bitmaps stored as complete BMP files in resources of a custom type ("DIB"),
// turned into a device-dependent bitmap with its own logical palette.
#include <windows.h>

struct DibImage {
    HLOCAL packedDib = nullptr; // header, RGBQUAD colour table, bits; unlocked
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr; // DEFAULT_PALETTE without a colour table
};

// Looks in the program's own module. Each failure is shown in a message box
// titled "Error"; the result is then 0 and image holds nothing to free.
int LoadDibResource(const char* type, const char* name, DibImage* image);
// Frees what LoadDibResource made and clears the record; 0 for a null record.
int FreeDib(DibImage* image);
// Copies the whole bitmap to (x, y); 0 when dc or bitmap is null.
int BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Either out pointer may be null; 0 when the bitmap cannot be read.
int GetBitmapSize(HBITMAP bitmap, int* width, int* height);
