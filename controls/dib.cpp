#include "controls/dib.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "controls/dib_header.h"
#include "framework/handles.h"

namespace {

static_assert(sizeof(BITMAPINFOHEADER) == sizeof(DibInfoHeader), "the packed header is a BITMAPINFOHEADER");
constexpr SIZE_T INITIAL_SIZE = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);

void ShowError(const char* text)
{
    MessageBoxA(nullptr, text, "Error", MB_ICONHAND);
}

// name may be a resource number (MAKEINTRESOURCE) rather than a text.
void ShowError(const char* format, const char* name)
{
    char number[16];
    if (IS_INTRESOURCE(name)) {
        std::snprintf(number, sizeof number, "#%u", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
        name = number;
    }
    char text[512];
    std::snprintf(text, sizeof text, format, name);
    ShowError(text);
}

// The palette of the colour table; DEFAULT_PALETTE (not owned) without one.
HPALETTE MakePalette(const BITMAPINFOHEADER* header)
{
    if (header->biClrUsed == 0)
        return static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    const WORD entries = LOWORD(header->biClrUsed);
    HLOCAL buffer = LocalAlloc(LMEM_FIXED, entries * sizeof(PALETTEENTRY) + 8);
    if (!buffer)
        return nullptr;
    auto* logical = static_cast<LOGPALETTE*>(buffer);
    logical->palVersion = 0x300;
    logical->palNumEntries = entries;
    const auto* colours = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
    for (WORD i = 0; i < entries; ++i) {
        logical->palPalEntry[i].peRed = colours[i].rgbRed;
        logical->palPalEntry[i].peGreen = colours[i].rgbGreen;
        logical->palPalEntry[i].peBlue = colours[i].rgbBlue;
        logical->palPalEntry[i].peFlags = 0;
    }
    HPALETTE palette = CreatePalette(logical);
    if (LocalFree(buffer))
        Beep(3000, 100);
    return palette;
}

bool IsStockPalette(HPALETTE palette)
{
    return palette == static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
}

// Bitmap and palette from the packed DIB, realised on the screen DC.
bool MakeBitmapAndPalette(HLOCAL packedDib, DWORD tableEntries, DibImage* image)
{
    WindowDC screen(nullptr);
    auto* header = static_cast<BITMAPINFOHEADER*>(LocalLock(packedDib));
    if (!header)
        return false;
    bool made = false;
    HPALETTE palette = MakePalette(header);
    if (palette) {
        HPALETTE previous = SelectPalette(screen.Get(), palette, TRUE);
        RealizePalette(screen.Get());
        const BYTE* bits = reinterpret_cast<const BYTE*>(header) + header->biSize + tableEntries * sizeof(RGBQUAD);
        HBITMAP bitmap = CreateDIBitmap(screen.Get(), header, CBM_INIT, bits,
                                        reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS);
        SelectPalette(screen.Get(), previous, TRUE);
        RealizePalette(screen.Get());
        if (bitmap) {
            image->bitmap = bitmap;
            image->palette = palette;
            made = true;
        } else if (!IsStockPalette(palette)) {
            DeleteObject(palette);
        }
    }
    LocalUnlock(packedDib);
    return made;
}

int FailLoad(HLOCAL packedDib, DibImage* image)
{
    image->packedDib = nullptr;
    LocalUnlock(packedDib);
    if (LocalFree(packedDib))
        Beep(1000, 100);
    return 0;
}

} // namespace

int LoadDibResource(const char* type, const char* name, DibImage* image)
{
    HRSRC resource = FindResourceA(nullptr, name, type);
    if (!resource) {
        ShowError("Can't find resource '%s'", name);
        return 0;
    }
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const void* locked = loaded ? LockResource(loaded) : nullptr;
    if (!locked) {
        ShowError("Can't load resource '%s'", name);
        return 0;
    }
    const auto* file = static_cast<const std::uint8_t*>(locked);
    const DWORD fileSize = SizeofResource(nullptr, resource);

    HLOCAL packedDib = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, INITIAL_SIZE);
    if (!packedDib) {
        ShowError("Can't alloc hDIB");
        return 0;
    }
    image->packedDib = packedDib;

    DibLayout layout;
    const DibHeaderResult planned = PlanPackedDib(file, fileSize, layout);
    if (planned == DibHeaderResult::NotBitmap) {
        ShowError("file is no BM-format");
        return FailLoad(packedDib, image);
    }
    HLOCAL grown = planned == DibHeaderResult::TooLarge
                       ? nullptr
                       : LocalReAlloc(packedDib, static_cast<SIZE_T>(layout.packedSize), LMEM_MOVEABLE | LMEM_ZEROINIT);
    if (!grown) {
        ShowError("Can't realloc hDIB");
        return FailLoad(packedDib, image);
    }
    packedDib = grown;
    image->packedDib = packedDib;
    FillPackedDib(file, fileSize, layout, static_cast<std::uint8_t*>(LocalLock(packedDib)));
    LocalUnlock(packedDib);

    if (!MakeBitmapAndPalette(packedDib, layout.tableEntries, image)) {
        ShowError("Can't create bitmap and palette");
        return FailLoad(packedDib, image);
    }
    return 1;
}

int FreeDib(DibImage* image)
{
    if (!image)
        return 0;
    if (image->packedDib) {
        LocalUnlock(image->packedDib);
        LocalFree(image->packedDib);
    }
    if (image->palette && !IsStockPalette(image->palette))
        DeleteObject(image->palette);
    if (image->bitmap)
        DeleteObject(image->bitmap);
    *image = DibImage{};
    return 1;
}

int BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y)
{
    if (!dc || !bitmap)
        return 0;
    MemoryDC memory(dc);
    int width = 0;
    int height = 0;
    GetBitmapSize(bitmap, &width, &height);
    SelectedObject selected(memory.Get(), bitmap);
    BitBlt(dc, x, y, width, height, memory.Get(), 0, 0, SRCCOPY);
    return 1;
}

int GetBitmapSize(HBITMAP bitmap, int* width, int* height)
{
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info))
        return 0;
    if (width)
        *width = info.bmWidth;
    if (height)
        *height = info.bmHeight;
    return 1;
}
