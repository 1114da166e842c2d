#include "controls/button_image.h"

namespace {

constexpr int ICON_SIZE = 32;
constexpr int ICON_TOP = 6;
constexpr int TEXT_TOP = 44;

// Every second pixel in the background: even x in even rows, odd x in odd rows.
void Checkerboard(HDC dc, int width, HBRUSH brush)
{
    for (int y = 0; y < BUTTON_HEIGHT; ++y) {
        for (int x = y % 2; x < width; x += 2) {
            RECT pixel{x, y, x + 1, y + 1};
            FillRect(dc, &pixel, brush);
        }
    }
}

// One-pixel frame: light edges top and left, dark edges bottom and right.
void Frame(HDC dc, int width, HPEN topLeft, HPEN bottomRight)
{
    {
        SelectedObject pen(dc, topLeft);
        MoveToEx(dc, 0, BUTTON_HEIGHT - 1, nullptr);
        LineTo(dc, 0, 0);
        LineTo(dc, width, 0);
    }
    SelectedObject pen(dc, bottomRight);
    MoveToEx(dc, 0, BUTTON_HEIGHT - 1, nullptr);
    LineTo(dc, width - 1, BUTTON_HEIGHT - 1);
    LineTo(dc, width - 1, 0);
}

} // namespace

BitmapHandle RenderButtonImage(HWND bar, const ButtonImageContent& content, ButtonLook look)
{
    RECT client{};
    GetClientRect(bar, &client);
    const int width = client.right - client.left;

    WindowDC barDC(bar);
    MemoryDC memory(barDC.Get());
    BitmapHandle image(CreateCompatibleBitmap(barDC.Get(), width, BUTTON_HEIGHT));
    if (!image)
        return image;
    HDC dc = memory.Get();
    SelectedObject selectedImage(dc, image.Get());

    RECT whole{0, 0, width, BUTTON_HEIGHT};
    FillRect(dc, &whole, content.background ? content.background : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    const bool pressed = look == LOOK_PRESSED;
    if (HICON icon = LoadIconA(content.module, content.iconName))
        DrawIcon(dc, width / 2 - ICON_SIZE / 2 + (pressed ? 1 : 0), ICON_TOP + (pressed ? 1 : 0), icon);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, content.textColour);
    {
        SelectedObject font(dc, GetStockObject(ANSI_VAR_FONT));
        RECT textBand{0, TEXT_TOP, width, BUTTON_HEIGHT};
        DrawTextA(dc, content.text ? content.text : "", -1, &textBand,
                  DT_CENTER | DT_NOCLIP | DT_INTERNAL | DT_END_ELLIPSIS);
    }

    if (look == LOOK_DISABLED)
        Checkerboard(dc, width,
                     content.background ? content.background : static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));

    if (look == LOOK_RAISED || pressed) {
        PenHandle white(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
        auto black = static_cast<HPEN>(GetStockObject(BLACK_PEN));
        if (pressed)
            Frame(dc, width, black, white.Get());
        else
            Frame(dc, width, white.Get(), black);
    }
    return image;
}
