#include "dialogs/info_dialog.h"

#include "framework/handles.h"

namespace {

// Where the dialog font is wider than the one the picture was drawn for, the
// dialog is larger than the picture: its last column and row are stretched
// over the rest, as nothing else paints the dialog's background.
void ExtendPicture(HWND dialog, HDC dc, HBITMAP picture)
{
    int width = 0, height = 0;
    RECT client{};
    if (!GetBitmapSize(picture, &width, &height) || width <= 0 || height <= 0 || !GetClientRect(dialog, &client))
        return;
    if (client.right > width)
        StretchBlt(dc, width, 0, client.right - width, height, dc, width - 1, 0, 1, height, SRCCOPY);
    if (client.bottom > height)
        StretchBlt(dc, 0, height, client.right, client.bottom - height, dc, 0, height - 1, client.right, 1, SRCCOPY);
}

} // namespace

InfoDialog::InfoDialog(HINSTANCE module, HWND parent) : ModalDialog(module)
{
    DoModal(parent, "DLG_INFO");
}

// Closing frees the picture; this covers a window destroyed any other way.
InfoDialog::~InfoDialog()
{
    if (loaded_)
        FreeDib(&picture_);
}

// Without the picture (the loader has told the user why) the box still runs.
INT_PTR InfoDialog::OnInitDialog(HWND dialog)
{
    loaded_ = LoadDibResource("DIB", "InfoBitmap", &picture_) != 0;
    CenterWindow(dialog);
    return 1;
}

INT_PTR InfoDialog::OnPaint(HWND dialog)
{
    PaintDC paint(dialog);
    if (!loaded_)
        return 0;
    HDC dc = paint.Get();
    const HPALETTE replaced = SelectPalette(dc, picture_.palette, FALSE);
    if (!previousPalette_)
        previousPalette_ = replaced;
    RealizePalette(dc);
    BlitBitmap(dc, picture_.bitmap, 0, 0);
    ExtendPicture(dialog, dc, picture_.bitmap);
    // The paint DC goes back to the system's cache: it must not keep the
    // picture's palette, which is deleted when the dialog closes.
    SelectPalette(dc, replaced, TRUE);
    return 0;
}

// Neither the dialog nor its texts paint a background over the picture.
INT_PTR InfoDialog::OnCtlColor(HWND*, WPARAM* wParam, LPARAM*)
{
    SetBkMode(reinterpret_cast<HDC>(*wParam), TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

INT_PTR InfoDialog::OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*)
{
    const WORD command = LOWORD(*wParam);
    if (command != IDOK && command != IDCANCEL)
        return 0;
    if (previousPalette_) {
        WindowDC dc(*dialog);
        SelectPalette(dc.Get(), previousPalette_, TRUE);
        RealizePalette(dc.Get());
    }
    if (loaded_) {
        FreeDib(&picture_);
        loaded_ = false;
    }
    EndModal(*dialog);
    return 1;
}
