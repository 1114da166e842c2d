#pragma once
// The dialogs that book whole days or set the account on a date. Each one
// writes its entries into the month plan on OK; the day counters change in
// the Settings record in memory (the caller saves them). suggestedDate is
// the selected row's date, empty for today. Created with new; each runs
// and deletes itself inside its constructor.
#include <string>

#include "core/day_kind_forms.h"
#include "dialogs/value_dialog.h"

class MonthPlan;

// Base of the five: the plan, the suggested date and the dialog's title.
class DayKindDialog : public ValueDialog {
protected:
    DayKindDialog(HINSTANCE module, MonthPlan& plan, const std::string& suggestedDate, const char* title)
        : ValueDialog(module), plan_(plan), suggestedDate_(suggestedDate), title_(title)
    {
    }

    MonthPlan& plan_;
    std::string suggestedDate_;
    const char* title_;
};

// DLG_GETDAY: one day of a kind, with a remark.
class SingleDayDialog : public DayKindDialog {
protected:
    using AcceptDay = bool (*)(MonthPlan&, const DayEntryFields&);
    SingleDayDialog(HINSTANCE module, MonthPlan& plan, const std::string& suggestedDate, const char* title,
                    AcceptDay accept)
        : DayKindDialog(module, plan, suggestedDate, title), accept_(accept)
    {
    }
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;

private:
    AcceptDay accept_;
};

// DLG_GETFEWDAYS: a range of days of a kind, with a remark.
class DayRangeDialog : public DayKindDialog {
protected:
    using InitRange = DayRangeFields (*)(MonthPlan&, const std::string&);
    using AcceptRange = bool (*)(MonthPlan&, const DayRangeFields&);
    DayRangeDialog(HINSTANCE module, MonthPlan& plan, const std::string& suggestedDate, const char* title,
                   InitRange init, AcceptRange accept)
        : DayKindDialog(module, plan, suggestedDate, title), init_(init), accept_(accept)
    {
    }
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;

private:
    InitRange init_;
    AcceptRange accept_;
};

// "Gleittagerfassung": one flexi day, refused on a day free anyway; GDays + 1.
class FlexiDayDialog : public SingleDayDialog {
public:
    FlexiDayDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);
};

// "Feiertagserfassung": one public holiday.
class HolidayEntryDialog : public SingleDayDialog {
public:
    HolidayEntryDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);
};

// "Urlaubstageerfassung": vacation over a range; Holidays - n.
class VacationDialog : public DayRangeDialog {
public:
    VacationDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);
};

// "Krankheitstageerfassung": sick days over a range; Sickdays + n.
class SickDaysDialog : public DayRangeDialog {
public:
    SickDaysDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);
};

// "Zeitkonto korrigieren" (DLG_ACCOUNT): the running account from a date on.
class AccountCorrectionDialog : public DayKindDialog {
public:
    AccountCorrectionDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;
};
