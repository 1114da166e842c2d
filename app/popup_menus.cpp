#include "app/popup_menus.h"

#include "resources/resource_ids.h"

namespace {

struct MenuItem {
    UINT command; // 0: separator
    const char* text;
};

constexpr MenuItem ENTRY_MENU[] = {
    {CMD_ENTER_WORK_TIME, "Arbeitszeit erfassen..."},
    {CMD_ENTER_FLEXI_DAY, "Gleittag erfassen..."},
    {CMD_ENTER_VACATION, "Urlaub erfassen..."},
    {CMD_ENTER_SICK_DAYS, "Krankheit erfassen..."},
    {CMD_ENTER_HOLIDAY, "Feiertag erfassen..."},
    {0, nullptr},
    {CMD_EDIT_ENTRY, "Eintrag ändern..."},
    {CMD_DELETE_ENTRY, "Eintrag löschen"},
    {0, nullptr},
    {CMD_COPY_ENTRY, "Eintrag kopieren"},
    {CMD_PASTE_ENTRY, "Eintrag einfügen"},
    {CMD_MOVE_ENTRY_UP, "Eintrag nach oben"},
    {CMD_MOVE_ENTRY_DOWN, "Eintrag nach unten"},
    {0, nullptr},
    {CMD_ACCOUNT_CORRECTION, "Zeitkonto-Korrektur"},
    {0, nullptr},
    {CMD_TOGGLE_TIME_FORMAT, "Anzeigeformat wechseln"},
    {CMD_CLIPBOARD_EXPORT, "Zwischenablagen-Export..."},
};

constexpr MenuItem TRAY_MENU[] = {
    {CMD_RECORD_ARRIVAL, "Erfassung: Kommen"},
    {CMD_RECORD_DEPARTURE, "Erfassung: Gehen"},
    {0, nullptr},
    {CMD_TRAY_OPEN, "Öffnen"},
    {CMD_TRAY_HIDE, "Verbergen"},
    {0, nullptr},
    {CMD_TRAY_QUIT, "Beenden"},
};

template <std::size_t N>
MenuHandle BuildMenu(const MenuItem (&items)[N])
{
    MenuHandle menu(CreatePopupMenu());
    for (const MenuItem& item : items) {
        if (item.command == 0)
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu.Get(), MF_STRING, item.command, item.text);
    }
    return menu;
}

} // namespace

MenuHandle BuildEntryMenu()
{
    return BuildMenu(ENTRY_MENU);
}

MenuHandle BuildTrayMenu()
{
    return BuildMenu(TRAY_MENU);
}

void TrackPopupAtCursor(HWND owner, HMENU menu)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    // The foreground window owns the menu, so that a click elsewhere closes
    // it; the empty message afterwards lets the shell's tray menu close too.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_RIGHTALIGN, cursor.x, cursor.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}
