// The month plan window: its rows against the core's, the drawn colours, the
// growing remark column and what closing it writes.
#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include <algorithm>

#include "app/handler_results.h"
#include "app/list_view.h"
#include "framework/handles.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF RED = RGB(255, 0, 0);            // ColorFreeDays 255
constexpr COLORREF STRIPES = RGB(0xDF, 0xEF, 0xFF); // ColorStripes 16773087
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// The row's item data and icon.
LVITEMA RowItem(HWND list, int row)
{
    LVITEMA item{};
    item.mask = LVIF_PARAM | LVIF_IMAGE;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item;
}

int FixedColumns(HWND list)
{
    int sum = 0;
    for (int column = 0; column < ColRemark; ++column)
        sum += ColumnWidth(list, column);
    return sum;
}

// The inside of the list, less its vertical scroll bar.
int ListInside(HWND list)
{
    RECT rect{};
    GetClientRect(list, &rect);
    const bool scrollBar = GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL;
    return static_cast<int>(rect.right - rect.left) - (scrollBar ? 0 : GetSystemMetrics(SM_CXVSCROLL));
}

// One row drawn into a memory bitmap, in the DC's own raster font so that
// the text has its exact colour.
class DrawnRow {
public:
    DrawnRow(MonthPlanWindow& window, int row, bool selected) : screen_(nullptr), memory_(screen_.Get())
    {
        bitmap_.Reset(CreateCompatibleBitmap(screen_.Get(), WIDTH, HEIGHT));
        SelectedObject selectedBitmap(memory_.Get(), bitmap_.Get());
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_LISTVIEW;
        item.itemID = static_cast<UINT>(row);
        item.itemState = selected ? ODS_SELECTED : 0;
        item.hwndItem = window.ListView();
        item.hDC = memory_.Get();
        item.rcItem = {0, 0, WIDTH, HEIGHT};
        window.DrawRow(item);
        // The cells end where the columns end.
        right_ = std::min(WIDTH, FixedColumns(window.ListView()) + ColumnWidth(window.ListView(), ColRemark));
        for (int x = 0; x < WIDTH; ++x)
            for (int y = 0; y < HEIGHT; ++y)
                pixels_[x][y] = GetPixel(memory_.Get(), x, y);
    }
    // Whether any pixel between x0 and x1 has the colour.
    bool Shows(COLORREF colour, int x0, int x1) const
    {
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < HEIGHT; ++y)
                if (pixels_[x][y] == colour)
                    return true;
        return false;
    }
    COLORREF Background() const { return pixels_[right_ - 2][HEIGHT - 1]; }

    static constexpr int WIDTH = 700;
    static constexpr int HEIGHT = 16;

private:
    WindowDC screen_;
    MemoryDC memory_;
    BitmapHandle bitmap_;
    int right_ = WIDTH;
    COLORREF pixels_[WIDTH][HEIGHT] = {};
};

} // namespace

TEST_F(AppTest, ListRowsAreTheCoresRows)
{
    Start();
    MonthPlanWindow& window = OpenPlan(10, 2005);
    AddEntry(4, At(8, 0), At(16, 30));
    AddEntry(4, At(17, 0), At(18, 0));
    AddEntry(5, TimeCode(Vacation), TimeCode(Vacation));
    HWND list = window.ListView();
    const std::vector<ListRow>& rows = window.Plan().rows();
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(rows.size()));
    for (size_t row = 0; row < rows.size(); ++row) {
        SCOPED_TRACE(row);
        const int index = static_cast<int>(row);
        const LVITEMA item = RowItem(list, index);
        EXPECT_EQ(item.lParam, static_cast<LPARAM>(rows[row].key));
        EXPECT_EQ(item.iImage, rows[row].icon);
        EXPECT_EQ(RowTexts(list, index), std::vector<std::string>(rows[row].text, rows[row].text + LIST_COLUMNS));
    }
    char counts[64] = {};
    SendMessageA(frame->StatusBar(), SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(counts));
    EXPECT_STREQ(counts, "Urlaubstage: 1");
}

TEST_F(AppTest, RowsAreDrawnInTheColoursOfTheirDays)
{
    // October 2005: Saturday 1st, Sunday 2nd (three entries), Monday 3rd a
    // public holiday ("FT"), Tuesday 4th an ordinary day.
    const struct {
        int row;
        bool selected;
        COLORREF text;
        COLORREF stripedBackground;
    } cases[] = {
        {0, false, RED, STRIPES},
        {1, false, RED, WHITE},
        {2, false, RED, STRIPES},
        {3, false, RED, WHITE},
        {4, false, RED, STRIPES},
        {5, false, BLACK, WHITE},
        {5, true, GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)},
    };
    for (const char* separate : {"Separate=1", "Separate=0"}) {
        WriteOptions({separate});
        Start();
        MonthPlanWindow& window = OpenPlan(10, 2005);
        AddEntry(2, At(10, 0), At(11, 0));
        AddEntry(2, At(12, 0), At(13, 0));
        AddEntry(2, At(14, 0), At(15, 0));
        ASSERT_EQ(RowTexts(window.ListView(), 4)[ColCome], "FT");
        ASSERT_EQ(RowTexts(window.ListView(), 3)[ColDay], " ");
        const bool striped = separate[9] == '1';
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(separate) + " row " + std::to_string(c.row) + (c.selected ? " selected" : ""));
            const DrawnRow drawn(window, c.row, c.selected);
            const COLORREF background = striped || c.selected ? c.stripedBackground : WHITE;
            EXPECT_EQ(drawn.Background(), background);
            // The date cell of a day's first row, the times of the others.
            const int dateLeft = ColumnWidth(window.ListView(), ColDay);
            int timesRight = 0;
            for (int column = 0; column <= ColHours; ++column)
                timesRight += ColumnWidth(window.ListView(), column);
            EXPECT_TRUE(drawn.Shows(c.text, dateLeft, timesRight));
            EXPECT_FALSE(drawn.Shows(c.text == RED ? BLACK : RED, dateLeft, timesRight));
        }
        const std::string file = window.Plan().path();
        frame.reset();
        std::remove(file.c_str());
    }
}

