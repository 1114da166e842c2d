#include "app/month_plan_window.h"

#include <commctrl.h>

#include <algorithm>

#include "app/handler_results.h"
#include "app/list_view.h"
#include "app/main_frame.h"
#include "core/command_scope.h"
#include "core/period.h"
#include "resources/resource_ids.h"

namespace {

struct Column {
    const char* header;
    int width;
};

constexpr Column COLUMNS[LIST_COLUMNS] = {
    {"Tag", 35},     {"Datum", 70}, {"Kommen", 55}, {"Gehen", 55},
    {"Stunden", 55}, {"Saldo", 55}, {"Konto", 60},  {"Bemerkung", 300},
};
constexpr int DAY_COLUMN_WITH_ICONS = 50;
// The header control's margins around a column title.
constexpr int HEADER_PADDING = 16;

// In image list order; the core's rows carry these indexes.
constexpr int ENTRY_ICONS[] = {
    IDI_DEF_DEFAULT, IDI_DEF_GDAY,    IDI_DEF_HOLIDAY, IDI_DEF_ACCOUNT, IDI_DEF_SICKDAY,
    IDI_DEF_FDAY,    IDI_DEF_MISSING, IDI_DEF_DATA,    IDI_DEF_NOSALDO,
};

constexpr int MARGIN = 5;
constexpr int BANNER_HEIGHT = 34;
constexpr int LIST_TOP = MARGIN + BANNER_HEIGHT;

HINSTANCE InstanceOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

// The width a column needs to show its header in the list's font.
int HeaderWidth(HWND list, int column)
{
    const auto text =
        static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(COLUMNS[column].header)));
    return text + HEADER_PADDING;
}

// The room "Bemerkung" has beside the other columns: the list's inside, less
// a vertical scroll bar even before the rows need one. A column under the
// border or the scroll bar would only add a horizontal scroll bar.
int RemarkRoom(HWND list)
{
    RECT inside{};
    GetClientRect(list, &inside);
    int rest = inside.right - inside.left;
    if (!(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL))
        rest -= GetSystemMetrics(SM_CXVSCROLL);
    for (int column = 0; column < ColRemark; ++column)
        rest -= ColumnWidth(list, column);
    return rest;
}

void AddIcon(HIMAGELIST list, HINSTANCE instance, int id, int width, int height)
{
    // The size wanted from the icon file, rather than one scaled by the list.
    IconHandle icon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, 0)));
    ImageList_ReplaceIcon(list, -1, icon.Get());
}

// A row's first cell with its icon and key, for inserting or rewriting the row.
LVITEMA RowItem(int index, const ListRow& row)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(row.text[ColDay].c_str());
    item.iImage = row.icon;
    item.lParam = static_cast<LPARAM>(row.key);
    return item;
}

} // namespace

MonthPlanWindow* MonthPlanWindowOf(HWND window)
{
    if (!window)
        return nullptr;
    return reinterpret_cast<MonthPlanWindow*>(SendMessageA(window, WM_COMMAND, CMD_GET_CHILD_OBJECT, 0));
}

MonthPlanWindow::MonthPlanWindow(const char* title, MainFrame* frame, DWORD style, const RECT* rect, unsigned month,
                                 unsigned year)
    : MdiChildWindow(title, frame, style, rect), frame_(frame), plan_(frame->Core(), *this, month, year)
{
    if (!window_)
        return;
    if (MainFrame* found = GetMainFrame())
        frame_ = found;
    // A maximised child puts its system menu in front of the menu bar's popups.
    frame_->UpdateCommandStates(true, IsZoomed(window_) ? 1 : 0);

    CreateListView();
    if (frame_->GetSettings().Icons)
        CreateIconLists();
    CreateColumns();
    ShowWindow(list_.Get(), SW_SHOW);
    LayOut();
    // The columns fill the list as it opens, whatever the window's size and
    // the font: "Bemerkung" takes the rest, even when that is less than its
    // usual width.
    SetColumnWidth(list_.Get(), ColRemark, std::max(RemarkRoom(list_.Get()), HeaderWidth(list_.Get(), ColRemark)));

    const std::string planTitle = FrameCore::PlanTitle(month, year);
    SetWindowTextA(window_, planTitle.c_str());
    RECT client{};
    GetClientRect(window_, &client);
    header_ = std::make_unique<TBControl>(InstanceOf(window_), window_, MARGIN, MARGIN,
                                          client.right - client.left - 2 * MARGIN, BANNER_HEIGHT);
    // A click on the banner sends command 0, which the window ignores.
    header_->SetContent(planTitle.c_str(), MAKEINTRESOURCEA(IDI_BB_2), 0);
    header_->ShowBanner();

    plan_.Recompute(EffectiveStartDay(frame_->GetSettings()));
}

