// The DIB header checks on a crafted BMP file: what the packed copy holds.
// That the copy covers everything the system reads from it, whatever the
// bytes, is the fuzz target's check (fuzz/dib_header_fuzz.cpp, with the
// pictures it once found wrong in its corpus).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/dib_header.h"

namespace {

// A 2 x 2 picture of 4 bits with a core (12-byte) header, whose file ends
// after 3 of the 16 RGBTRIPLEs of its colour table.
TEST(DibHeader, WidensACoreTableAndFillsZerosPastTheFileEnd)
{
    // "BM" and the rest of the file header; size, width, height, planes and bits of the core header.
    std::vector<std::uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                      0,   12,  0, 0, 0, 2, 0, 2, 0, 1, 0, 4, 0};
    file.insert(file.end(), 9, 0xAB);
    DibLayout layout;
    ASSERT_EQ(PlanPackedDib(file.data(), file.size(), layout), DibHeaderResult::Ok);
    EXPECT_EQ(layout.header.size, 40u);
    EXPECT_EQ(layout.tableEntries, 16u);
    EXPECT_EQ(layout.header.clrUsed, 16u);
    EXPECT_EQ(layout.header.sizeImage, 8u);
    EXPECT_EQ(layout.bitsOffset, 14u + 12 + 16 * 3);
    ASSERT_EQ(layout.packedSize, 40u + 16 * 4 + 8);
    std::vector<std::uint8_t> packed(layout.packedSize, 0xEE);
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
