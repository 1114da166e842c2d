// The DIB header checks on crafted BMP files: what the packed copy holds and
// that it covers everything the system reads from it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "controls/dib_header.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Picture {
    std::int32_t width = 10;
    std::int32_t height = 3;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = DIB_RGB;
    std::uint32_t sizeImage = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t offBits = 0;
    bool core = false;
    std::size_t extra = 0; // bytes of table and bits after the header, each 0xAB
};

// "BM", the file header's offset to the bits, a core (12-byte) or info
// (40-byte) header as little-endian fields {value, bytes}, the extra bytes.
Bytes Bmp(const Picture& p)
{
    const auto w = static_cast<std::uint32_t>(p.width), h = static_cast<std::uint32_t>(p.height);
    const int n = p.core ? 2 : 4; // bytes of width and height
    std::vector<std::pair<std::uint32_t, int>> fields = {{0x4D42, 2}, {0, 8}, {p.offBits, 4}, {p.core ? 12u : 40u, 4},
                                                         {w, n},      {h, n}, {1, 2},         {p.bitCount, 2}};
    if (!p.core)
        fields.insert(fields.end(), {{p.compression, 4}, {p.sizeImage, 4}, {0, 8}, {p.clrUsed, 4}, {0, 4}});
    Bytes out;
    for (const auto& [value, bytes] : fields)
        for (int i = 0; i < bytes; ++i)
            out.push_back(i < 4 ? static_cast<std::uint8_t>(value >> (8 * i)) : 0);
    out.insert(out.end(), p.extra, 0xAB);
    return out;
}

struct LayoutCase {
    const char* name;
    Picture picture;
    std::uint32_t tableEntries;
    std::uint32_t clrUsed;
    std::uint32_t sizeImage;
    std::uint64_t bitsOffset;
};

const LayoutCase kLayouts[] = {
    {"core header, 16 colours as RGBTRIPLEs", {2, 2, 4, DIB_RGB, 0, 0, 0, true}, 16, 16, 8, 14 + 12 + 48},
    // Found by fuzz/: a count beyond 16 bits left a 5-entry table for a
    // system that reads 256 colours.
    {"colour count beyond 16 bits reads as none", {1, 1, 8, DIB_RGB, 0, 0x10005}, 256, 256, 4, 14 + 40 + 1024},
    // Found by fuzz/: the three masks were not copied, and the system read
    // them from the bits and past them.
    {"BI_BITFIELDS keeps its three masks", {1, 1, 16, DIB_BITFIELDS}, 3, 0, 4, 14 + 40 + 12},
};

TEST(DibHeader, PlansThePackedCopy)
{
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(c.name);
        const Bytes file = Bmp(c.picture);
        DibLayout layout;
        ASSERT_EQ(PlanPackedDib(file.data(), file.size(), layout), DibHeaderResult::Ok);
        EXPECT_EQ(layout.header.size, 40u);
        EXPECT_EQ(layout.tableEntries, c.tableEntries);
        EXPECT_EQ(layout.header.clrUsed, c.clrUsed);
        EXPECT_EQ(layout.header.sizeImage, c.sizeImage);
        EXPECT_EQ(layout.bitsOffset, c.bitsOffset);
        EXPECT_EQ(layout.packedSize, 40 + 4ull * c.tableEntries + c.sizeImage);
    }
}

TEST(DibHeader, FillsWidenedTableAndZerosPastATruncatedFile)
{
    // A core picture whose file ends inside its colour table.
    const Bytes file = Bmp({2, 2, 4, DIB_RGB, 0, 0, 0, true, 9});
    DibLayout layout;
    ASSERT_EQ(PlanPackedDib(file.data(), file.size(), layout), DibHeaderResult::Ok);
    Bytes packed(layout.packedSize, 0xEE);
    FillPackedDib(file.data(), file.size(), layout, packed.data());
    const std::uint8_t* table = packed.data() + 40;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(table[i * 4], 0xAB);
        EXPECT_EQ(table[i * 4 + 3], 0) << i;
    }
    for (std::size_t i = 3 * 4; i < packed.size() - 40; ++i)
        ASSERT_EQ(table[i], 0) << i;
}

} // namespace
