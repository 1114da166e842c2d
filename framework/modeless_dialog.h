#pragma once
// A dialog that runs beside its parent until Destroy. The message loop does
// not call IsDialogMessage, so it has no dialog keyboard navigation.
#include "framework/dialog.h"

class ModelessDialog : public Dialog {
public:
    explicit ModelessDialog(HINSTANCE module) : Dialog(module) {}

    // Both return the dialog window; failure is fatal.
    HWND Create(HWND parent, const char* templateName);
    HWND Create(HWND parent, HINSTANCE templateModule, const char* templateName);

    // Destroys the window (and with it this object).
    void Destroy(HWND dialog);
};
