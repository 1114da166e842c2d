#pragma once
// The billing period that contains today, from the real clock: the program
// reads the real clock, so the tests prepare the plan of this period.
#include <string>

struct Date {
    unsigned day, month, year;
};

struct CurrentPeriod {
    Date today;
    unsigned month, year, startDay;

    // The month plan file's name: MMYYYY.SW, or MMYYYY_S.SW for a first billing day S other than 1.
    std::string FileName() const;
    // The period's first day as DD.MM.YYYY.
    std::string FirstDayText() const;
    // "März 2025" as the month plan window's title writes it (Windows-1252).
    std::string MonthAndYear() const;
};

CurrentPeriod PeriodOfToday(unsigned startDay);
std::string DateText(const Date& date);
// Minutes since midnight now.
int MinutesNow();
