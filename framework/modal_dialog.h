#pragma once
// Base of every application dialog: runs modally, ended by EndModal.
#include "framework/dialog.h"

class ModalDialog : public Dialog {
public:
    explicit ModalDialog(HINSTANCE module) : Dialog(module) {}

    // Both return the EndDialog value; failure is fatal. The object may be
    // deleted when they return (see Dialog).
    INT_PTR DoModal(HWND parent, const char* templateName);
    INT_PTR DoModal(HWND parent, HINSTANCE templateModule, const char* templateName);

    // Ends the dialog with 1; calling it again does nothing.
    void EndModal(HWND dialog);
};
