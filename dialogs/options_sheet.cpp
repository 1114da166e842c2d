#include "dialogs/options_sheet.h"

#include <windows.h>

#include <commctrl.h>

#include <iterator>

OptionsContext& CurrentOptions()
{
    static OptionsContext context;
    return context;
}

namespace {

// The sheet's own buttons come from the system in its language; the
// program speaks German throughout.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED)
        SetDlgItemTextA(sheet, IDCANCEL, "Abbrechen");
    return 0;
}

} // namespace

OptionsSheet::OptionsSheet(HINSTANCE module, HWND parent, Settings& settings) : ModalDialog(module)
{
    OptionsContext& context = CurrentOptions();
    context.module = module;
    context.settings = &settings;
    context.copy = CopyOptions(settings);

    struct PageSpec {
        const char* templateName;
        const char* title;
        DLGPROC procedure;
    };
    // clang-format off
    static const PageSpec specs[] = {
        {"DLG_OPTIONS1", "Zeitprofil", TimeProfilePage},
        {"DLG_OPTIONS2", "Anzeige", DisplayPage},
        {"DLG_OPTIONS3", "Verzeichnis", DirectoryPage},
        {"DLG_OPTIONS4", "Hinweise", WarningsPage},
        {"DLG_OPTIONS5", "Ausdruck", PrintoutPage},
        {"DLG_OPTIONS6", "Feiertage", HolidaysPage},
        {"DLG_OPTIONS_AUTOMATIC", "Automatik", AutomationPage},
    };
    // clang-format on
    constexpr int PAGE_COUNT = static_cast<int>(std::size(specs));
    PROPSHEETPAGEA pages[PAGE_COUNT] = {};
    for (int i = 0; i < PAGE_COUNT; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_USETITLE;
        pages[i].hInstance = module;
        pages[i].pszTemplate = specs[i].templateName;
        pages[i].pszTitle = specs[i].title;
        pages[i].pfnDlgProc = specs[i].procedure;
    }
    PROPSHEETHEADERA sheet{};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    sheet.hwndParent = parent;
    sheet.hInstance = module;
    sheet.pszCaption = "Einstellungen";
    sheet.nPages = PAGE_COUNT;
    sheet.nStartPage = 0;
    sheet.ppsp = pages;
    sheet.pfnCallback = SheetCallback;
    PropertySheetA(&sheet);
}
