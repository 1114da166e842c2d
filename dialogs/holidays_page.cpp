// The options page "Feiertage": the state whose holidays count, and the
// user's own free days. The own days are edited in the working copy at once;
// "Abbrechen" drops them with the rest of it.
#include <windows.h>

#include <cstdio>
#include <string>

#include "calendar/holiday_rules.h"
#include "core/own_day_form.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/options_page.h"
#include "dialogs/options_sheet.h"
#include "resources/resource_ids.h"

namespace {

const char* const BUILT_IN_TABLE = "alle Feiertage der Tabelle (wie bisher)";
const char* const LIST_FULL = "Es können höchstens 32 eigene Tage eingetragen werden.";
const char* const NOTHING_SELECTED = "Bitte wählen Sie zuerst einen Tag in der Liste aus.";

HolidayRules& Rules()
{
    return CurrentOptions().copy.FreeDays;
}

unsigned CurrentYear()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wYear;
}

int OwnDayCount()
{
    int count = 0;
    while (count < OWN_DAY_COUNT && Rules().ownDays[count][0] != '\0')
        ++count;
    return count;
}

// Each own day with the day it gives this year, after a tab.
void FillList(HWND page, int selected)
{
    const HWND list = GetDlgItem(page, IDC_OPT_OWN_DAYS);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const unsigned year = CurrentYear();
    for (int i = 0; i < OwnDayCount(); ++i) {
        const std::string item = std::string(Rules().ownDays[i]) + "\t" + CheckOwnDay(Rules().ownDays[i], year).text;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, selected, 0);
}

int SelectedOwnDay(HWND page)
{
    const auto selected = SendDlgItemMessageA(page, IDC_OPT_OWN_DAYS, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void ShowCheck(HWND page)
{
    const std::string text = ControlText(page, IDC_OPT_OWN_DAY);
    const OwnDayCheck check = CheckOwnDay(text.c_str(), CurrentYear());
    SetControlText(page, IDC_OPT_OWN_DAY_RESULT,
                   text.empty() ? std::string() : check.valid ? "= " + check.text : "kein gültiger Tagesausdruck");
}

// The typed day when the evaluator takes it; otherwise says why and gives nothing.
bool TypedOwnDay(HWND page, std::string& text)
{
    text = ControlText(page, IDC_OPT_OWN_DAY);
    const OwnDayCheck check = CheckOwnDay(text.c_str(), CurrentYear());
    if (!check.valid) {
        MessageBoxA(page, check.text.c_str(), "Fehler", MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(page, IDC_OPT_OWN_DAY));
    }
    return check.valid;
}

void StoreOwnDay(int index, const std::string& text)
{
    std::snprintf(Rules().ownDays[index], OWN_DAY_SIZE, "%s", text.c_str());
}

void Add(HWND page)
{
    const int count = OwnDayCount();
    if (count == OWN_DAY_COUNT) {
        MessageBoxA(page, LIST_FULL, "Hinweis", MB_ICONINFORMATION);
        return;
    }
    std::string text;
    if (!TypedOwnDay(page, text))
        return;
    StoreOwnDay(count, text);
    FillList(page, count);
}

void Change(HWND page)
{
    const int selected = SelectedOwnDay(page);
    std::string text;
    if (selected < 0)
        MessageBoxA(page, NOTHING_SELECTED, "Hinweis", MB_ICONINFORMATION);
    else if (TypedOwnDay(page, text)) {
        StoreOwnDay(selected, text);
        FillList(page, selected);
    }
}

void Remove(HWND page)
{
    const int selected = SelectedOwnDay(page);
    if (selected < 0) {
        MessageBoxA(page, NOTHING_SELECTED, "Hinweis", MB_ICONINFORMATION);
        return;
    }
    const int count = OwnDayCount();
    for (int i = selected; i + 1 < count; ++i)
        StoreOwnDay(i, Rules().ownDays[i + 1]);
    Rules().ownDays[count - 1][0] = '\0';
    FillList(page, selected < count - 1 ? selected : selected - 1);
}

void FillHolidays(HWND page)
{
    const HWND states = GetDlgItem(page, IDC_OPT_STATE);
    SendMessageA(states, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(BUILT_IN_TABLE));
    for (const State& state : States)
        SendMessageA(states, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(state.name));
    SendMessageA(states, CB_SETCURSEL, StateIndex(Rules().state) + 1, 0);
    // Dialog units: the day it gives stands in the right third of the list.
    const INT tabStop = 150;
    SendDlgItemMessageA(page, IDC_OPT_OWN_DAYS, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    SendDlgItemMessageA(page, IDC_OPT_OWN_DAY, EM_LIMITTEXT, OWN_DAY_SIZE - 1, 0);
    FillList(page, -1);
}

void ReadHolidays(HWND page)
{
    const auto selected = SendDlgItemMessageA(page, IDC_OPT_STATE, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return;
    std::snprintf(Rules().state, sizeof Rules().state, "%s", selected == 0 ? "" : States[selected - 1].code);
}

void HolidaysCommand(HWND page, int id, int code)
{
    switch (id) {
    case IDC_OPT_OWN_DAYS:
        if (code == LBN_SELCHANGE && SelectedOwnDay(page) >= 0)
            SetControlText(page, IDC_OPT_OWN_DAY, Rules().ownDays[SelectedOwnDay(page)]);
        break;
    case IDC_OPT_OWN_DAY:
        if (code == EN_CHANGE)
            ShowCheck(page);
        break;
    case IDC_OPT_OWN_DAY_ADD:
        if (code == BN_CLICKED)
            Add(page);
        break;
    case IDC_OPT_OWN_DAY_CHANGE:
        if (code == BN_CLICKED)
            Change(page);
        break;
    case IDC_OPT_OWN_DAY_REMOVE:
        if (code == BN_CLICKED)
            Remove(page);
        break;
    default:
        break;
    }
}

} // namespace

INT_PTR CALLBACK HolidaysPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProcedure(page, message, wParam, lParam, FillHolidays, ReadHolidays, HolidaysCommand);
}
