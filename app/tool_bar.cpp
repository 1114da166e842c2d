#include "app/tool_bar.h"

#include <commctrl.h>

#include <iterator>

#include "resources/resource_ids.h"

namespace {

struct ToolButton {
    int image; // -1: separator
    UINT command;
    bool initiallyEnabled;
    const char* tip;
};

constexpr ToolButton TOOL_BUTTONS[] = {
    {0, CMD_NEW_MONTH_PLAN, true, "Neuer Monatsplan"},
    {1, CMD_OPEN_MONTH_PLAN, true, "Monatsplan öffnen"},
    {2, CMD_OPTIONS, true, "Einstellungen"},
    {3, CMD_PRINT, false, "Monatsplan drucken"},
    {4, CMD_QUIT, true, "Programm verlassen"},
    {-1, 0, true, nullptr},
    {5, CMD_CLOSE_MONTH_PLAN, false, "Monatsplan schliessen"},
    {6, CMD_CLOSE_ALL, false, "Alles schliessen"},
    {-1, 0, true, nullptr},
    {7, CMD_ENTER_WORK_TIME, false, "Arbeitszeit erfassen"},
    {8, CMD_ENTER_FLEXI_DAY, false, "Gleittag erfassen"},
    {9, CMD_ENTER_VACATION, false, "Urlaub erfassen"},
    {10, CMD_ACCOUNT_CORRECTION, false, "Zeitkonto korrigieren"},
    {11, CMD_ENTER_SICK_DAYS, false, "Krankheit erfassen"},
    {12, CMD_ENTER_HOLIDAY, false, "Feiertag erfassen"},
    {-1, 0, true, nullptr},
    {13, CMD_EDIT_ENTRY, false, "Eintrag ändern"},
    {14, CMD_DELETE_ENTRY, false, "Eintrag löschen"},
    {-1, 0, true, nullptr},
    {15, CMD_COPY_ENTRY, false, "Eintrag kopieren"},
    {16, CMD_PASTE_ENTRY, false, "Eintrag einfügen"},
    {-1, 0, true, nullptr},
    {17, CMD_MOVE_ENTRY_UP, false, "Eintrag nach oben"},
    {18, CMD_MOVE_ENTRY_DOWN, false, "Eintrag nach unten"},
    {-1, 0, true, nullptr},
    {19, CMD_INFO, true, "Information"},
};

// The buttons switched by whether a month plan is open, in this order.
// 40009 has no button; its state change finds nothing.
constexpr UINT PLAN_COMMANDS[] = {
    CMD_PRINT,           CMD_ENTER_WORK_TIME,  CMD_ENTER_FLEXI_DAY, CMD_EDIT_ENTRY,          CMD_ACCOUNT_CORRECTION,
    CMD_DELETE_ENTRY,    CMD_CLOSE_MONTH_PLAN, CMD_CLOSE_ALL,       CMD_COMPUTE_CURRENT_DAY, CMD_MOVE_ENTRY_UP,
    CMD_MOVE_ENTRY_DOWN, CMD_COPY_ENTRY,       CMD_PASTE_ENTRY,     CMD_ENTER_VACATION,      CMD_ENTER_HOLIDAY,
    CMD_ENTER_SICK_DAYS,
};

constexpr const char* NO_HELP = "Sorry - keine Hilfe vorhanden!";

} // namespace

HWND CreateToolBar(HWND frame, HWND mdiClient, int& height)
{
    SetWindowLongPtrA(mdiClient, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(frame, GWLP_HINSTANCE));
    HWND toolBar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                   WS_CHILD | TBSTYLE_TRANSPARENT | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER, 0,
                                   0, 0, 0, frame, nullptr, instance, nullptr);
    if (!toolBar)
        return nullptr;
    SendMessageA(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);

    TBADDBITMAP bitmap{instance, IDB_TOOLBAR};
    SendMessageA(toolBar, TB_ADDBITMAP, TOOLBAR_IMAGE_COUNT, reinterpret_cast<LPARAM>(&bitmap));

    TBBUTTON buttons[std::size(TOOL_BUTTONS)] = {};
    for (std::size_t i = 0; i < std::size(TOOL_BUTTONS); ++i) {
        const ToolButton& button = TOOL_BUTTONS[i];
        const bool separator = button.image < 0;
        buttons[i].iBitmap = separator ? 0 : button.image;
        buttons[i].idCommand = static_cast<int>(button.command);
        buttons[i].fsState = button.initiallyEnabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE;
        buttons[i].fsStyle = separator ? TBSTYLE_SEP : TBSTYLE_BUTTON;
    }
    SendMessageA(toolBar, TB_ADDBUTTONSA, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageA(toolBar, TB_SETPARENT, reinterpret_cast<WPARAM>(frame), 0);
    ShowWindow(toolBar, SW_SHOW);

    RECT rect{};
    GetWindowRect(toolBar, &rect);
    height = rect.bottom - rect.top;
    return toolBar;
}

void SetToolBarButtonsEnabled(HWND toolBar, bool enabled)
{
    const LPARAM state = MAKELPARAM(enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE, 0);
    for (UINT command : PLAN_COMMANDS)
        SendMessageA(toolBar, TB_SETSTATE, command, state);
}

const char* ToolTipText(UINT command)
{
    if (command == CMD_COMPUTE_CURRENT_DAY)
        return "Aktuellen Tag berechnen";
    for (const ToolButton& button : TOOL_BUTTONS) {
        if (button.tip && button.command == command)
            return button.tip;
    }
    return NO_HELP;
}

bool AnswerToolTipRequest(NMHDR* header)
{
    const auto command = static_cast<UINT>(header->idFrom);
    if (header->code == TTN_NEEDTEXTA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        lstrcpynA(info->szText, ToolTipText(command), sizeof info->szText);
        return true;
    }
    if (header->code == TTN_NEEDTEXTW) {
        // A tool bar that talks Unicode to its parent still gets the
        // Windows-1252 text.
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        const int written = MultiByteToWideChar(1252, 0, ToolTipText(command), -1, info->szText,
                                                static_cast<int>(std::size(info->szText)));
        if (written == 0)
            info->szText[std::size(info->szText) - 1] = L'\0';
        return true;
    }
    return false;
}
