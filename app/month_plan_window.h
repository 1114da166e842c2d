#pragma once
// The window of one open month plan: a title banner and an owner-drawn report
// list with one row per entry. It owns the core's MonthPlan and shows what
// the core lists; the plan's operations go to the core through Plan().
#include <windows.h>

#include <memory>
#include <vector>

#include "controls/tb_control.h"
#include "core/month_plan.h"
#include "framework/handles.h"
#include "framework/mdi_child_window.h"

class MainFrame;

constexpr DWORD PLAN_WINDOW_STYLE = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW;

class MonthPlanWindow : public MdiChildWindow, public PlanView {
public:
    // Creates the window in frame's MDI client (it becomes the active child),
    // lists and recomputes the plan. Without a window (Handle() null) the
    // object owns nothing and must be deleted by the caller; otherwise the
    // frame deletes it once its window is destroyed (DeletePlanWindow).
    MonthPlanWindow(const char* title, MainFrame* frame, DWORD style, const RECT* rect, unsigned month, unsigned year);
    ~MonthPlanWindow() override;

    LRESULT OnCommand(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnDestroy(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnNcDestroy(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnSize(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnSysCommand(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnNotify(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnDrawItem(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnMdiActivate(WPARAM* wParam, LPARAM* lParam) override;

    MonthPlan& Plan() { return plan_; }
    MainFrame* GetMainFrame() const;
    HWND ListView() const { return list_.Get(); }
    HWND BannerWindow() const { return header_ ? header_->GetBannerWindow() : nullptr; }

    // The entry icons: attached while Icons is set (column 0 then 50 pixels
    // wide), removed when it is cleared (35 pixels).
    void CreateIconLists();
    void RemoveIconLists();
    // Draws one row as the list view asks for it in WM_DRAWITEM.
    void DrawRow(const DRAWITEMSTRUCT& item);

    // PlanView
    void ShowRows(const std::vector<ListRow>& rows) override;
    void UpdateRow(int index, const ListRow& row) override;
    int SelectedRow() override;
    void SelectRow(int index) override;
    void DayCountsChanged() override;

private:
    void CreateListView();
    void CreateColumns();
    void LayOut();
    void SetDayColumnWidth(int width);
    void RememberSelection();
    void RestoreSelection();
    void InsertRow(int index, const ListRow& row);
    // Writes the cells of a listed row that differ from shown_.
    void WriteRow(int index, const ListRow& row);
    // How many rows differ between rows and shown_, added and removed ones counted.
    int RowsToWrite(const std::vector<ListRow>& rows) const;
    COLORREF RowTextColour(int row);

    MainFrame* frame_;
    MonthPlan plan_;
    int savedSelection_ = 0;
    bool destroyed_ = false;
    bool zoomedWhenClosed_ = false;
    OwnedWindow list_;
    // What the list shows, row by row.
    std::vector<ListRow> shown_;
    std::unique_ptr<TBControl> header_;
};

// The plan window of a window handle, through CMD_GET_CHILD_OBJECT; null for
// a null handle or another kind of window.
MonthPlanWindow* MonthPlanWindowOf(HWND window);