MonthPlanWindow::~MonthPlanWindow()
{
    // No message may find this object any more.
    if (!destroyed_ && window_ && IsWindow(window_))
        SetWindowLongPtrA(window_, 0, 0);
}

MainFrame* MonthPlanWindow::GetMainFrame() const
{
    // The parent is the MDI client, its parent the frame.
    HWND frame = GetParent(GetParent(window_));
    return reinterpret_cast<MainFrame*>(SendMessageA(frame, WM_COMMAND, CMD_GET_FRAME_OBJECT, 0));
}

void MonthPlanWindow::CreateListView()
{
    RECT client{};
    GetClientRect(window_, &client);
    const DWORD style = WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                        LVS_OWNERDRAWFIXED | LVS_NOSORTHEADER;
    list_.Reset(CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, client.left + MARGIN, client.top + MARGIN,
                                client.right - client.left - 2 * MARGIN, client.bottom - client.top - 2 * MARGIN,
                                window_, nullptr, InstanceOf(window_), nullptr));
}

void MonthPlanWindow::CreateColumns()
{
    const bool icons = frame_->GetSettings().Icons != 0;
    for (int index = 0; index < LIST_COLUMNS; ++index) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        const int width = index == ColDay && icons ? DAY_COLUMN_WITH_ICONS : COLUMNS[index].width;
        // A font wider than the one the widths were made for must not cut
        // the headers ("Kommen", "Stunden") short.
        column.cx = std::max(width, HeaderWidth(list_.Get(), index));
        column.pszText = const_cast<char*>(COLUMNS[index].header);
        column.cchTextMax = 255;
        SendMessageA(list_.Get(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }
}

void MonthPlanWindow::CreateIconLists()
{
    const HINSTANCE instance = InstanceOf(window_);
    const int largeWidth = GetSystemMetrics(SM_CXICON), largeHeight = GetSystemMetrics(SM_CYICON);
    const int smallWidth = GetSystemMetrics(SM_CXSMICON), smallHeight = GetSystemMetrics(SM_CYSMICON);
    ImageListHandle large(ImageList_Create(largeWidth, largeHeight, ILC_COLOR32 | ILC_MASK, 1, 1));
    ImageListHandle small(ImageList_Create(smallWidth, smallHeight, ILC_COLOR32 | ILC_MASK, 1, 1));
    for (int id : ENTRY_ICONS) {
        AddIcon(large.Get(), instance, id, largeWidth, largeHeight);
        AddIcon(small.Get(), instance, id, smallWidth, smallHeight);
    }
    // The list view destroys the lists it holds; any it held before go here.
    ImageListHandle previousLarge(reinterpret_cast<HIMAGELIST>(
        SendMessageA(list_.Get(), LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large.Release()))));
    ImageListHandle previousSmall(reinterpret_cast<HIMAGELIST>(
        SendMessageA(list_.Get(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small.Release()))));
    SetDayColumnWidth(DAY_COLUMN_WITH_ICONS);
}

void MonthPlanWindow::RemoveIconLists()
{
    // Taken out of the list view before they are destroyed, so that it
    // neither draws with them nor destroys them a second time.
    ImageListHandle small(reinterpret_cast<HIMAGELIST>(SendMessageA(list_.Get(), LVM_SETIMAGELIST, LVSIL_SMALL, 0)));
    ImageListHandle large(reinterpret_cast<HIMAGELIST>(SendMessageA(list_.Get(), LVM_SETIMAGELIST, LVSIL_NORMAL, 0)));
    SetDayColumnWidth(COLUMNS[ColDay].width);
}

void MonthPlanWindow::SetDayColumnWidth(int width)
{
    HWND list = list_.Get();
    const int change = width - ColumnWidth(list, ColDay);
    SetColumnWidth(list, ColDay, width);
    // "Bemerkung" gives or takes the difference, so that the columns fill the
    // list as before. Before the columns exist there is nothing to balance.
    const int remark = ColumnWidth(list, ColRemark);
    if (remark > 0)
        SetColumnWidth(list, ColRemark, std::max(remark - change, HeaderWidth(list, ColRemark)));
}

