#pragma once
#include <windows.h>

// The RT_DIALOG resource templateName of module; failure is fatal.
const DLGTEMPLATE* LoadDialogTemplate(HINSTANCE module, const char* templateName);
