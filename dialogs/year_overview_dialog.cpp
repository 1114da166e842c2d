#include "dialogs/year_overview_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/clipboard_export.h"
#include "core/frame_core.h"
#include "core/settings.h"
#include "dialogs/dialog_controls.h"
#include "resources/resource_ids.h"

namespace {

const char* const NOT_COPIED = "Die Jahresübersicht konnte nicht in die Zwischenablage kopiert werden.";
constexpr unsigned FIRST_YEAR = 1, LAST_YEAR = 9999;

// Shorter than the names of the copied text, so that the columns fit.
const char* const COLUMN_NAMES[YEAR_OVERVIEW_COLUMNS] = {
    "Zeitraum", "Soll-Tage", "Ist-Tage", "Überstunden", "Fehlstunden",
    "Saldo",    "Konto",     "Urlaub",   "Krank",       "Gleittage",
};

void AddColumn(HWND list, int column, const char* name, int format)
{
    LVCOLUMNA item{};
    item.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    item.fmt = format;
    item.pszText = const_cast<char*>(name);
    item.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
}

void AddRow(HWND list, int row, const std::vector<std::string>& cells)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(cells[0].c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (std::size_t column = 1; column < cells.size(); ++column) {
        LVITEMA cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(cells[column].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
}

// Each column as wide as its widest text, the header's included, and a margin.
void FitColumns(HWND list, const std::vector<std::vector<std::string>>& rows)
{
    auto width = [list](const std::string& text) {
        return static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    const int margin = width("MM");
    for (int column = 0; column < YEAR_OVERVIEW_COLUMNS; ++column) {
        int widest = width(COLUMN_NAMES[column]);
        for (const std::vector<std::string>& cells : rows)
            if (static_cast<std::size_t>(column) < cells.size())
                widest = std::max(widest, width(cells[static_cast<std::size_t>(column)]));
        SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(widest + margin, 0));
    }
}

} // namespace

YearOverviewDialog::YearOverviewDialog(HINSTANCE module, HWND parent, FrameCore& frame, unsigned year,
                                       ExportTarget& clipboard, YearOverviewPrinter print)
    : ModalDialog(module), frame_(frame), clipboard_(clipboard), print_(print)
{
    overview_.year = year;
    DoModal(parent, "DLG_YEAROVERVIEW");
}

INT_PTR YearOverviewDialog::OnInitDialog(HWND dialog)
{
    const HWND list = GetDlgItem(dialog, IDC_YEAR_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int column = 0; column < YEAR_OVERVIEW_COLUMNS; ++column)
        AddColumn(list, column, COLUMN_NAMES[column], column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT);
    Show(dialog, overview_.year);
    CenterWindow(dialog);
    return 1;
}

void YearOverviewDialog::Show(HWND dialog, unsigned year)
{
    overview_ = BuildYearOverview(frame_, year);
    const Settings& settings = frame_.settings();
    SetControlText(dialog, IDC_YEAR_YEAR, std::to_string(year));
    const HWND list = GetDlgItem(dialog, IDC_YEAR_LIST);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    std::vector<std::vector<std::string>> rows;
    for (const YearOverviewRow& period : overview_.periods)
        rows.push_back(YearOverviewCells(settings, period));
    if (overview_.periods.empty())
        rows.push_back({"kein Monatsplan"});
    else
        rows.push_back(YearOverviewCells(settings, overview_.total));
    for (std::size_t row = 0; row < rows.size(); ++row)
        AddRow(list, static_cast<int>(row), rows[row]);
    FitColumns(list, rows);
    SetControlText(dialog, IDC_YEAR_VACATION_LEFT,
                   "Resturlaub laut Einstellungen: " + std::to_string(overview_.vacationDaysLeft) + " Tage");
    EnableControl(dialog, IDC_YEAR_PREVIOUS, year > FIRST_YEAR);
    EnableControl(dialog, IDC_YEAR_NEXT, year < LAST_YEAR);
}

INT_PTR YearOverviewDialog::OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*)
{
    if (HIWORD(*wParam) != BN_CLICKED)
        return 0;
    switch (LOWORD(*wParam)) {
    case IDC_YEAR_PREVIOUS:
        Show(*dialog, overview_.year - 1);
        return 1;
    case IDC_YEAR_NEXT:
        Show(*dialog, overview_.year + 1);
        return 1;
    case IDC_YEAR_COPY:
        if (!clipboard_.PutText(YearOverviewText(frame_.settings(), overview_)))
            MessageBoxA(*dialog, NOT_COPIED, "Fehler", MB_ICONEXCLAMATION);
        return 1;
    case IDC_YEAR_PRINT:
        print_(*dialog, frame_.settings(), overview_);
        return 1;
    case IDCANCEL:
    case IDOK:
        EndModal(*dialog);
        return 1;
    default:
        return 0;
    }
}