void MonthPlanWindow::LayOut()
{
    RECT client{};
    GetClientRect(window_, &client);
    const int width = client.right - client.left - 2 * MARGIN;
    if (HWND banner = BannerWindow())
        MoveWindow(banner, client.left + MARGIN, client.top + MARGIN, width, BANNER_HEIGHT, TRUE);
    HWND list = list_.Get();
    if (!list)
        return;
    MoveWindow(list, client.left + MARGIN, client.top + LIST_TOP, width, client.bottom - client.top - LIST_TOP - MARGIN,
               TRUE);
    // "Bemerkung" grows to fill the list, and never shrinks by itself.
    const int rest = RemarkRoom(list);
    if (ColumnWidth(list, ColRemark) < rest)
        SetColumnWidth(list, ColRemark, rest);
}

void MonthPlanWindow::InsertRow(int index, const ListRow& row)
{
    LVITEMA item = RowItem(index, row);
    const auto inserted =
        static_cast<int>(SendMessageA(list_.Get(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = ColDate; column < LIST_COLUMNS; ++column)
        SetListText(list_.Get(), inserted, column, row.text[column].c_str());
}

void MonthPlanWindow::WriteRow(int index, const ListRow& row)
{
    const ListRow& shown = shown_[static_cast<std::size_t>(index)];
    if (row.key != shown.key || row.icon != shown.icon || row.text[ColDay] != shown.text[ColDay]) {
        LVITEMA item = RowItem(index, row);
        SendMessageA(list_.Get(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    for (int column = ColDate; column < LIST_COLUMNS; ++column) {
        if (row.text[column] != shown.text[column])
            SetListText(list_.Get(), index, column, row.text[column].c_str());
    }
}

int MonthPlanWindow::RowsToWrite(const std::vector<ListRow>& rows) const
{
    const std::size_t kept = std::min(rows.size(), shown_.size());
    int changed = static_cast<int>(std::max(rows.size(), shown_.size()) - kept);
    for (std::size_t index = 0; index < kept; ++index) {
        const ListRow& row = rows[index];
        const ListRow& shown = shown_[index];
        if (row.key != shown.key || row.icon != shown.icon ||
            !std::equal(std::begin(row.text), std::end(row.text), std::begin(shown.text)))
            ++changed;
    }
    return changed;
}

void MonthPlanWindow::ShowRows(const std::vector<ListRow>& rows)
{
    HWND list = list_.Get();
    if (!list)
        return;
    RememberSelection();
    WaitCursor wait(frame_->Core().prompts());
    // Wine's list view takes a good part of a millisecond for every row
    // written and every row painted: only the cells that differ from what the
    // list shows are written, rows are added or removed at its end, and
    // only the rows written are painted again. More rows than a page shows
    // are cheaper repainted once, as a whole.
    const bool many = RowsToWrite(rows) > static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    if (many)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows.size()), LVSICF_NOINVALIDATEALL);
    const int count = static_cast<int>(rows.size());
    for (int index = static_cast<int>(shown_.size()) - 1; index >= count; --index)
        SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    for (int index = 0; index < count; ++index) {
        if (index < static_cast<int>(shown_.size()))
            WriteRow(index, rows[static_cast<std::size_t>(index)]);
        else
            InsertRow(index, rows[static_cast<std::size_t>(index)]);
    }
    shown_ = rows;
    RestoreSelection();
    if (many) {
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    const int selected = SelectedRow();
    if (selected >= 0)
        SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
}

void MonthPlanWindow::UpdateRow(int index, const ListRow& row)
{
    if (index < 0 || index >= static_cast<int>(shown_.size()))
        return;
    WriteRow(index, row);
    shown_[static_cast<std::size_t>(index)] = row;
}

int MonthPlanWindow::SelectedRow()
{
    return list_.Get() ? SelectedListRow(list_.Get()) : NO_SELECTION;
}

void MonthPlanWindow::SelectRow(int index)
{
    LVITEMA item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_.Get(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    SendMessageA(list_.Get(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void MonthPlanWindow::DayCountsChanged()
{
    frame_->UpdateStatusBar();
}

void MonthPlanWindow::RememberSelection()
{
    savedSelection_ = SelectedRow();
}

void MonthPlanWindow::RestoreSelection()
{
    // The rows stay in place: the focus goes with the selection, as into a
    // refilled list.
    const auto focused =
        static_cast<int>(SendMessageA(list_.Get(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0 && focused != savedSelection_) {
        LVITEMA item{};
        item.stateMask = LVIS_FOCUSED;
        SendMessageA(list_.Get(), LVM_SETITEMSTATE, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&item));
    }
    if (savedSelection_ < 0) {
        savedSelection_ = 0;
        return;
    }
    LVITEMA item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_.Get(), LVM_SETITEMSTATE, static_cast<WPARAM>(savedSelection_), reinterpret_cast<LPARAM>(&item));
}

LRESULT MonthPlanWindow::OnCommand(WPARAM* wParam, LPARAM*)
{
    if (LOWORD(*wParam) == CMD_GET_CHILD_OBJECT)
        return reinterpret_cast<LRESULT>(this);
    return MSG_NOT_HANDLED;
}

LRESULT MonthPlanWindow::OnSize(WPARAM*, LPARAM*)
{
    LayOut();
    // DefMDIChildProcA must see WM_SIZE.
    return MSG_NOT_HANDLED;
}

LRESULT MonthPlanWindow::OnSysCommand(WPARAM* wParam, LPARAM*)
{
    if ((*wParam & 0xFFF0) != SC_CLOSE)
        return MSG_NOT_HANDLED;
    // No question: the plan's file is always up to date. The object is gone
    // when the MDI client returns. Some MDI clients restore the last child
    // before they destroy it: its state is taken now.
    zoomedWhenClosed_ = IsZoomed(window_) != FALSE;
    // Closing writes the window state to the settings (OnDestroy).
    const CommandScope command(frame_->Core());
    if (!command.Held())
        return MSG_HANDLED;
    SendMessageA(GetParent(window_), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window_), 0);
    return MSG_CHILD_CLOSED;
}

LRESULT MonthPlanWindow::OnMdiActivate(WPARAM*, LPARAM* lParam)
{
    // The status bar follows the active plan.
    if (reinterpret_cast<HWND>(*lParam) == window_)
        frame_->UpdateStatusBar();
    return MSG_NOT_HANDLED;
}

LRESULT MonthPlanWindow::OnNotify(WPARAM*, LPARAM* lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(*lParam);
    if (header->idFrom != 0 || header->hwndFrom != list_.Get())
        return MSG_NOT_HANDLED;
    HWND frame = frame_->Handle();
    switch (header->code) {
    case NM_RCLICK:
        frame_->ShowEntryMenu();
        break;
    case NM_DBLCLK:
        SendMessageA(frame, WM_COMMAND, CMD_EDIT_ENTRY, 0);
        break;
    case LVN_KEYDOWN: {
        const WORD key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
        if (key == VK_DELETE)
            SendMessageA(frame, WM_COMMAND, CMD_DELETE_ENTRY, 0);
        else if (key == VK_SPACE)
            SendMessageA(frame, WM_COMMAND, CMD_EDIT_ENTRY, 0);
        break;
    }
    default:
        break;
    }
    return MSG_NOT_HANDLED;
}

LRESULT MonthPlanWindow::OnDrawItem(WPARAM*, LPARAM* lParam)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(*lParam);
    if (item->CtlType == ODT_LISTVIEW && item->hwndItem == list_.Get())
        DrawRow(*item);
    return MSG_NOT_HANDLED;
}

LRESULT MonthPlanWindow::OnDestroy(WPARAM*, LPARAM*)
{
    HWND client = GetParent(window_);
    if (!SendMessageA(client, WM_MDIGETACTIVE, 0, 0))
        frame_->LastPlanClosed();
    // The next first plan window opens maximised when this one was.
    frame_->Store().WriteString("Custom", "OpenMode", zoomedWhenClosed_ || IsZoomed(window_) ? "1" : "0",
                                frame_->GetSettings().SettingsPath);
    return MSG_NOT_HANDLED;
}

LRESULT MonthPlanWindow::OnNcDestroy(WPARAM*, LPARAM*)
{
    if (destroyed_)
        return MSG_HANDLED;
    destroyed_ = true;
    // The window and its children are gone: no message finds this object,
    // and what the plan still shows goes nowhere.
    SetWindowLongPtrA(window_, 0, 0);
    header_.reset();
    list_.Release();
    frame_->DeletePlanWindow(this);
    return MSG_HANDLED;
}
