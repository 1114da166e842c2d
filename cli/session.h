#pragma once
// One run of stundwerk-cli as the core sees it: the main frame (its plan
// windows are list models that remember their rows and selection), the clock
// of the run, and a user who never hesitates.
//
// Prompts: every question is answered yes, except the one that would repeat
// the search for a month to carry the account over from (the CLI has no
// month dialog, so that search ends at once). A message is a note when it
// reports what was done (an account taken over or not); every other message
// is a refusal. Both go to stderr in UTF-8; a refusal makes the run exit 1.
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/command_lock.h"
#include "core/frame_core.h"
#include "ini/profile_batch.h"
#include "core/month_plan.h"
#include "ini/profile_store.h"
#include "core/settings.h"
#include "core/shell.h"

// The list of one plan window: rows and the selected row index.
class CliPlanView : public PlanView {
public:
    void ShowRows(const std::vector<ListRow>& rows) override;
    void UpdateRow(int index, const ListRow& row) override;
    int SelectedRow() override { return selected_; }
    void SelectRow(int index) override { selected_ = index; }

private:
    int selected_ = -1;
    int rowCount_ = 0;
};

// The day counters of the settings, to save them when a command changed them.
struct DayCounters {
    std::uint32_t holidays, sickdays, flexiDays;
    explicit DayCounters(const Settings& s) : holidays(s.Holidays), sickdays(s.Sickdays), flexiDays(s.GDays) {}
    bool operator!=(const DayCounters& o) const
    {
        return holidays != o.holidays || sickdays != o.sickdays || flexiDays != o.flexiDays;
    }
};

class CliSession : public FrameShell, public Clock, public UserPrompts {
public:
    // settingsPath: the settings file. The run's files are locked at once
    // (waiting at most lockWaitMs for another process's command) and the
    // settings read under the lock; when the wait ends without the lock, the
    // run is refused and opens no plan.
    CliSession(const LocalTime& now, const std::string& settingsPath, std::unique_ptr<ProfileStore> store,
               std::ostream& err, unsigned lockWaitMs = COMMAND_LOCK_WAIT_MS);
    ~CliSession() override;
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    Settings& settings() { return settings_; }
    ProfileStore& store() { return *store_; }
    FrameCore& frame() { return frame_; }

    // Opens the period as a new plan window does (created silently when
    // missing, recomputed, listed with the live computation). nullptr after
    // a refusal.
    MonthPlan* OpenPlan(unsigned month, unsigned year);
    // The plan of the period that contains the date under the current StartDay.
    MonthPlan* OpenPlanOfDate(unsigned day, unsigned month, unsigned year);
    // Selects the row of the entry in the plan's list; refuses when the
    // list has no such row.
    bool SelectEntry(MonthPlan& plan, unsigned day, unsigned position);

    // Prints a refusal of the CLI itself (Windows-1252 text) and marks the run refused.
    void Refuse(const std::string& text);
    bool refused() const { return refused_; }
    // Saves what the run changed in the settings file (the day counters
    // after booking days).
    bool SaveSettingsFile();
    // Saves it when the day counters differ from before.
    void SaveChangedCounters(const DayCounters& before);
    // Writes every file the command changed, at once; false when one could
    // not be written (it then keeps its old contents).
    bool Finish();

    // Clock
    LocalTime Now() override { return now_; }
    // UserPrompts
    void Tell(const char* text, const char* title, MessageIcon icon) override;
    bool Ask(const char* text, const char* title, bool questionIcon) override;
    bool AskMonth(unsigned& month, unsigned& year) override;
    bool ShowWarning(const char* text) override;
    // FrameShell
    MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool maximised) override;
    bool HasActivePlan() override { return !windows_.empty(); }
    bool WindowExists(const char* title) override;

private:
    struct PlanWindow {
        CliPlanView view;
        std::unique_ptr<MonthPlan> plan;
    };

    void Note(const char* text);

    LocalTime now_;
    std::ostream& err_;
    Settings settings_;
    std::unique_ptr<ProfileStore> store_;
    FrameCore frame_;
    std::vector<std::unique_ptr<PlanWindow>> windows_;
    // Held for the whole run, which is one user command.
    CommandLock lock_;
    bool locked_ = false;
    // One command's changes reach the disk together, each file once.
    // Ended while a plan file is created, so that creation writes the new
    // file at once and notices a file that cannot be written.
    std::optional<ProfileBatch> batch_;
    bool refused_ = false;
};
