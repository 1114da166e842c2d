#include "app/main_frame.h"

#include <commctrl.h>

#include "app/frame_geometry.h"
#include "app/handler_results.h"
#include "app/month_plan_window.h"
#include "app/popup_menus.h"
#include "app/status_bar.h"
#include "app/tool_bar.h"
#include "app/waiting_dialog.h"
#include "core/command_scope.h"
#include "core/period.h"
#include "core/settings_file.h"
#include "resources/resource_ids.h"

namespace {

HICON ProgramIcon(HWND window, int id)
{
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    // A shared icon: the system frees it with the module.
    return LoadIconA(instance, MAKEINTRESOURCEA(id));
}

struct TitleSearch {
    const char* title;
    bool found;
};

BOOL CALLBACK FindTitle(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<TitleSearch*>(lParam);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(title, search->title) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

// The full path in capitals: Windows' file names ignore case, and a folder
// may be named relatively or with "..".
std::string ComparablePath(const std::string& file)
{
    char full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(file.c_str(), sizeof full, full, nullptr);
    std::string identity = length > 0 && length < sizeof full ? std::string(full, length) : file;
    CharUpperBuffA(identity.data(), static_cast<DWORD>(identity.size()));
    return identity;
}

} // namespace

MainFrame::MainFrame(const MainFrameSetup& setup)
    : FrameWindow(SW_HIDE, "Stundwerk", MAKEINTRESOURCEA(IDI_ICON2), nullptr, WINDOW_MENU_POSITION, FIRST_CHILD_ID,
                  nullptr, WS_OVERLAPPEDWINDOW),
      clock_(setup.clock ? *setup.clock : systemClock_), core_(settings_, store_, clock_, prompts_, *this)
{
    prompts_.SetOwner(window_);
    prompts_.SetFrameCore(&core_);
    taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
    SetSettingsPath(settings_, setup.modulePath.empty() ? nullptr : setup.modulePath.c_str());

    RECT defaults{};
    GetWindowRect(window_, &defaults);
    const RECT rect = ReadFrameGeometry(store_, settings_.SettingsPath, defaults);
    MoveWindow(window_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);

    const bool firstStart = GetFileAttributesA(settings_.SettingsPath) == INVALID_FILE_ATTRIBUTES;
    core_.ReadSettingsFile();

    // In this order: the button bar fills the height between the other two.
    toolBar_.Reset(CreateToolBar(window_, MdiClient(), toolBarHeight_));
    statusBar_.Reset(CreateStatusBar(window_, statusBarHeight_));
    BuildButtonBar();
    LayoutClient();

    tray_.Add(window_, TRAY_ICON_ID, WM_TRAY_NOTIFY, ProgramIcon(window_, IDI_ICON1), TIP_TIMER_OFF);

    const bool welcomed = firstStart && WelcomeNewUser(setup.showCommand);
    if (!welcomed && settings_.OpenMonth)
        OpenCurrentPeriod(setup.showCommand);
    else if (!welcomed)
        ShowWindow(window_, SW_HIDE);

    sessionNotifications_ = std::make_unique<SessionNotifications>(window_, setup.sessionLibrary);
    {
        // Started at logon, the program's start is the session's.
        const CommandScope command(core_);
        session_.Handle(SessionEvent::Start);
    }

    if (settings_.AutoTimer)
        SetTimer(window_, DAY_TIMER_ID, DAY_TIMER_PERIOD, nullptr);
    if (forgottenDeparture_.FirstOfDay(clock_.Now()))
        AskForgottenDeparture();
}

MainFrame::~MainFrame()
{
    KillTimer(window_, DAY_TIMER_ID);
    sessionNotifications_.reset();
    tray_.Remove();
    buttonBar_.reset();
    // The month plan windows go with the frame; their files are up to date.
    // Each writes its window state as it goes.
    if (IsWindow(window_)) {
        const CommandScope command(core_, CommandScope::WhenLocked::Skip);
        DestroyWindow(window_);
    }
}

void MainFrame::OpenCurrentPeriod(int showCommand)
{
    const CommandScope command(core_);
    if (!command.Held()) {
        ShowWindow(window_, showCommand);
        return;
    }
    ShowWindow(window_, SW_SHOW);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    unsigned month = 0, year = 0;
    core_.TodaysPeriod(month, year);
    core_.OpenMonthPlan(month, year, false, true);
    ShowWindow(window_, showCommand);
}

void MainFrame::BuildButtonBar()
{
    buttonBar_.reset();
    buttonBar_ = CreateButtonBar(window_, {toolBarHeight_, statusBarHeight_}, settings_.ColorStripes,
                                 GetActiveMonthPlan() != nullptr);
}

LRESULT MainFrame::Quit(bool confirm)
{
    if (confirm && !prompts_.Ask("Wollen Sie Stundwerk wirklich beenden ?", "Frage", true))
        return MSG_HANDLED;
    // Without the lock (told) the program ends without saving: every change
    // but the window's place was saved by its own command.
    const CommandScope command(core_);
    // The normal rectangle is the one to keep, not a minimised or maximised one.
    ShowWindow(window_, SW_SHOWNORMAL);
    RECT rect{};
    GetWindowRect(window_, &rect);
    if (command.Held()) {
        WriteFrameGeometry(store_, settings_.SettingsPath, rect);
        core_.SaveSettingsFile();
    }
    // Told now: a message box that finds WM_QUIT in the queue closes at once.
    core_.ReportUnsavedFile();
    PostQuitMessage(0);
    return 0;
}

void MainFrame::LayoutClient()
{
    RECT client{};
    GetClientRect(window_, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (toolBar_.Get())
        SendMessageA(toolBar_.Get(), TB_AUTOSIZE, 0, 0);
    if (statusBar_.Get()) {
        MoveWindow(statusBar_.Get(), client.left, client.bottom - statusBarHeight_, width, statusBarHeight_, TRUE);
        // Moved, Wine's status bar leaves its parts blank until something
        // else paints it: they are painted again now.
        InvalidateRect(statusBar_.Get(), nullptr, TRUE);
    }
    const int barsHeight = toolBarHeight_ + statusBarHeight_;
    if (buttonBar_)
        SetWindowPos(buttonBar_->GetBarWindow(), nullptr, client.left, client.top + toolBarHeight_, BUTTON_BAR_WIDTH,
                     height - barsHeight, SWP_NOZORDER);
    SetWindowPos(MdiClient(), nullptr, client.left + BUTTON_BAR_WIDTH, client.top + toolBarHeight_,
                 width - BUTTON_BAR_WIDTH, height - barsHeight, SWP_NOZORDER);
}

LRESULT MainFrame::OnMessage(UINT message, WPARAM* wParam, LPARAM*)
{
    if (message == taskbarCreatedMessage_ && message != 0) {
        tray_.Restore();
        return 0;
    }
    // Handled whether or not the registration worked: the message means the same.
    if (message == WM_WTSSESSION_CHANGE) {
        OnSessionChange(*wParam);
        return 0;
    }
    if (message == WM_ENDSESSION && *wParam)
        RecordSessionEnd();
    return MSG_NOT_HANDLED;
}

LRESULT MainFrame::OnSize(WPARAM* wParam, LPARAM*)
{
    // Minimising sends the program to the tray.
    if (*wParam == SIZE_MINIMIZED)
        ShowWindow(window_, SW_HIDE);
    // DefFrameProcA must not see WM_SIZE: it would give the MDI client the
    // whole client area.
    LayoutClient();
    return MSG_HANDLED;
}

LRESULT MainFrame::OnMove(WPARAM*, LPARAM*)
{
    if (toolBar_.Get())
        SendMessageA(toolBar_.Get(), TB_AUTOSIZE, 0, 0);
    return MSG_HANDLED;
}

LRESULT MainFrame::OnSysCommand(WPARAM* wParam, LPARAM*)
{
    if ((*wParam & 0xFFF0) != SC_CLOSE)
        return MSG_NOT_HANDLED;
    Quit(true);
    return MSG_HANDLED;
}

LRESULT MainFrame::OnNotify(WPARAM*, LPARAM* lParam)
{
    AnswerToolTipRequest(reinterpret_cast<NMHDR*>(*lParam));
    return MSG_NOT_HANDLED;
}

LRESULT MainFrame::OnTimer(WPARAM*, LPARAM*)
{
    // A tick that finds the files locked leaves the day to the next one.
    const CommandScope command(core_, CommandScope::WhenLocked::Skip);
    if (!command.Held())
        return MSG_NOT_HANDLED;
    if (MonthPlanWindow* plan = GetActiveMonthPlan())
        plan->Plan().ComputeCurrentDay(false);
    // A locked session's open entry is closed when the lock ends.
    if (!session_.Locked() && forgottenDeparture_.FirstOfDay(clock_.Now()))
        AskForgottenDeparture();
    return MSG_NOT_HANDLED;
}

LRESULT MainFrame::OnQueryEndSession(WPARAM*, LPARAM*)
{
    // Recorded before the settings are saved, within the time Windows grants.
    RecordSessionEnd();
    Quit(false);
    // Non-zero: Windows may end the session.
    return MSG_HANDLED;
}

LRESULT MainFrame::OnTrayNotify(WPARAM*, LPARAM* lParam)
{
    const UINT mouse = LOWORD(*lParam);
    if (mouse != WM_LBUTTONDOWN && mouse != WM_LBUTTONDBLCLK && mouse != WM_RBUTTONDOWN)
        return MSG_HANDLED;
    // While a dialog or question waits for an answer the tray runs no
    // command: the dialog's OK would write over what the command changed.
    // Its window comes to the front instead, as a click on the taskbar
    // button of a program with an open dialog brings that dialog.
    if (HWND dialog = FindWaitingDialog()) {
        SetForegroundWindow(dialog);
        return MSG_HANDLED;
    }
    if (mouse == WM_RBUTTONDOWN)
        ShowTrayMenu();
    else
        RestoreFromTray();
    return MSG_HANDLED;
}

void MainFrame::RestoreFromTray()
{
    ShowWindow(window_, SW_SHOW);
    if (IsIconic(window_))
        ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    SetFocus(window_);
}

void MainFrame::ShowTrayMenu()
{
    MenuHandle menu = BuildTrayMenu();
    TrackPopupAtCursor(window_, menu.Get());
}

void MainFrame::ShowEntryMenu()
{
    MenuHandle menu = BuildEntryMenu();
    TrackPopupAtCursor(window_, menu.Get());
}

void MainFrame::SetTrayIconActive(bool active)
{
    tray_.SetIcon(ProgramIcon(window_, active ? IDI_ICON3 : IDI_ICON1));
}

void MainFrame::SetTrayTip(const char* text)
{
    tray_.SetTip(text);
}

void MainFrame::SetLiveTip(const char* text, const char* endOfDay)
{
    tray_.SetTip(text, endOfDay);
    ShowEndOfDay(statusBar_.Get(), endOfDay);
}

void MainFrame::ShowTrayNotice(const char* text)
{
    tray_.ShowBalloon("Stundwerk", text);
}

MonthPlanWindow* MainFrame::GetActiveMonthPlan()
{
    return MonthPlanWindowOf(reinterpret_cast<HWND>(SendMessageA(MdiClient(), WM_MDIGETACTIVE, 0, 0)));
}

void MainFrame::UpdateStatusBar()
{
    if (MonthPlanWindow* plan = GetActiveMonthPlan())
        ShowDayCounts(statusBar_.Get(), plan->Plan().dayCounts());
}

void MainFrame::LastPlanClosed()
{
    UpdateCommandStates(false, 0);
    ClearDayCounts(statusBar_.Get());
    SetTrayTip(TIP_TIMER_OFF);
    SetTrayIconActive(false);
}

MonthPlanWindow* MainFrame::PlanWindowOfFile(const std::string& file)
{
    const std::string wanted = ComparablePath(file);
    for (HWND child = GetWindow(MdiClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        MonthPlanWindow* open = MonthPlanWindowOf(child);
        if (open && ComparablePath(open->Plan().path()) == wanted)
            return open;
    }
    return nullptr;
}

MonthPlan* MainFrame::ActivatePlanWindow(const std::string& file)
{
    MonthPlanWindow* open = PlanWindowOfFile(file);
    if (!open)
        return nullptr;
    SendMessageA(MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(open->Handle()), 0);
    return &open->Plan();
}

MonthPlan* MainFrame::FindPlanWindow(const std::string& file)
{
    MonthPlanWindow* open = PlanWindowOfFile(file);
    return open ? &open->Plan() : nullptr;
}

MonthPlan* MainFrame::CreatePlanWindow(unsigned month, unsigned year, bool maximised)
{
    const std::string title = FrameCore::PlanTitle(month, year);
    const DWORD style = PLAN_WINDOW_STYLE | (maximised ? WS_MAXIMIZE : 0);
    auto* window = new MonthPlanWindow(title.c_str(), this, style, nullptr, month, year);
    if (!window->Handle()) {
        delete window;
        return nullptr;
    }
    return &window->Plan();
}

void MainFrame::DeletePlanWindow(MonthPlanWindow* window)
{
    if (core_.inCommand())
        closedPlans_.emplace_back(window);
    else
        delete window;
}

void MainFrame::CommandEnded()
{
    // Swapped out first: a destructor must not find the list half cleared.
    std::vector<std::unique_ptr<MonthPlanWindow>> closed;
    closed.swap(closedPlans_);
}

bool MainFrame::HasActivePlan()
{
    return GetActiveMonthPlan() != nullptr;
}

bool MainFrame::WindowExists(const char* title)
{
    // Month plan windows are the MDI client's children; notes and warnings
    // are top-level windows of this thread.
    if (FindWindowExA(MdiClient(), nullptr, nullptr, title))
        return true;
    TitleSearch search{title, false};
    EnumThreadWindows(GetCurrentThreadId(), FindTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
