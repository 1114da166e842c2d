#pragma once
// The dialogs that book whole days or set the account on a date. Each one
// writes its entries into the month plan on OK; the day counters change in
// the Settings record in memory (the caller saves them). suggestedDate is
// the selected row's date, empty for today. Created with new; each runs
// and deletes itself inside its constructor.
#include <string>

#include "dialogs/value_dialog.h"

class MonthPlan;

// Base of the five: the plan and the suggested date.
class DayKindDialog : public ValueDialog {
protected:
    DayKindDialog(HINSTANCE module, MonthPlan& plan, const std::string& suggestedDate)
        : ValueDialog(module), plan_(plan), suggestedDate_(suggestedDate)
    {
    }

    MonthPlan& plan_;
    std::string suggestedDate_;
};

// "Gleittagerfassung" (DLG_GETDAY): one flexi day; GDays + 1.
class FlexiDayDialog : public DayKindDialog {
public:
    FlexiDayDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;
};

// "Feiertagserfassung" (DLG_GETDAY): one public holiday.
class HolidayEntryDialog : public DayKindDialog {
public:
    HolidayEntryDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;
};

// "Urlaubstageerfassung" (DLG_GETFEWDAYS): vacation over a range; Holidays - n.
class VacationDialog : public DayKindDialog {
public:
    VacationDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;
};

// "Krankheitstageerfassung" (DLG_GETFEWDAYS): sick days over a range; Sickdays + n.
class SickDaysDialog : public DayKindDialog {
public:
    SickDaysDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;
};

// "Zeitkonto korrigieren" (DLG_ACCOUNT): the running account from a date on.
class AccountCorrectionDialog : public DayKindDialog {
public:
    AccountCorrectionDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;
};
