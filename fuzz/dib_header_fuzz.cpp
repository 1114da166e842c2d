// The DIB header checks on any bytes: the packed copy is filled within its
// size, and it holds everything CreateDIBitmap reads from it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "controls/dib_header.h"

namespace {

[[noreturn]] void Fail(const char* what, const DibLayout& layout)
{
    const DibInfoHeader& h = layout.header;
    std::fprintf(stderr, "%s: %d x %d, %u bits, compression %u, clrUsed %u, sizeImage %u, table %u, packed %llu\n",
                 what, h.width, h.height, h.bitCount, h.compression, h.clrUsed, h.sizeImage, layout.tableEntries,
                 static_cast<unsigned long long>(layout.packedSize));
    std::abort();
}

// Colour-table entries the system reads: for palette formats clrUsed (at most
// the format's full table) or the full table; three masks for BI_BITFIELDS.
std::uint64_t TableEntriesRead(const DibInfoHeader& h)
{
    if (h.bitCount <= 8) {
        const std::uint64_t full = 1ull << h.bitCount;
        return h.clrUsed != 0 && h.clrUsed < full ? h.clrUsed : full;
    }
    if (h.compression == DIB_BITFIELDS && (h.bitCount == 16 || h.bitCount == 32))
        return 3;
    return 0;
}

// Bytes of bits the system reads: whole padded rows when uncompressed, the
// stated size otherwise.
std::uint64_t BitsRead(const DibInfoHeader& h)
{
    if (h.compression != DIB_RGB && h.compression != DIB_BITFIELDS)
        return h.sizeImage;
    const std::uint64_t width = static_cast<std::uint64_t>(std::llabs(h.width));
    const std::uint64_t height = static_cast<std::uint64_t>(std::llabs(h.height));
    return (h.bitCount * width + 31) / 32 * 4 * height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DibLayout layout;
    if (PlanPackedDib(data, size, layout) != DibHeaderResult::Ok)
        return 0;
    const DibInfoHeader& h = layout.header;
    if (layout.packedSize > MAX_DIB_BYTES || layout.packedSize != 40 + layout.tableEntries * 4ull + h.sizeImage ||
        h.size != 40)
        Fail("packed size inconsistent", layout);
    if (TableEntriesRead(h) > layout.tableEntries)
        Fail("the system reads more colour entries than the table holds", layout);
    if (BitsRead(h) > h.sizeImage)
        Fail("the system reads more bits than were copied", layout);
    // Exactly the planned size, so the sanitizer sees any write past it; large
    // pictures are only planned, a fill of them teaches nothing new and is slow.
    if (layout.packedSize > (1u << 20))
        return 0;
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(layout.packedSize));
    FillPackedDib(data, size, layout, packed.data());
    return 0;
}
