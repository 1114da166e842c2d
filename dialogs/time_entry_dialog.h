#pragma once
// "Zeiterfassung" (DLG_GETDATA): records a working period of one day as
// arrival and departure or as hours, with a remark. On OK it writes the
// entry and recomputes the period itself; the caller only sees the plan
// change. Created with new; runs and deletes itself inside the constructor.
#include <string>

#include "core/opened_entry.h"
#include "framework/modal_dialog.h"

class MonthPlan;

class TimeEntryDialog : public ModalDialog {
public:
    // key: day | position << 16 of the entry to change, 0 for a new entry.
    // suggestedDate: the date a new entry starts with, empty for today.
    // focusDeparture: "Gehen" has the focus, for an entry left open.
    TimeEntryDialog(HINSTANCE module, HWND parent, MonthPlan& plan, unsigned key, const std::string& suggestedDate,
                    bool focusDeparture = false);

    INT_PTR OnInitDialog(HWND dialog) override;
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;

private:
    // The fields of the entry as the file holds it now.
    void ShowFields(HWND dialog);
    void ApplyMode(HWND dialog);
    bool Accept(HWND dialog);

    MonthPlan& plan_;
    unsigned key_;
    std::string suggestedDate_;
    OpenedEntry opened_;
    bool focusDeparture_;
};
