#include "controls/dib_header.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint16_t BM_SIGNATURE = 0x4D42;
constexpr std::uint64_t FILE_HEADER_SIZE = 14;
constexpr std::uint32_t INFO_HEADER_SIZE = 40;
constexpr std::uint32_t CORE_HEADER_SIZE = 12;

// The file's bytes read with bounds: past the end they read as zeros.
struct FileBytes {
    const std::uint8_t* data;
    std::size_t size;

    void CopyOut(void* destination, std::uint64_t offset, std::uint64_t count) const
    {
        auto* out = static_cast<std::uint8_t*>(destination);
        const std::uint64_t available = offset < size ? size - offset : 0;
        const std::uint64_t copied = count < available ? count : available;
        if (copied)
            std::memcpy(out, data + offset, static_cast<std::size_t>(copied));
        std::memset(out + copied, 0, static_cast<std::size_t>(count - copied));
    }
    std::uint32_t Read(std::uint64_t offset, unsigned width) const
    {
        std::uint8_t bytes[4] = {};
        CopyOut(bytes, offset, width);
        return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    }
};

DibInfoHeader ReadInfoHeader(const FileBytes& file, std::uint64_t at)
{
    DibInfoHeader h{};
    h.size = file.Read(at, 4);
    h.width = static_cast<std::int32_t>(file.Read(at + 4, 4));
    h.height = static_cast<std::int32_t>(file.Read(at + 8, 4));
    h.planes = static_cast<std::uint16_t>(file.Read(at + 12, 2));
    h.bitCount = static_cast<std::uint16_t>(file.Read(at + 14, 2));
    h.compression = file.Read(at + 16, 4);
    h.sizeImage = file.Read(at + 20, 4);
    h.xPelsPerMeter = static_cast<std::int32_t>(file.Read(at + 24, 4));
    h.yPelsPerMeter = static_cast<std::int32_t>(file.Read(at + 28, 4));
    h.clrUsed = file.Read(at + 32, 4);
    h.clrImportant = file.Read(at + 36, 4);
    return h;
}

// Rows padded to 32 bits, in 64 bits so that no width or height overflows;
// beyond MAX_DIB_BYTES it reads as 0xFFFFFFFF, which the size check refuses.
std::uint32_t ComputedImageSize(const DibInfoHeader& header)
{
    const std::uint64_t rowBits =
        static_cast<std::uint64_t>(header.bitCount) * static_cast<std::uint64_t>(std::llabs(header.width));
    const std::uint64_t size = (rowBits + 31) / 32 * 4 * static_cast<std::uint64_t>(std::llabs(header.height));
    return size > MAX_DIB_BYTES ? 0xFFFFFFFFu : static_cast<std::uint32_t>(size);
}

std::uint16_t ColourCount(const DibInfoHeader& header)
{
    auto count = static_cast<std::uint16_t>(header.clrUsed & 0xFFFF);
    // Only palette formats (1, 4, 8 bits) have an implied full table.
    if (count == 0 && header.bitCount != 24 && header.bitCount <= 8)
        count = static_cast<std::uint16_t>(1u << header.bitCount);
    return count;
}

} // namespace

DibHeaderResult PlanPackedDib(const std::uint8_t* data, std::size_t fileSize, DibLayout& layout)
{
    const FileBytes file{data, fileSize};
    layout = DibLayout{};
    if (file.Read(0, 2) != BM_SIGNATURE)
        return DibHeaderResult::NotBitmap;
    const std::uint32_t bfOffBits = file.Read(10, 4);

    DibInfoHeader& header = layout.header;
    std::uint64_t sourceHeaderSize = INFO_HEADER_SIZE;
    if (file.Read(FILE_HEADER_SIZE, 4) == CORE_HEADER_SIZE) {
        layout.coreFormat = true;
        header.size = INFO_HEADER_SIZE;
        header.width = static_cast<std::int32_t>(file.Read(FILE_HEADER_SIZE + 4, 2));
        header.height = static_cast<std::int32_t>(file.Read(FILE_HEADER_SIZE + 6, 2));
        header.planes = static_cast<std::uint16_t>(file.Read(FILE_HEADER_SIZE + 8, 2));
        header.bitCount = static_cast<std::uint16_t>(file.Read(FILE_HEADER_SIZE + 10, 2));
        sourceHeaderSize = CORE_HEADER_SIZE;
    } else {
        header = ReadInfoHeader(file, FILE_HEADER_SIZE);
        // Later header versions (V4, V5) start with the same 40 bytes; the
        // packed copy keeps only those, so the table follows right after.
        if (header.size > INFO_HEADER_SIZE)
            sourceHeaderSize = header.size;
        header.size = INFO_HEADER_SIZE;
    }

    // A colour count beyond 16 bits names no table the loader keeps; the
    // system would read up to a full palette from a table cut to the low
    // 16 bits, past the packed copy. Such a count reads as none stated.
    if (header.clrUsed > 0xFFFF)
        header.clrUsed = 0;
    const std::uint16_t colourCount = ColourCount(header);
    if (header.clrUsed == 0)
        header.clrUsed = colourCount;
    // CreateDIBitmap reads the computed size of uncompressed rows whatever
    // the header states, so a stated size too small must not shrink the
    // buffer; compressed bits have only their stated size.
    const std::uint32_t computed = ComputedImageSize(header);
    const bool uncompressed = header.compression == DIB_RGB || header.compression == DIB_BITFIELDS;
    if (header.sizeImage == 0 || (uncompressed && computed > header.sizeImage))
        header.sizeImage = computed;

    // 16- and 32-bit BI_BITFIELDS pictures carry three colour masks where the
    // table stands, and the system reads them there whatever clrUsed says.
    layout.tableEntries = colourCount;
    const bool masks = header.compression == DIB_BITFIELDS && (header.bitCount == 16 || header.bitCount == 32);
    if (masks && layout.tableEntries < 3)
        layout.tableEntries = 3;
    layout.tableOffset = FILE_HEADER_SIZE + sourceHeaderSize;
    const std::uint64_t sourceTableSize = static_cast<std::uint64_t>(layout.tableEntries) * (layout.coreFormat ? 3 : 4);
    layout.bitsOffset = bfOffBits ? bfOffBits : layout.tableOffset + sourceTableSize;
    layout.packedSize = static_cast<std::uint64_t>(header.size) + layout.tableEntries * 4ull + header.sizeImage;
    return layout.packedSize > MAX_DIB_BYTES ? DibHeaderResult::TooLarge : DibHeaderResult::Ok;
}

void FillPackedDib(const std::uint8_t* data, std::size_t fileSize, const DibLayout& layout, std::uint8_t* packed)
{
    const FileBytes file{data, fileSize};
    std::memcpy(packed, &layout.header, sizeof layout.header);
    std::uint8_t* table = packed + sizeof layout.header;
    const std::uint32_t entries = layout.tableEntries;
    if (layout.coreFormat) {
        file.CopyOut(table, layout.tableOffset, entries * 3ull);
        // Widen RGBTRIPLEs to RGBQUADs in place from the last entry down, so
        // no triple is overwritten before it is read.
        for (std::uint32_t i = entries; i-- > 0;) {
            const std::uint8_t blue = table[i * 3], green = table[i * 3 + 1], red = table[i * 3 + 2];
            table[i * 4] = blue;
            table[i * 4 + 1] = green;
            table[i * 4 + 2] = red;
            table[i * 4 + 3] = 0;
        }
    } else {
        file.CopyOut(table, layout.tableOffset, entries * 4ull);
    }
    file.CopyOut(table + entries * 4ull, layout.bitsOffset, layout.header.sizeImage);
}
