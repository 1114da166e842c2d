#include "controls/dib.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/handles.h"

namespace {

constexpr WORD BM_SIGNATURE = 0x4D42;
constexpr DWORD INFO_HEADER_SIZE = sizeof(BITMAPINFOHEADER); // 40
constexpr DWORD CORE_HEADER_SIZE = sizeof(BITMAPCOREHEADER); // 12
constexpr SIZE_T INITIAL_SIZE = INFO_HEADER_SIZE + 256 * sizeof(RGBQUAD);

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

// The largest picture the loader accepts; a damaged header cannot make it
// allocate or copy more.
constexpr std::uint64_t MAX_DIB_BYTES = 256u << 20;

// Resource bytes read with bounds: a truncated resource reads as zeros
// instead of reading past its end.
struct ResourceBytes {
    const BYTE* data;
    DWORD size;

    void CopyOut(void* destination, DWORD offset, DWORD count) const
    {
        auto* out = static_cast<BYTE*>(destination);
        DWORD available = offset < size ? size - offset : 0;
        DWORD copied = count < available ? count : available;
        if (copied)
            std::memcpy(out, data + offset, copied);
        std::memset(out + copied, 0, count - copied);
    }
};

// Rows padded to 32 bits; beyond MAX_DIB_BYTES it reads as 0xFFFFFFFF, which
// the allocation refuses. 64 bits: a damaged width or height cannot overflow.
DWORD ComputedImageSize(const BITMAPINFOHEADER& header)
{
    const std::uint64_t rowBits =
        static_cast<std::uint64_t>(header.biBitCount) * static_cast<std::uint64_t>(std::llabs(header.biWidth));
    const std::uint64_t size = (rowBits + 31) / 32 * 4 * static_cast<std::uint64_t>(std::llabs(header.biHeight));
    return size > MAX_DIB_BYTES ? 0xFFFFFFFFu : static_cast<DWORD>(size);
}

WORD ColourCount(const BITMAPINFOHEADER& header)
{
    WORD count = LOWORD(header.biClrUsed);
    // Only palette formats (1, 4, 8 bits) have an implied full table.
    if (count == 0 && header.biBitCount != 24 && header.biBitCount <= 8)
        count = static_cast<WORD>(1u << header.biBitCount);
    return count;
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
bool MakeBitmapAndPalette(HLOCAL packedDib, WORD colourCount, DibImage* image)
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
        const BYTE* bits = reinterpret_cast<const BYTE*>(header) + header->biSize + colourCount * sizeof(RGBQUAD);
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
    const ResourceBytes file{static_cast<const BYTE*>(locked), SizeofResource(nullptr, resource)};

    HLOCAL packedDib = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, INITIAL_SIZE);
    if (!packedDib) {
        ShowError("Can't alloc hDIB");
        return 0;
    }
    image->packedDib = packedDib;
    auto* header = static_cast<BITMAPINFOHEADER*>(LocalLock(packedDib));

    BITMAPFILEHEADER fileHeader{};
    file.CopyOut(&fileHeader, 0, sizeof fileHeader);
    if (fileHeader.bfType != BM_SIGNATURE) {
        ShowError("file is no BM-format");
        return FailLoad(packedDib, image);
    }

    const DWORD headerOffset = sizeof(BITMAPFILEHEADER);
    BITMAPCOREHEADER core{};
    file.CopyOut(&core, headerOffset, CORE_HEADER_SIZE);
    const bool coreFormat = core.bcSize == CORE_HEADER_SIZE;
    DWORD sourceHeaderSize = INFO_HEADER_SIZE;
    if (coreFormat) {
        header->biSize = INFO_HEADER_SIZE;
        header->biBitCount = core.bcBitCount;
        header->biPlanes = core.bcPlanes;
        header->biHeight = core.bcHeight;
        header->biWidth = core.bcWidth;
        sourceHeaderSize = CORE_HEADER_SIZE;
    } else {
        file.CopyOut(header, headerOffset, INFO_HEADER_SIZE);
        // Later header versions (V4, V5) start with the same 40 bytes; the
        // packed copy keeps only those, so the table follows right after.
        if (header->biSize > INFO_HEADER_SIZE)
            sourceHeaderSize = header->biSize;
        header->biSize = INFO_HEADER_SIZE;
    }

    const WORD colourCount = ColourCount(*header);
    if (header->biClrUsed == 0)
        header->biClrUsed = colourCount;
    // CreateDIBitmap reads the computed size of uncompressed rows whatever
    // the header states, so a stated size too small must not shrink the
    // buffer; compressed bits have only their stated size.
    const DWORD computed = ComputedImageSize(*header);
    const bool uncompressed = header->biCompression == BI_RGB || header->biCompression == BI_BITFIELDS;
    if (header->biSizeImage == 0 || (uncompressed && computed > header->biSizeImage))
        header->biSizeImage = computed;

    const DWORD tableSize = colourCount * sizeof(RGBQUAD);
    const DWORD bitsSize = header->biSizeImage;
    const std::uint64_t total = static_cast<std::uint64_t>(header->biSize) + tableSize + bitsSize;
    LocalUnlock(packedDib);
    HLOCAL grown = total > MAX_DIB_BYTES
                       ? nullptr
                       : LocalReAlloc(packedDib, static_cast<SIZE_T>(total), LMEM_MOVEABLE | LMEM_ZEROINIT);
    if (!grown) {
        ShowError("Can't realloc hDIB");
        return FailLoad(packedDib, image);
    }
    packedDib = grown;
    image->packedDib = packedDib;
    auto* bytes = static_cast<BYTE*>(LocalLock(packedDib));
    header = reinterpret_cast<BITMAPINFOHEADER*>(bytes);

    const DWORD tableOffset = headerOffset + sourceHeaderSize;
    BYTE* table = bytes + INFO_HEADER_SIZE;
    DWORD sourceTableSize = tableSize;
    if (coreFormat) {
        sourceTableSize = colourCount * sizeof(RGBTRIPLE);
        file.CopyOut(table, tableOffset, sourceTableSize);
        // Widen in place from the last entry down so no triple is overwritten
        // before it is read.
        for (int i = colourCount - 1; i >= 0; --i) {
            const RGBTRIPLE triple = *reinterpret_cast<const RGBTRIPLE*>(table + i * sizeof(RGBTRIPLE));
            RGBQUAD quad{triple.rgbtBlue, triple.rgbtGreen, triple.rgbtRed, 0};
            std::memcpy(table + i * sizeof(RGBQUAD), &quad, sizeof quad);
        }
    } else {
        file.CopyOut(table, tableOffset, tableSize);
    }

    const DWORD bitsOffset = fileHeader.bfOffBits ? fileHeader.bfOffBits : tableOffset + sourceTableSize;
    file.CopyOut(bytes + header->biSize + tableSize, bitsOffset, bitsSize);
    LocalUnlock(packedDib);

    if (!MakeBitmapAndPalette(packedDib, colourCount, image)) {
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
