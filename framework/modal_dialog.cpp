#include "framework/modal_dialog.h"

#include "framework/dialog_template.h"
#include "framework/fatal_error.h"

INT_PTR ModalDialog::DoModal(HWND parent, const char* templateName)
{
    INT_PTR result = DialogBoxParamA(module_, templateName, parent, DialogProcedure,
                                     reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
    if (result == -1)
        RaiseFrameworkError("Failed to display dialog.");
    return result;
}

INT_PTR ModalDialog::DoModal(HWND parent, HINSTANCE templateModule, const char* templateName)
{
    const DLGTEMPLATE* dialogTemplate = LoadDialogTemplate(templateModule, templateName);
    INT_PTR result = DialogBoxIndirectParamA(module_, dialogTemplate, parent, DialogProcedure,
                                             reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
    if (result == -1)
        RaiseFrameworkError("Failed to display dialog.");
    return result;
}

void ModalDialog::EndModal(HWND dialog)
{
    if (ended_)
        return;
    ended_ = 1;
    EndDialog(dialog, 1);
}
