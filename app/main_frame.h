#pragma once
// The main window: the MDI frame with tool bar, side button bar, status bar
// and tray icon. It owns the settings and the core's frame, opens the month
// plan windows the core asks for, runs the day timer and carries out the
// commands of menus, bars, popup menus and the tray.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/button_bar.h"
#include "app/message_box_prompts.h"
#include "app/session_notifications.h"
#include "app/system_clock.h"
#include "app/tray_icon.h"
#include "core/forgotten_departure.h"
#include "core/frame_core.h"
#include "core/session_capture.h"
#include "core/settings.h"
#include "framework/frame_window.h"
#include "framework/handles.h"
#include "ini/profile_engine.h"

class MonthPlanWindow;

constexpr UINT DAY_TIMER_ID = 502;
constexpr UINT DAY_TIMER_PERIOD = 60000;
constexpr UINT TRAY_ICON_ID = 1;
constexpr int WINDOW_MENU_POSITION = 4; // "&Fenster"
constexpr WORD FIRST_CHILD_ID = 1125;
constexpr const char* TIP_TIMER_OFF = "Stundwerk: Tagesberechnung nicht aktiv.";

struct MainFrameSetup {
    // How the frame shows once the first month plan is open (OpenMonth set).
    int showCommand = SW_SHOWNORMAL;
    // The program file; stundwrk.ini lives beside it.
    std::string modulePath;
    // Null: the machine's local time.
    Clock* clock = nullptr;
    // The module with the session notification functions.
    const char* sessionLibrary = "wtsapi32.dll";
};

class MainFrame : public FrameWindow, public FrameShell {
public:
    explicit MainFrame(const MainFrameSetup& setup);
    ~MainFrame() override;

    LRESULT OnMessage(UINT message, WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnTrayNotify(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnCommand(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnSize(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnMove(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnSysCommand(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnNotify(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnTimer(WPARAM* wParam, LPARAM* lParam) override;
    LRESULT OnQueryEndSession(WPARAM* wParam, LPARAM* lParam) override;

    // MSG_HANDLED when the user declined, else 0 with WM_QUIT posted.
    LRESULT Quit(bool confirm);
    void LayoutClient();
    // Enables what needs an open month plan; menuOffset is 1 while a
    // maximised child puts its system menu in front of the popups.
    void UpdateCommandStates(bool active, int menuOffset);
    void ShowEntryMenu();
    // The status bar shows the active month plan's day counts.
    void UpdateStatusBar();
    // Greys the plan commands, empties the status bar and shows the tray
    // as the program starts: nothing is computed live any more.
    void LastPlanClosed();
    MonthPlanWindow* GetActiveMonthPlan();
    // A plan window whose window is gone. Its object goes at once, or at the
    // end of the command under way: an operation of that command may still
    // be running on its plan, as the live computation does while its warning,
    // which leaves the frame usable, is open.
    void DeletePlanWindow(MonthPlanWindow* window);

    FrameCore& Core() { return core_; }
    Settings& GetSettings() { return settings_; }
    ProfileStore& Store() { return store_; }
    HWND ToolBar() const { return toolBar_.Get(); }
    HWND StatusBar() const { return statusBar_.Get(); }
    BBControl* ButtonBar() const { return buttonBar_.get(); }
    const TrayIcon& Tray() const { return tray_; }
    bool SessionNotificationsRegistered() const { return sessionNotifications_->Registered(); }

    // FrameShell
    MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool maximised) override;
    MonthPlan* ActivatePlanWindow(const std::string& file) override;
    MonthPlan* FindPlanWindow(const std::string& file) override;
    bool HasActivePlan() override;
    bool WindowExists(const char* title) override;
    void SetTrayTip(const char* text) override;
    void SetLiveTip(const char* text, const char* endOfDay) override;
    void ShowTrayNotice(const char* text) override;
    void SetTrayIconActive(bool active) override;
    void CommandEnded() override;

private:
    // The open plan window on this file (the full paths compared as Windows
    // names files, without regard to case), or nullptr.
    MonthPlanWindow* PlanWindowOfFile(const std::string& file);
    void BuildButtonBar();
    void OpenCurrentPeriod(int showCommand);
    void RestoreFromTray();
    void ShowTrayMenu();

    // Commands (main_frame_commands.cpp).
    LRESULT RunCommand(UINT command);
    bool RunPlanCommand(UINT command, MonthPlan& plan);
    void CloseActivePlan();
    void CloseAllPlans();
    void RecordTime(bool arrival);
    // Points to an entry left open on an earlier day, once per entry and
    // day, and opens it for its "Gehen" (forgotten_departure_prompt.cpp).
    void AskForgottenDeparture();
    // Without a settings file: the welcome dialog; on OK the settings are
    // saved and today's period is created and shown (welcome_command.cpp).
    bool WelcomeNewUser(int showCommand);
    void DeleteMonthPlanFile();
    // Commands that open a dialog (dialog_commands.cpp).
    static bool IsDialogCommand(UINT command);
    LRESULT RunDialogCommand(UINT command);
    void OpenMonthPlanFromDialog(bool create);
    // The options sheet and what follows it (options_command.cpp).
    void OnOptions();
    // What the session records by itself (session_events.cpp): the
    // message's reason (WTS_SESSION_LOCK ...), and the end of the session.
    void OnSessionChange(WPARAM reason);
    void RecordSessionEnd();

    Settings settings_;
    ProfileEngine store_;
    SystemClock systemClock_;
    Clock& clock_;
    MessageBoxPrompts prompts_;
    FrameCore core_;
    OwnedWindow toolBar_;
    OwnedWindow statusBar_;
    int toolBarHeight_ = 0;
    int statusBarHeight_ = 0;
    ButtonBarPtr buttonBar_;
    TrayIcon tray_;
    ForgottenDepartureCheck forgottenDeparture_;
    SessionCapture session_{core_};
    std::unique_ptr<SessionNotifications> sessionNotifications_;
    // The shell's message after it restarted: the tray icon must be added again.
    UINT taskbarCreatedMessage_ = 0;
    // Plan windows closed during the command under way (DeletePlanWindow).
    std::vector<std::unique_ptr<MonthPlanWindow>> closedPlans_;
};
