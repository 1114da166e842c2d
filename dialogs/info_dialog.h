#pragma once
// The about box DLG_INFO: the picture "InfoBitmap" fills the dialog and the
// texts stand on it transparently.
#include <windows.h>

#include "controls/dib.h"
#include "framework/modal_dialog.h"

class InfoDialog : public ModalDialog {
public:
    // Runs the dialog; the object deletes itself.
    InfoDialog(HINSTANCE module, HWND parent);
    ~InfoDialog() override;

    INT_PTR OnInitDialog(HWND dialog) override;
    INT_PTR OnPaint(HWND dialog) override;
    INT_PTR OnCtlColor(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;

private:
    friend struct InfoDialogTestAccess;

    // The picture and its palette exist only while the dialog is open.
    DibImage picture_;
    bool loaded_ = false;
    // The palette the first paint replaced, null until then.
    HPALETTE previousPalette_ = nullptr;
};
