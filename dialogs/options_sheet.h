#pragma once
// "Einstellungen": the property sheet with the pages "Zeitprofil",
// "Anzeige", "Verzeichnis", "Hinweise", "Ausdruck", "Feiertage" and "Automatik". The pages edit a
// working copy of the settings; OK copies it into Settings, "Abbrechen"
// leaves Settings as it was. Saving and what follows a change is the
// caller's. The sheet has no dialog window of its own, so nothing deletes
// the object: it lives on the caller's stack and runs in its constructor.
#include "dialogs/options_working_copy.h"
#include "framework/modal_dialog.h"

class OptionsSheet : public ModalDialog {
public:
    OptionsSheet(HINSTANCE module, HWND parent, Settings& settings);
};

// The process-wide state the page procedures work on while the sheet runs.
struct OptionsContext {
    HINSTANCE module = nullptr;
    Settings* settings = nullptr;
    OptionsWorkingCopy copy{};
};
OptionsContext& CurrentOptions();

// The page procedures, in page order.
INT_PTR CALLBACK TimeProfilePage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DisplayPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DirectoryPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WarningsPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PrintoutPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK HolidaysPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AutomationPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
