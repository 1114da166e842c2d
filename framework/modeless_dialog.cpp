#include "framework/modeless_dialog.h"

#include "framework/dialog_template.h"
#include "framework/fatal_error.h"

HWND ModelessDialog::Create(HWND parent, const char* templateName)
{
    HWND dialog = CreateDialogParamA(module_, templateName, parent, DialogProcedure,
                                     reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
    if (!dialog)
        RaiseFrameworkError("Failed to display dialog.");
    return dialog;
}

HWND ModelessDialog::Create(HWND parent, HINSTANCE templateModule, const char* templateName)
{
    const DLGTEMPLATE* dialogTemplate = LoadDialogTemplate(templateModule, templateName);
    HWND dialog = CreateDialogIndirectParamA(module_, dialogTemplate, parent, DialogProcedure,
                                             reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
    if (!dialog)
        RaiseFrameworkError("Failed to display dialog.");
    return dialog;
}

void ModelessDialog::Destroy(HWND dialog)
{
    if (ended_)
        return;
    EndDialog(dialog, 1);
    DestroyWindow(dialog);
}