// In a plan window narrower than the columns' usual widths "Bemerkung" takes
// what is left, so the list opens without a horizontal scroll bar; switching
// the icons on or off keeps the columns filling the list. A wider window
// widens "Bemerkung", a narrower one leaves it as it is.
TEST_F(AppTest, ColumnsFillANarrowListAndRemarkGrowsButNeverShrinks)
{
    WriteOptions({}, "Left=0\r\nTop=0\r\nWidth=900\r\nHeight=500");
    Start();
    MonthPlanWindow& window = OpenPlan(10, 2005);
    HWND list = window.ListView();
    ASSERT_FALSE(IsZoomed(window.Handle()));
    const int inside = ListInside(list);
    ASSERT_LT(inside, FixedColumns(list) + 300);
    const auto fits = [&](const char* when, int dayWidth) {
        EXPECT_EQ(ColumnWidth(list, ColDay), dayWidth) << when;
        EXPECT_EQ(FixedColumns(list) + ColumnWidth(list, ColRemark), inside) << when;
        EXPECT_FALSE(GetWindowLongPtrA(list, GWL_STYLE) & WS_HSCROLL) << when;
    };
    fits("opened", 50);
    window.RemoveIconLists();
    fits("icons off", 35);
    EXPECT_EQ(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    window.CreateIconLists();
    fits("icons on", 50);

    MoveWindow(window.Handle(), 0, 0, 1000, 400, TRUE);
    const int grown = ColumnWidth(list, ColRemark);
    EXPECT_EQ(grown, ListInside(list) - FixedColumns(list));
    MoveWindow(window.Handle(), 0, 0, 500, 400, TRUE);
    EXPECT_EQ(ColumnWidth(list, ColRemark), grown);

    // A cell fits its text to its width: a grown column is painted again as
    // a whole, and the status bar too when the frame grows.
    ShowWindow(frame->Handle(), SW_SHOWNORMAL);
    SendMessageA(frame->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window.Handle()), 0);
    RedrawWindow(frame->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MoveWindow(frame->Handle(), 0, 0, 1200, 600, TRUE);
    GdiObject<HRGN> repainted(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(list, repainted.Get(), FALSE);
    EXPECT_TRUE(PtInRegion(repainted.Get(), FixedColumns(list) + 4, 40));
    GetUpdateRgn(frame->StatusBar(), repainted.Get(), FALSE);
    EXPECT_TRUE(PtInRegion(repainted.Get(), 4, 4));
}

TEST_F(AppTest, ClosingAPlanWritesWhetherItWasMaximised)
{
    Start();
    for (const bool maximised : {true, false}) {
        MonthPlanWindow& window = OpenPlan(10, 2005);
        SendMessageA(frame->MdiClient(), maximised ? WM_MDIMAXIMIZE : WM_MDIRESTORE,
                     reinterpret_cast<WPARAM>(window.Handle()), 0);
        EXPECT_EQ(SendMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0), MSG_CHILD_CLOSED);
        EXPECT_EQ(Active(), nullptr);
        EXPECT_EQ(SectionLines(Ini(), "Custom"), std::vector<std::string>{maximised ? "OpenMode=1" : "OpenMode=0"});
    }
}

TEST_F(AppTest, ARefreshKeepsTheSelectionAndTheScrollPosition)
{
    // The list stays where it was scrolled to, only as far moved as brings
    // the selected row fully into view; the focus goes with the selection.
    WriteOptions({"SelectDay=0"}, "Left=0\r\nTop=0\r\nWidth=900\r\nHeight=400");
    Start();
    MonthPlanWindow& window = OpenPlan(10, 2005);
    HWND list = window.ListView();
    const int count = ListView_GetItemCount(list);
    const int perPage = ListView_GetCountPerPage(list);
    ASSERT_GT(count, perPage + 2);
    RECT row{};
    ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
    const int bottom = count - perPage;
    const struct {
        int selected;
        int top;
        int focused;
    } cases[] = {
        {-1, 0, -1},
        {-1, bottom, -1},
        {-1, 3, 2},
        {2, 0, 2},
        {2, bottom, 2},
        {2, 1, 5},
        {count - 1, 0, -1},
        {count - 1, bottom, -1},
        {count - 1, 1, count - 1},
        {perPage, 0, perPage},
        {perPage, 1, perPage},
        {perPage - 1, bottom, perPage - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.selected) + " at top " + std::to_string(c.top));
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (c.selected >= 0)
            ListView_SetItemState(list, c.selected, LVIS_SELECTED, LVIS_SELECTED);
        if (c.focused >= 0)
            ListView_SetItemState(list, c.focused, LVIS_FOCUSED, LVIS_FOCUSED);
        ListView_Scroll(list, 0, (c.top - ListView_GetTopIndex(list)) * (row.bottom - row.top));
        ASSERT_EQ(ListView_GetTopIndex(list), c.top);
        window.Plan().RefreshList();
        const int top = c.selected < 0 ? c.top : std::clamp(c.top, c.selected - perPage + 1, c.selected);
        EXPECT_EQ(ListView_GetTopIndex(list), top);
        EXPECT_EQ(window.SelectedRow(), c.selected);
        EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), c.selected);
    }
}
