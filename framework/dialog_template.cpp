#include "framework/dialog_template.h"

#include "framework/fatal_error.h"

const DLGTEMPLATE* LoadDialogTemplate(HINSTANCE module, const char* templateName)
{
    HRSRC resource = FindResourceA(module, templateName, RT_DIALOG);
    if (!resource)
        RaiseFrameworkError("Failed to locate dialog-resource.");
    HGLOBAL loaded = LoadResource(module, resource);
    if (!loaded)
        RaiseFrameworkError("Failed to load dialog-resource.");
    // Resources stay mapped with the module; nothing to free.
    return static_cast<const DLGTEMPLATE*>(LockResource(loaded));
}
