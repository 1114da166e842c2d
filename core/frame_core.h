#pragma once
// The frame's side of the core: what every month plan reaches through its
// frame (settings, storage, clock, prompts, the copy buffer) and the
// operations that belong to no single plan (opening and creating plans).
#include <string>

#include "core/command_lock.h"
#include "core/entry_record.h"
#include "core/settings.h"
#include "core/shell.h"

class MonthPlan;
class ProfileStore;

// The main frame's windows as the core sees them.
class FrameShell {
public:
    virtual ~FrameShell() = default;
    // Creates the month plan window for the period; its construction
    // recomputes and lists the plan. nullptr when no window could be made.
    virtual MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool maximised) = 0;
    // The open plan window on this file, brought to the front; nullptr when
    // none is open. A window is known by its file, never by its title: after
    // a change of folder the same title names another file.
    virtual MonthPlan* ActivatePlanWindow(const std::string& /*file*/) { return nullptr; }
    // The open window on this file, or nullptr; nothing is brought to the front.
    virtual MonthPlan* FindPlanWindow(const std::string& /*file*/) { return nullptr; }
    // Whether a month plan window is active.
    virtual bool HasActivePlan() = 0;
    // Whether a window with this title exists (WARNING_TITLE, a plan title).
    virtual bool WindowExists(const char* title) = 0;
    virtual void SetTrayTip(const char* /*text*/) {}
    // The live computation's tip, and the end of today's work ("Feierabend
    // um ...", empty without an open entry) for the status bar and a tip
    // that has room for it.
    virtual void SetLiveTip(const char* text, const char* /*endOfDay*/) { SetTrayTip(text); }
    // A passing notice at the tray icon, not a modal box.
    virtual void ShowTrayNotice(const char* /*text*/) {}
    virtual void SetTrayIconActive(bool /*warning*/) {}
    // The outermost user command has ended (CommandScope): no operation of
    // any plan is under way any more.
    virtual void CommandEnded() {}
};

class FrameCore {
public:
    FrameCore(Settings& settings, ProfileStore& store, Clock& clock, UserPrompts& prompts, FrameShell& shell);

    Settings& settings() { return settings_; }
    ProfileStore& store() { return store_; }
    Clock& clock() { return clock_; }
    UserPrompts& prompts() { return prompts_; }
    FrameShell& shell() { return shell_; }
    EntryRecord& copyBuffer() { return copyBuffer_; }
    // Whether a plan is being created: the live computation opens no plan then.
    bool creating() const { return creating_ > 0; }
    // Whether a user command (CommandScope) is under way.
    bool inCommand() const { return commands_ > 0; }

    // 1 when a window was opened or the user declined; 0 when the file could
    // not be created or holds something that is no readable plan (told, left
    // unchanged).
    int OpenMonthPlan(unsigned month, unsigned year, bool create, bool ask);
    // The opening account of the period starting in (month, year).
    HoursValue CarryOverAccount(unsigned month, unsigned year, bool interactive);
    // The plan of today's period, opened (and created) without a question
    // when no window shows it; nullptr when that fails.
    MonthPlan* OpenTodaysPlan();
    // The last stored account of a plan file, NO_HOURS when there is none.
    HoursValue ReadClosingAccount(const std::string& file);
    // The period that contains today.
    void TodaysPeriod(unsigned& month, unsigned& year);
    // "Monatsplan für März 2002"
    static std::string PlanTitle(unsigned month, unsigned year);
    // Whether the plan file exists for all purposes: MAIN/Month is not empty.
    bool PlanExists(const std::string& file);
    // Tells the user about the first file that could not be written since
    // the last report, if any. The end of a user command (CommandScope) calls it.
    void ReportUnsavedFile();

    // The settings file (frame_settings.cpp). Reads it into the settings.
    void ReadSettingsFile();
    // Writes what changed since the last read or save, on top of what the
    // file holds now; false when the file could not be written.
    bool SaveSettingsFile();
    // Takes over the day counters another process changed in the file since
    // the last read or save, where this process left them unchanged. Runs
    // under the command lock, before the command uses them.
    void RefreshSettingsFile();

private:
    // Whether a file exists that is no readable plan; tells the user so
    // (without ask only the first time in a row for the same file).
    bool RefuseUnreadablePlan(const std::string& file, bool ask);

    Settings& settings_;
    ProfileStore& store_;
    Clock& clock_;
    UserPrompts& prompts_;
    FrameShell& shell_;
    EntryRecord copyBuffer_;
    std::string refusedFile_; // the last file RefuseUnreadablePlan refused
    int creating_ = 0;        // ScopedCount
    int trayNotes_ = 0;       // ScopedCount: notes go to the tray (OpenTodaysPlan)
    int commands_ = 0;        // CommandScope
    bool unlocked_ = false;   // CommandScope: the command could not lock its files
    CommandLock lock_;        // CommandScope, UserWait
    bool locked_ = false;     // lock_ is held
    int waits_ = 0;           // UserWait
    Settings asRead_;         // the settings as the file held them at the last read or save
    friend class CommandScope;
    friend class UserWait;
};
