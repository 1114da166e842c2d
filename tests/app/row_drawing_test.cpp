// Cells of the month plan list: texts shortened with "..." to their cell,
// right-aligned texts ending 8 pixels before the cell's edge.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "app/row_drawing.h"
#include "framework/handles.h"

namespace {

class CellCanvas {
public:
    CellCanvas() : screen_(nullptr), memory_(screen_.Get()), bitmap_(CreateCompatibleBitmap(screen_.Get(), 200, 20))
    {
        selected_ = SelectObject(memory_.Get(), bitmap_.Get());
        PatBlt(memory_.Get(), 0, 0, 200, 20, WHITENESS);
    }
    ~CellCanvas() { SelectObject(memory_.Get(), selected_); }
    HDC Get() const { return memory_.Get(); }
    int Width(const std::string& text) const
    {
        SIZE size{};
        GetTextExtentPoint32A(memory_.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    WindowDC screen_;
    MemoryDC memory_;
    BitmapHandle bitmap_;
    HGDIOBJ selected_;
};

} // namespace

TEST(RowDrawingTest, FitTextShortensToTheCellLessItsMargin)
{
    CellCanvas canvas;
    const std::string remark = "Überstunden für die Änderung";
    const int full = canvas.Width(remark);
    const int dots = canvas.Width("...");
    const struct {
        int width;
        bool shortened;
    } cases[] = {
        {full + 4, false}, // fits exactly with its margin
        {full + 3, true},  {full / 2, true},
        {dots + 4, true},  {dots + 3, false}, // not even "..." fits: the cell clips the text
        {0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        char text[CELL_TEXT_SIZE];
        lstrcpynA(text, remark.c_str(), sizeof text);
        FitText(canvas.Get(), text, sizeof text, c.width);
        const std::string fitted = text;
        if (!c.shortened) {
            EXPECT_EQ(fitted, remark);
            continue;
        }
        ASSERT_GE(fitted.size(), 3u);
        EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
        EXPECT_EQ(remark.compare(0, fitted.size() - 3, fitted, 0, fitted.size() - 3), 0);
        EXPECT_LE(canvas.Width(fitted), c.width - 4);
        EXPECT_GT(canvas.Width(remark.substr(0, fitted.size() - 2) + "..."), c.width - 4) << "shortened too far";
    }
}

TEST(RowDrawingTest, RightAlignedTextEndsEightPixelsBeforeTheEdge)
{
    CellCanvas canvas;
    SetTextColor(canvas.Get(), RGB(0, 0, 0));
    SetBkColor(canvas.Get(), RGB(255, 255, 255));
    for (const int cellWidth : {60, 30}) {
        SCOPED_TRACE(cellWidth);
        PatBlt(canvas.Get(), 0, 0, 200, 20, WHITENESS);
        const RECT cell{100, 0, 100 + cellWidth, 18};
        DrawCell(canvas.Get(), "-123:45T", cell, true);
        int rightmost = -1, leftmost = 200;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 18; ++y)
                if (GetPixel(canvas.Get(), x, y) == RGB(0, 0, 0)) {
                    rightmost = std::max(rightmost, x);
                    leftmost = std::min(leftmost, x);
                }
        ASSERT_GE(rightmost, 0);
        EXPECT_LE(rightmost, cell.right - 8 - 1);
        EXPECT_GE(rightmost, cell.right - 8 - 3);
        EXPECT_GE(leftmost, cell.left) << "nothing drawn into the cell before";
    }
}
