#pragma once
// The bounds of a packed DIB made from a BMP file's bytes, without
// <windows.h>: which header, how many colour-table entries, where table and
// bits lie in the file and how large the packed copy must be. The file is
// not trusted; nothing it states can make the copy read or write out of bounds.
#include <cstddef>
#include <cstdint>

// BITMAPINFOHEADER's fields, in its order and size (40 bytes, little-endian).
struct DibInfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t clrUsed;
    std::uint32_t clrImportant;
};
static_assert(sizeof(DibInfoHeader) == 40, "DibInfoHeader must match BITMAPINFOHEADER");

constexpr std::uint32_t DIB_RGB = 0;       // BI_RGB
constexpr std::uint32_t DIB_BITFIELDS = 3; // BI_BITFIELDS
// The largest packed DIB accepted; a damaged header cannot make more be allocated or copied.
constexpr std::uint64_t MAX_DIB_BYTES = 256u << 20;

enum class DibHeaderResult { Ok, NotBitmap, TooLarge };

struct DibLayout {
    DibInfoHeader header{};         // as it goes into the packed DIB: size 40, clrUsed and sizeImage filled in
    bool coreFormat = false;        // the file has a 12-byte BITMAPCOREHEADER and RGBTRIPLE colours
    std::uint32_t tableEntries = 0; // RGBQUAD entries in the packed DIB's table
    std::uint64_t tableOffset = 0;  // of the colour table in the file
    std::uint64_t bitsOffset = 0;   // of the bits in the file
    std::uint64_t packedSize = 0;   // header, table and bits
};

// Reads the headers of a BMP file; TooLarge when the packed DIB would exceed MAX_DIB_BYTES.
DibHeaderResult PlanPackedDib(const std::uint8_t* file, std::size_t fileSize, DibLayout& layout);

// Writes the packed DIB (layout.packedSize bytes): header, RGBQUAD table,
// bits. Bytes beyond a truncated file's end read as zeros.
void FillPackedDib(const std::uint8_t* file, std::size_t fileSize, const DibLayout& layout, std::uint8_t* packed);
