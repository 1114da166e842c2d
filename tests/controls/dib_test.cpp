#include <gtest/gtest.h>

#include <cstring>

#include "controls/dib.h"
#include "framework/handles.h"
#include "tests/framework/message_box_catcher.h"

namespace {

// A loaded packed DIB, locked for reading while it lives.
class LockedDib {
public:
    explicit LockedDib(HLOCAL dib) : dib_(dib), bytes_(static_cast<const BYTE*>(LocalLock(dib))) {}
    ~LockedDib() { LocalUnlock(dib_); }
    const BITMAPINFOHEADER& Header() const { return *reinterpret_cast<const BITMAPINFOHEADER*>(bytes_); }
    const RGBQUAD* Colours() const { return reinterpret_cast<const RGBQUAD*>(bytes_ + Header().biSize); }
    const BYTE* Bits(int colourCount) const { return bytes_ + Header().biSize + colourCount * sizeof(RGBQUAD); }

private:
    HLOCAL dib_;
    const BYTE* bytes_;
};

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
    const char* name;
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
                         testing::Values(FailureCase{"Missing", "NOSUCHPICTURE", "Can't find resource 'NOSUCHPICTURE'"},
                                         FailureCase{"NotBM", "NOTBM", "file is no BM-format"},
                                         FailureCase{"DamagedSize", "HUGE", "Can't realloc hDIB"}),
                         [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(Dib, CoreHeaderBecomesAnInfoHeaderWithAWidenedColourTable)
{
    DibImage image;
    ASSERT_EQ(LoadDibResource("DIB", "CORE16", &image), 1);
    {
        LockedDib dib(image.packedDib);
        const BITMAPINFOHEADER& header = dib.Header();
        EXPECT_EQ(header.biSize, 40u);
        EXPECT_EQ(header.biWidth, 4);
        EXPECT_EQ(header.biHeight, 2);
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, 4);
        EXPECT_EQ(header.biClrUsed, 16u);
        EXPECT_EQ(header.biSizeImage, 8u);
        for (int i = 0; i < 16; ++i) {
            // The generator's colours: red i*16, green 255-i*16, blue i*37 mod 256.
            EXPECT_EQ(dib.Colours()[i].rgbRed, i * 16) << i;
            EXPECT_EQ(dib.Colours()[i].rgbGreen, 255 - i * 16) << i;
            EXPECT_EQ(dib.Colours()[i].rgbBlue, (i * 37) % 256) << i;
            EXPECT_EQ(dib.Colours()[i].rgbReserved, 0) << i;
        }
        const BYTE expectedBits[] = {0x01, 0x23, 0, 0, 0xCD, 0xEF, 0, 0};
        EXPECT_EQ(std::memcmp(dib.Bits(16), expectedBits, sizeof expectedBits), 0);
    }
    EXPECT_NE(image.palette, GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(GetPaletteEntries(image.palette, 0, 0, nullptr), 16u);
    // Top-left pixel is index 12 (top row, stored last).
    EXPECT_EQ(PixelOf(image.bitmap, 0, 0), RGB(12 * 16, 255 - 12 * 16, (12 * 37) % 256));
    EXPECT_EQ(FreeDib(&image), 1);
    EXPECT_EQ(image.packedDib, nullptr);
}

TEST(Dib, TwentyFourBitsHaveNoTableTheDefaultPaletteAndBitsAfterTheHeader)
{
    DibImage image;
    ASSERT_EQ(LoadDibResource("DIB", "RGB24", &image), 1);
    {
        LockedDib dib(image.packedDib);
        EXPECT_EQ(dib.Header().biClrUsed, 0u);
        EXPECT_EQ(dib.Header().biSizeImage, 24u);
        EXPECT_EQ(LocalSize(image.packedDib), 40u + 24u);
    }
    EXPECT_EQ(image.palette, GetStockObject(DEFAULT_PALETTE));
    struct Expected {
        int x, y;
        COLORREF colour;
    };
    for (const Expected& e :
         {Expected{0, 0, RGB(255, 255, 255)}, Expected{2, 0, RGB(255, 255, 0)}, Expected{0, 1, RGB(255, 0, 0)},
          Expected{1, 1, RGB(0, 255, 0)}, Expected{2, 1, RGB(0, 0, 255)}})
        EXPECT_EQ(PixelOf(image.bitmap, e.x, e.y), e.colour) << e.x << "," << e.y;
    int width = 0;
    int height = 0;
    EXPECT_EQ(GetBitmapSize(image.bitmap, &width, &height), 1);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    FreeDib(&image);
}

TEST(Dib, ZeroImageSizeIsComputedFromPaddedRows)
{
    DibImage image;
    ASSERT_EQ(LoadDibResource("DIB", "SIZE0", &image), 1);
    {
        LockedDib dib(image.packedDib);
        EXPECT_EQ(dib.Header().biSizeImage, 36u) << "three rows of 12 bytes";
        EXPECT_EQ(dib.Header().biClrUsed, 256u);
        EXPECT_EQ(dib.Bits(256)[10 + 2], 10) << "second row starts after the padding";
    }
    FreeDib(&image);
}

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
