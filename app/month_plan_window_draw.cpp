// The owner-drawn rows of the month plan list: stripes, free days in their
// colour, the entry icon, and the cells fitted to their columns.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "app/list_view.h"
#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "app/row_drawing.h"

namespace {

constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);

bool RightAligned(int column)
{
    return column >= ColCome && column <= ColAccount;
}

} // namespace

COLORREF MonthPlanWindow::RowTextColour(int row)
{
    const Settings& settings = frame_->GetSettings();
    HWND list = list_.Get();
    // A day's further rows show no weekday: the first row above with one
    // gives it.
    char weekday[4];
    GetListText(list, row, ColDay, weekday, sizeof weekday);
    for (int above = row - 1; std::strlen(weekday) < 2 && above >= 0; --above)
        GetListText(list, above, ColDay, weekday, sizeof weekday);
    if (lstrcmpiA(weekday, "So") == 0 || lstrcmpiA(weekday, "Sa") == 0)
        return settings.ColorFreeDays;
    char come[CELL_TEXT_SIZE];
    GetListText(list, row, ColCome, come, sizeof come);
    return std::strcmp(come, "FT") == 0 ? settings.ColorFreeDays : BLACK;
}

void MonthPlanWindow::DrawRow(const DRAWITEMSTRUCT& item)
{
    HWND list = list_.Get();
    HDC dc = item.hDC;
    const int row = static_cast<int>(item.itemID);
    const Settings& settings = frame_->GetSettings();

    LVITEMA image{};
    image.mask = LVIF_IMAGE;
    image.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&image));

    COLORREF text = RowTextColour(row);
    // Rows 0, 2, 4 ... are striped, whatever days they show.
    COLORREF background = settings.Separate && row % 2 == 0 ? settings.ColorStripes : WHITE;
    UINT iconStyle = ILD_NORMAL;
    if (item.itemState & ODS_SELECTED) {
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
        background = GetSysColor(COLOR_HIGHLIGHT);
        iconStyle = ILD_BLEND25;
    }
    DcColours colours(dc, text, background);

    const RECT& bounds = item.rcItem;
    int iconWidth = 0;
    if (auto icons = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0))) {
        int iconHeight = 0;
        ImageList_GetIconSize(icons, &iconWidth, &iconHeight);
        ImageList_SetBkColor(icons, background);
        DrawCell(dc, "", {bounds.left, bounds.top, bounds.left + iconWidth, bounds.bottom}, false);
        ImageList_Draw(icons, image.iImage, dc, bounds.left, bounds.top, iconStyle);
    }

    char cellText[CELL_TEXT_SIZE];
    int left = bounds.left;
    for (int column = 0;; ++column) {
        LVCOLUMNA info{};
        info.mask = LVCF_WIDTH;
        if (!SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)))
            break;
        const RECT cell{left + (column == 0 ? iconWidth : 0), bounds.top, left + info.cx, bounds.bottom};
        GetListText(list, row, column, cellText, sizeof cellText);
        DrawCell(dc, cellText, cell, RightAligned(column));
        left += info.cx;
    }
}
