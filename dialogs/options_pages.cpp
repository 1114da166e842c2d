// The first five pages of the options sheet. Each fills its controls from the
// working copy when first shown and reads them back when the user leaves it;
// a page never shown leaves its values as they were copied.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "core/time_values.h"
#include "dialogs/choosers.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/options_page.h"
#include "dialogs/options_sheet.h"
#include "framework/fatal_error.h"
#include "resources/resource_ids.h"

namespace {

const char* const AUTO_TIMER_OFF_NOTE =
    "Die automatische Tagesberechnung ist abgeschaltet.\nDamit werden auch keine Hinweise zu "
    "Zeitüberschreitungen angezeigt.\n\nVergleichen Sie hierzu diese bitte die Optionen unter \"Hinweise\".";
const char* const WARNINGS_NEED_AUTO_TIMER_NOTE =
    "Die Hinweis-Optionen werden nur angezeigt, wenn\nauch die automatische Tagesberechnung aktiviert "
    "ist.\n\nAktivieren Sie diese bitte unter \"Anzeige\".";

constexpr int WEEKDAY_BOXES = 7;

OptionsWorkingCopy& Copy()
{
    return CurrentOptions().copy;
}

void Note(HWND page, const char* text)
{
    MessageBoxA(page, text, "Hinweis", MB_ICONINFORMATION);
}

void SetDuration(HWND page, int id, TimeValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatTime(value, text);
    SetControlText(page, id, text);
}

TimeValue ReadDuration(HWND page, int id)
{
    char text[TEXT_BUFFER_SIZE] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return ParseTime(text);
}

void SetHours(HWND page, int id, HoursValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatHours(*CurrentOptions().settings, value, text);
    SetControlText(page, id, text);
}

HoursValue ReadHours(HWND page, int id)
{
    char text[TEXT_BUFFER_SIZE] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return ParseHours(text);
}

void SetText(HWND page, int id, const char* text, int limit)
{
    SendDlgItemMessageA(page, id, EM_LIMITTEXT, limit, 0);
    SetControlText(page, id, text);
}

template <std::size_t N>
void ReadText(HWND page, int id, char (&field)[N])
{
    GetDlgItemTextA(page, id, field, N);
}

// The seven durations of "Zeitprofil", each with its field.
struct DurationField {
    int id;
    std::int32_t OptionsWorkingCopy::*value;
};
const DurationField DURATIONS[] = {
    {IDC_OPT_HOURS_PER_DAY, &OptionsWorkingCopy::HoursPerDay}, {IDC_OPT_REST_PER_DAY, &OptionsWorkingCopy::RestPerDay},
    {IDC_OPT_REST_PER_DAY2, &OptionsWorkingCopy::RestPerDay2}, {IDC_OPT_REST_TIME, &OptionsWorkingCopy::RestTime},
    {IDC_OPT_REST_TIME2, &OptionsWorkingCopy::RestTime2},      {IDC_OPT_MAX_TIME, &OptionsWorkingCopy::MaxTime},
    {IDC_OPT_TIME_LAG, &OptionsWorkingCopy::TimeLag},
};

const FlagField PROFILE_FLAGS[] = {
    {IDC_OPT_EXTERN, &OptionsWorkingCopy::Extern},
    {IDC_OPT_WORK_TIME_RESTS, &OptionsWorkingCopy::WorkTimeRests},
    {IDC_OPT_COM_FORMAT, &OptionsWorkingCopy::ComFormat},
};
const FlagField DISPLAY_FLAGS[] = {
    {IDC_OPT_OPEN_MONTH, &OptionsWorkingCopy::OpenMonth},         {IDC_OPT_SELECT_DAY, &OptionsWorkingCopy::SelectDay},
    {IDC_OPT_AUTO_TIMER, &OptionsWorkingCopy::AutoTimer},         {IDC_OPT_SEPARATE, &OptionsWorkingCopy::Separate},
    {IDC_OPT_CHECK_MISSINGS, &OptionsWorkingCopy::CheckMissings}, {IDC_OPT_ICONS, &OptionsWorkingCopy::Icons},
};
const FlagField WARNING_FLAGS[] = {
    {IDC_OPT_WARN_WORK_TIME, &OptionsWorkingCopy::WarnWorkTime},
    {IDC_OPT_WARN_ACCOUNT, &OptionsWorkingCopy::WarnAccount},
    {IDC_OPT_NOTICE_REGULAR_TIME, &OptionsWorkingCopy::NoticeRegularTime},
};

// An external worker has no regular working time and no regular work days.
void ApplyExternRule(HWND page)
{
    const bool external = IsChecked(page, IDC_OPT_EXTERN);
    EnableControl(page, IDC_OPT_HOURS_PER_DAY, !external);
    for (int day = 0; day < WEEKDAY_BOXES; ++day)
        EnableControl(page, IDC_OPT_MONDAY + day, !external);
}

void FillTimeProfile(HWND page)
{
    for (int day = 1; day <= 31; ++day) {
        char item[8];
        std::snprintf(item, sizeof item, "%ld", static_cast<long>(day));
        SendDlgItemMessageA(page, IDC_OPT_START_DAY, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendDlgItemMessageA(page, IDC_OPT_START_DAY, CB_SETCURSEL, Copy().StartDay - 1, 0);
    for (const DurationField& field : DURATIONS)
        SetDuration(page, field.id, Copy().*field.value);
    for (int day = 0; day < WEEKDAY_BOXES; ++day)
        SetChecked(page, IDC_OPT_MONDAY + day, (Copy().WorkDays & (1u << day)) != 0);
    ShowFlags(page, PROFILE_FLAGS);
    ApplyExternRule(page);
}

void ReadTimeProfile(HWND page)
{
    // A start day the list does not hold stays as it was.
    const auto selected = SendDlgItemMessageA(page, IDC_OPT_START_DAY, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR)
        Copy().StartDay = static_cast<std::uint32_t>(selected + 1);
    for (const DurationField& field : DURATIONS)
        Copy().*field.value = ReadDuration(page, field.id);
    Copy().WorkDays = 0;
    for (int day = 0; day < WEEKDAY_BOXES; ++day)
        Copy().WorkDays |= Flag(page, IDC_OPT_MONDAY + day) << day;
    ReadFlags(page, PROFILE_FLAGS);
}

void TimeProfileCommand(HWND page, int id, int code)
{
    if (id != IDC_OPT_EXTERN || code != BN_CLICKED)
        return;
    SetDuration(page, IDC_OPT_HOURS_PER_DAY, ExternHoursPerDay(IsChecked(page, IDC_OPT_EXTERN)));
    ApplyExternRule(page);
}

void FillDisplay(HWND page)
{
    for (const ColourDesign& design : ColourDesigns)
        SendDlgItemMessageA(page, IDC_OPT_DESIGN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(design.name));
    SendDlgItemMessageA(page, IDC_OPT_DESIGN, CB_SETCURSEL, 0, 0);
    ShowFlags(page, DISPLAY_FLAGS);
}

void ReadDisplay(HWND page)
{
    ReadFlags(page, DISPLAY_FLAGS);
}

void DisplayCommand(HWND page, int id, int code)
{
    OptionsWorkingCopy& copy = Copy();
    // The list also reports focus and its drop-down: only a new choice
    // applies a design, over a colour chosen before it.
    if (code != (id == IDC_OPT_DESIGN ? CBN_SELCHANGE : BN_CLICKED))
        return;
    switch (id) {
    case IDC_OPT_DESIGN: {
        const auto selected = SendDlgItemMessageA(page, IDC_OPT_DESIGN, CB_GETCURSEL, 0, 0);
        if (selected >= 1 && selected < COLOUR_DESIGN_COUNT)
            copy.ColorStripes = ColourDesigns[selected].stripes;
        break;
    }
    case IDC_OPT_AUTO_TIMER:
        if (!IsChecked(page, IDC_OPT_AUTO_TIMER) && (copy.WarnWorkTime || copy.WarnAccount))
            Note(page, AUTO_TIMER_OFF_NOTE);
        break;
    case IDC_OPT_STRIPE_COLOUR:
    case IDC_OPT_FREE_DAY_COLOUR: {
        std::uint32_t& colour = id == IDC_OPT_STRIPE_COLOUR ? copy.ColorStripes : copy.ColorFreeDays;
        const COLORREF chosen = ChooseColour(page, colour, copy);
        if (chosen != NO_COLOUR)
            colour = chosen;
        break;
    }
    default:
        break;
    }
}

void FillDirectory(HWND page)
{
    SetText(page, IDC_OPT_WORKING_DIR, Copy().WorkingDir, WORKING_DIR_SIZE - 1);
}

void ReadDirectory(HWND page)
{
    ReadText(page, IDC_OPT_WORKING_DIR, Copy().WorkingDir);
}

void DirectoryCommand(HWND page, int id, int code)
{
    std::string directory;
    if (id == IDC_OPT_CHOOSE_DIR && code == BN_CLICKED && ChooseDirectory(CurrentOptions().module, page, directory))
        SetControlText(page, IDC_OPT_WORKING_DIR, directory);
}

void EnableThresholds(HWND page)
{
    EnableControl(page, IDC_OPT_W_WORK_TIME, IsChecked(page, IDC_OPT_WARN_WORK_TIME));
    EnableControl(page, IDC_OPT_W_ACCOUNT, IsChecked(page, IDC_OPT_WARN_ACCOUNT));
}

void FillWarnings(HWND page)
{
    ShowFlags(page, WARNING_FLAGS);
    EnableThresholds(page);
    SetHours(page, IDC_OPT_W_WORK_TIME, Copy().WWorkTime);
    SetHours(page, IDC_OPT_W_ACCOUNT, Copy().WAccount);
}

void ReadWarnings(HWND page)
{
    ReadFlags(page, WARNING_FLAGS);
    Copy().WWorkTime = ReadHours(page, IDC_OPT_W_WORK_TIME);
    Copy().WAccount = ReadHours(page, IDC_OPT_W_ACCOUNT);
}

// Warnings come only from the automatic day computation.
void WarningsCommand(HWND page, int id, int code)
{
    if ((id != IDC_OPT_WARN_WORK_TIME && id != IDC_OPT_WARN_ACCOUNT) || code != BN_CLICKED)
        return;
    EnableThresholds(page);
    if ((IsChecked(page, IDC_OPT_WARN_WORK_TIME) || IsChecked(page, IDC_OPT_WARN_ACCOUNT)) && Copy().AutoTimer == 0)
        Note(page, WARNINGS_NEED_AUTO_TIMER_NOTE);
}

// The print header lines hold 69 characters and the terminating zero.
const int HEADLINE_IDS[] = {IDC_OPT_HEADLINE1, IDC_OPT_HEADLINE2, IDC_OPT_HEADLINE3};

void FillPrintout(HWND page)
{
    char* lines[] = {Copy().HeadLine1, Copy().HeadLine2, Copy().HeadLine3};
    for (int i = 0; i < 3; ++i)
        SetText(page, HEADLINE_IDS[i], lines[i], HEADLINE_SIZE - 1);
}

void ReadPrintout(HWND page)
{
    ReadText(page, IDC_OPT_HEADLINE1, Copy().HeadLine1);
    ReadText(page, IDC_OPT_HEADLINE2, Copy().HeadLine2);
    ReadText(page, IDC_OPT_HEADLINE3, Copy().HeadLine3);
}

INT_PTR HandlePageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam, void (*fill)(HWND), void (*read)(HWND),
                          void (*command)(HWND, int, int))
{
    switch (message) {
    case WM_INITDIALOG:
        fill(page);
        return 1;
    case WM_NOTIFY:
        switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case PSN_KILLACTIVE:
            read(page);
            return 0;
        case PSN_APPLY:
            ApplyOptions(Copy(), *CurrentOptions().settings);
            return 0;
        default:
            return 0;
        }
    case WM_COMMAND:
        if (command)
            command(page, LOWORD(wParam), HIWORD(wParam));
        return 0;
    default:
        return 0;
    }
}

} // namespace

// The system calls the page procedures: nothing may unwind through it.
INT_PTR PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam, void (*fill)(HWND), void (*read)(HWND),
                      void (*command)(HWND, int, int))
{
    return CallWithoutEscape([&] { return HandlePageMessage(page, message, wParam, lParam, fill, read, command); });
}

INT_PTR CALLBACK TimeProfilePage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProcedure(page, message, wParam, lParam, FillTimeProfile, ReadTimeProfile, TimeProfileCommand);
}
INT_PTR CALLBACK DisplayPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProcedure(page, message, wParam, lParam, FillDisplay, ReadDisplay, DisplayCommand);
}
INT_PTR CALLBACK DirectoryPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProcedure(page, message, wParam, lParam, FillDirectory, ReadDirectory, DirectoryCommand);
}
INT_PTR CALLBACK WarningsPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProcedure(page, message, wParam, lParam, FillWarnings, ReadWarnings, WarningsCommand);
}
INT_PTR CALLBACK PrintoutPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProcedure(page, message, wParam, lParam, FillPrintout, ReadPrintout, nullptr);
}
