#pragma once
// The dialogs that edit one value: the month of a period, a day counter of
// the settings, the remark of an entry. Created with new; each runs and
// deletes itself inside its constructor.
#include "core/counter_forms.h"
#include "core/opened_entry.h"
#include "dialogs/value_dialog.h"

class Clock;
class MonthPlan;
struct Settings;

// "Monatsplan" (DLG_GETMONTH): asks for the month and year of a period.
// A month of 0 proposes the period that contains today. Writes both back as
// they are read; month 0 after "Abbrechen".
class MonthDialog : public ValueDialog {
public:
    MonthDialog(HINSTANCE module, HWND parent, unsigned* month, unsigned* year, const Settings& settings, Clock& clock);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;
    void Cancel() override;

private:
    unsigned* month_;
    unsigned* year_;
    const Settings& settings_;
    Clock& clock_;
};

// DLG_DAYS: one of the counters Holidays, Sickdays, GDays, in memory.
class DayCountDialog : public ValueDialog {
public:
    DayCountDialog(HINSTANCE module, HWND parent, Settings& settings, DayCounter counter);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;

private:
    Settings& settings_;
    DayCounter counter_;
};

// "Bemerkung ändern" (DLG_GETINFO): the remark of an existing entry, whose
// kind and values stay. key: day | position << 16.
class RemarkDialog : public ValueDialog {
public:
    RemarkDialog(HINSTANCE module, HWND parent, MonthPlan& plan, unsigned key);

protected:
    void Fill(HWND dialog) override;
    bool Accept(HWND dialog) override;

private:
    MonthPlan& plan_;
    unsigned key_;
    OpenedEntry opened_;
};
