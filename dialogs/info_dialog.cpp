#include "dialogs/info_dialog.h"

#include "framework/handles.h"

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
