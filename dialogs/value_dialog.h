#pragma once
// Base of the small entry and value dialogs: OK runs the dialog's check and
// store, and the dialog stays open when it fails; "Abbrechen" (or Escape)
// runs the cancel action and ends the dialog. Each derived constructor runs
// the dialog with DoModal, so the object is gone when it returns.
#include "framework/modal_dialog.h"

class ValueDialog : public ModalDialog {
public:
    using ModalDialog::ModalDialog;

    INT_PTR OnInitDialog(HWND dialog) override;
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;

protected:
    // Fills the controls; the dialog is centred afterwards.
    virtual void Fill(HWND dialog) = 0;
    // False keeps the dialog open.
    virtual bool Accept(HWND dialog) = 0;
    virtual void Cancel() {}
};
