#pragma once
// The note dialog DLG_MESSAGE: a bold heading, the note text and the box
// "Nachricht nicht mehr anzeigen", which starts ticked.
#include <windows.h>

#include "framework/modal_dialog.h"

class MessageDialog : public ModalDialog {
public:
    // Runs the dialog. Afterwards *dontShowAgain is 1 when it was left with
    // "Ok" and the box ticked, 0 with "Ok" and the box clear, and unchanged
    // when it was left with Escape. The object deletes itself.
    MessageDialog(HINSTANCE module, HWND parent, const char* text, int* dontShowAgain);

    INT_PTR OnInitDialog(HWND dialog) override;
    INT_PTR OnPaint(HWND dialog) override;
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;

private:
    char text_[512];
    int* dontShowAgain_;
};

// A daily warning of the live computation, shown without a parent. True when
// it was left with the box ticked or with Escape; false when the box was
// cleared. The timer keeps running under the dialog's modal loop, so a
// warning that comes while another one is open is not shown (false).
bool ShowWarningNotice(HINSTANCE module, const char* text);
