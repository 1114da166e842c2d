#pragma once
// Billing periods: the days StartDay..31 of the month the period starts in,
// then 1..StartDay-1 of the following month. Every loop over a period walks
// one of these day lists.
#include <string>

struct Settings;

// StartDay as the period arithmetic uses it: values outside 1..31 count as 1.
unsigned EffectiveStartDay(const Settings& settings);

class PeriodDays {
public:
    const unsigned* begin() const { return days_; }
    const unsigned* end() const { return days_ + count_; }
    int size() const { return count_; }

    // All 31 day numbers of the period in period order.
    static PeriodDays All(unsigned startDay);
    // From day (included) to the end of the period; empty for a day outside 1..31.
    static PeriodDays From(unsigned startDay, unsigned day);
    // From the start of the period up to day (excluded).
    static PeriodDays Before(unsigned startDay, unsigned day);

private:
    unsigned days_[31] = {};
    int count_ = 0;
};

// The month and year of day in the period starting in (month, year):
// days below startDay lie in the following month.
void DateOfPeriodDay(unsigned startDay, unsigned day, unsigned month, unsigned year, unsigned& outMonth,
                     unsigned& outYear);

// The period that contains the date: the date's month, or the month before
// when the day lies before startDay.
void PeriodOfDate(unsigned startDay, unsigned day, unsigned month, unsigned year, unsigned& periodMonth,
                  unsigned& periodYear);

// "<dir>/MMYYYY.SW" or "<dir>/MMYYYY_S.SW" (backslash on Windows). A working
// directory that already ends in a separator gets no second one.
std::string MonthPlanFileName(const Settings& settings, unsigned month, unsigned year);
