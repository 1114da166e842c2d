// The DIB header checks on any bytes: the packed copy is filled within its
// size and holds everything CreateDIBitmap reads from it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "controls/dib_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DibLayout layout;
    if (PlanPackedDib(data, size, layout) != DibHeaderResult::Ok)
        return 0;
    const DibInfoHeader& h = layout.header;
    // Colour entries the system reads: clrUsed (at most the full table) or the full table; three masks for BI_BITFIELDS.
    const std::uint64_t full = h.bitCount <= 8 ? 1ull << h.bitCount : 0;
    const std::uint64_t entries = h.bitCount <= 8 ? (h.clrUsed != 0 && h.clrUsed < full ? h.clrUsed : full)
                                  : h.compression == DIB_BITFIELDS && (h.bitCount == 16 || h.bitCount == 32) ? 3 : 0;
    // Bytes of bits read: whole padded rows when uncompressed, the stated size otherwise.
    const std::uint64_t bits = h.compression != DIB_RGB && h.compression != DIB_BITFIELDS
                                   ? h.sizeImage
                                   : (h.bitCount * static_cast<std::uint64_t>(std::llabs(h.width)) + 31) / 32 * 4 *
                                         static_cast<std::uint64_t>(std::llabs(h.height));
    if (layout.packedSize > MAX_DIB_BYTES || layout.packedSize != 40 + layout.tableEntries * 4ull + h.sizeImage ||
        h.size != 40 || entries > layout.tableEntries || bits > h.sizeImage) {
        std::fprintf(stderr, "%d x %d, %u bits, compression %u, clrUsed %u, sizeImage %u, table %u, packed %llu\n",
                     h.width, h.height, h.bitCount, h.compression, h.clrUsed, h.sizeImage, layout.tableEntries,
                     static_cast<unsigned long long>(layout.packedSize));
        std::abort();
    }
    if (layout.packedSize > (1u << 20)) // large pictures are only planned
        return 0;
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(layout.packedSize)); // exactly the planned size
    FillPackedDib(data, size, layout, packed.data());
    return 0;
}
