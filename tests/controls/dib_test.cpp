#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "controls/dib.h"
#include "framework/handles.h"
#include "tests/framework/message_box_catcher.h"

namespace {

// The colour at (x, y) of a bitmap, read back through a 32-bit DIB section.
COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    WindowDC screen(nullptr);
    BitmapHandle target(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDC memory(screen.Get());
    SelectedObject selected(memory.Get(), target.Get());
    EXPECT_EQ(BlitBitmap(memory.Get(), bitmap, 0, 0), 1);
    return GetPixel(memory.Get(), x, y);
}

struct FailureCase {
    const char* resource;
    const char* message;
};

class DibFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(DibFailure, ShowsItsMessageTitledErrorAndReturnsZero)
{
    MessageBoxCatcher catcher;
    DibImage image;
    EXPECT_EQ(LoadDibResource("DIB", GetParam().resource, &image), 0);
    ASSERT_EQ(catcher.Caught().size(), 1u);
    EXPECT_EQ(catcher.Caught()[0].title, "Error");
    EXPECT_EQ(catcher.Caught()[0].text, GetParam().message);
    EXPECT_EQ(image.packedDib, nullptr);
    EXPECT_EQ(image.bitmap, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Messages, DibFailure,
                         testing::Values(FailureCase{"NOSUCHPICTURE", "Can't find resource 'NOSUCHPICTURE'"},
                                         FailureCase{"NOTBM", "file is no BM-format"},
                                         FailureCase{"HUGE", "Can't realloc hDIB"}, // damaged size
                                         FailureCase{"HUGESTATED", "Can't realloc hDIB"}),
                         [](const testing::TestParamInfo<FailureCase>& info) { return info.param.resource; });

struct Pixel {
    int x, y;
    COLORREF colour;
};

struct LoadCase {
    const char* resource;
    int width, height, bitCount;
    DWORD colours, imageSize; // in the loaded info header
    std::vector<Pixel> pixels;
};

class DibLoad : public testing::TestWithParam<LoadCase> {};

// The packed DIB holds an info header, the colour table and the bits; a
// picture with a colour table gets its own palette, one without the default.
TEST_P(DibLoad, GivesAnInfoHeaderColourTableBitsPaletteAndBitmap)
{
    const LoadCase& c = GetParam();
    DibImage image;
    ASSERT_EQ(LoadDibResource("DIB", c.resource, &image), 1);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LocalLock(image.packedDib));
    EXPECT_EQ(std::make_tuple(header->biSize, header->biWidth, header->biHeight, header->biPlanes, header->biBitCount),
              std::make_tuple(DWORD{40}, LONG{c.width}, LONG{c.height}, WORD{1}, WORD(c.bitCount)));
    EXPECT_EQ(header->biClrUsed, c.colours);
    EXPECT_EQ(header->biSizeImage, c.imageSize);
    LocalUnlock(image.packedDib);
    EXPECT_EQ(LocalSize(image.packedDib), 40 + c.colours * sizeof(RGBQUAD) + c.imageSize);
    if (c.colours)
        EXPECT_EQ(GetPaletteEntries(image.palette, 0, 0, nullptr), c.colours);
    else
        EXPECT_EQ(image.palette, GetStockObject(DEFAULT_PALETTE));
    for (const Pixel& p : c.pixels)
        EXPECT_EQ(PixelOf(image.bitmap, p.x, p.y), p.colour) << p.x << "," << p.y;
    int width = 0, height = 0;
    EXPECT_EQ(GetBitmapSize(image.bitmap, &width, &height), 1);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(c.width, c.height));
    EXPECT_EQ(FreeDib(&image), 1);
    EXPECT_EQ(image.packedDib, nullptr);
}

// The test pictures: CORE16 has a 12-byte core header and 16 colours (index i:
// red i*16, green 255-i*16, blue i*37 mod 256), RGB24 no colour table, SIZE0 a
// biSizeImage of 0 and rows of 10 bytes padded to 12 (index i: RGB(255-i, i, i)).
// SMALLSIZE is SIZE0 stating 12 bytes, BIGSIZE is RGB24 stating 40: the
// larger of stated and computed size holds the bits.
INSTANTIATE_TEST_SUITE_P(
    Pictures, DibLoad,
    testing::Values(LoadCase{"CORE16", 4, 2, 4, 16, 8, {{0, 0, RGB(192, 63, 188)}, {3, 1, RGB(48, 207, 111)}}},
                    LoadCase{"RGB24", 3, 2, 24, 0, 24, {{2, 0, RGB(255, 255, 0)}, {2, 1, RGB(0, 0, 255)}}},
                    LoadCase{"SIZE0", 10, 3, 8, 256, 36, {{0, 0, RGB(235, 20, 20)}, {0, 1, RGB(245, 10, 10)}}},
                    LoadCase{"SMALLSIZE", 10, 3, 8, 256, 36, {{0, 0, RGB(235, 20, 20)}, {9, 0, RGB(226, 29, 29)}}},
                    LoadCase{"BIGSIZE", 3, 2, 24, 0, 40, {{2, 0, RGB(255, 255, 0)}, {0, 1, RGB(255, 0, 0)}}}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.resource; });

TEST(Dib, HelpersRejectNullArguments)
{
    EXPECT_EQ(FreeDib(nullptr), 0);
    WindowDC screen(nullptr);
    EXPECT_EQ(BlitBitmap(screen.Get(), nullptr, 0, 0), 0);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 7, 5));
    EXPECT_EQ(BlitBitmap(nullptr, bitmap.Get(), 0, 0), 0);
    int width = 0;
    EXPECT_EQ(GetBitmapSize(bitmap.Get(), &width, nullptr), 1);
    EXPECT_EQ(width, 7);
    EXPECT_EQ(GetBitmapSize(nullptr, &width, nullptr), 0);
}

} // namespace
