#include "app/row_drawing.h"

#include <cstring>

namespace {

constexpr char ELLIPSIS[] = "...";

int TextWidth(HDC dc, const char* text, int length)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    return size.cx;
}

} // namespace

void FitText(HDC dc, char* text, int size, int width)
{
    // Unsigned like the cell arithmetic: a cell under 4 pixels fits nothing.
    const unsigned available = static_cast<unsigned>(width - 4);
    int length = static_cast<int>(std::strlen(text));
    if (static_cast<unsigned>(TextWidth(dc, text, length)) <= available)
        return;
    const int ellipsisWidth = TextWidth(dc, ELLIPSIS, 3);
    if (static_cast<unsigned>(ellipsisWidth) > available)
        return;
    while (length > 0 &&
           (static_cast<unsigned>(TextWidth(dc, text, length) + ellipsisWidth) > available || length + 4 > size))
        --length;
    std::memcpy(text + length, ELLIPSIS, sizeof ELLIPSIS);
}

void DrawCell(HDC dc, const char* text, const RECT& cell, bool rightAligned)
{
    char fitted[CELL_TEXT_SIZE];
    lstrcpynA(fitted, text, sizeof fitted);
    FitText(dc, fitted, sizeof fitted, cell.right - cell.left);
    const int length = static_cast<int>(std::strlen(fitted));
    const int x = rightAligned ? cell.right - TextWidth(dc, fitted, length) - 8 : cell.left + 2;
    // Filled and clipped to the cell: a text wider than its cell never
    // paints into the cell before it.
    ExtTextOutA(dc, x, cell.top + 1, ETO_CLIPPED | ETO_OPAQUE, &cell, fitted, static_cast<UINT>(length), nullptr);
}
