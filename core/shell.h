#pragma once
// What the core needs of the world around it. The GUI implements these with
// Win32 (message boxes, GetLocalTime, the list view, the tray icon), the CLI
// with its options and standard output, the tests with fakes.
#include <cstdint>
#include <string>
#include <vector>

#include "core/time_values.h"

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

enum class MessageIcon { Information, Warning, None };

// Title of the warning window (the message dialog). The live computation
// looks for an open window with this title so that a timer tick never opens
// a second warning on top of the first.
inline constexpr const char* WARNING_TITLE = "- Hinweis -";

// The window that owns the messages, as an opaque handle (the GUI's HWND).
// A dialog owns the messages it shows about its own input, so that it stays
// disabled while one is open. NO_PROMPT_OWNER leaves the choice to the
// implementation (the main frame).
using PromptOwner = std::uintptr_t;
inline constexpr PromptOwner NO_PROMPT_OWNER = 0;

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // The owner of every prompt shown now; set by PromptOwnerScope.
    PromptOwner owner() const { return owner_; }
    // A message box with an OK button.
    virtual void Tell(const char* text, const char* title, MessageIcon icon) = 0;
    // A yes/no question; only Yes proceeds. questionIcon: MB_ICONQUESTION, else MB_ICONINFORMATION.
    virtual bool Ask(const char* text, const char* title, bool questionIcon) = 0;
    // The month dialog preset to (month, year); false (month 0) on "Abbrechen".
    virtual bool AskMonth(unsigned& month, unsigned& year) = 0;
    // The warning dialog (titled WARNING_TITLE); returns the state of "Nachricht nicht mehr anzeigen".
    virtual bool ShowWarning(const char* text) = 0;
    // The wait cursor for whole-period operations.
    virtual void BeginWait() {}
    virtual void EndWait() {}

private:
    friend class PromptOwnerScope;
    PromptOwner owner_ = NO_PROMPT_OWNER;
};

// Makes a window the owner of every prompt shown during the scope, such as
// a dialog's OK calling into the core; the previous owner comes back at its
// end, also when the scope ends with an exception.
class PromptOwnerScope {
public:
    PromptOwnerScope(UserPrompts& prompts, PromptOwner owner) : prompts_(prompts), previous_(prompts.owner_)
    {
        prompts_.owner_ = owner;
    }
    ~PromptOwnerScope() { prompts_.owner_ = previous_; }
    PromptOwnerScope(const PromptOwnerScope&) = delete;
    PromptOwnerScope& operator=(const PromptOwnerScope&) = delete;

private:
    UserPrompts& prompts_;
    PromptOwner previous_;
};

class WaitCursor {
public:
    explicit WaitCursor(UserPrompts& prompts) : prompts_(prompts) { prompts_.BeginWait(); }
    ~WaitCursor() { prompts_.EndWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UserPrompts& prompts_;
};

// The columns of the month plan list.
enum ListColumn { ColDay, ColDate, ColCome, ColGo, ColHours, ColSaldo, ColAccount, ColRemark, LIST_COLUMNS };

// One row of the month plan list: the entry key (day | position << 16), the
// icon index and the eight cell texts (Windows-1252).
struct ListRow {
    unsigned key = 0;
    int icon = 0;
    std::string text[LIST_COLUMNS];
};

// The days counted by the list refresh, shown in the status bar.
struct DayCounts {
    unsigned workDays = 0, lastWorkDay = 0;
    unsigned sickDays = 0, lastSickDay = 0;
    unsigned vacationDays = 0, lastVacationDay = 0;
    unsigned flexiDays = 0, lastFlexiDay = 0;
};

// The month plan window as the core sees it.
class PlanView {
public:
    virtual ~PlanView() = default;
    // Replaces every row; the view keeps the selected row index across it.
    virtual void ShowRows(const std::vector<ListRow>& rows) = 0;
    // Redraws one row whose texts changed (live values).
    virtual void UpdateRow(int index, const ListRow& row) = 0;
    // Index of the selected row, or -1.
    virtual int SelectedRow() = 0;
    virtual void SelectRow(int index) = 0;
    // The day counts changed (status bar).
    virtual void DayCountsChanged() {}
};
