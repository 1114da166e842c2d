#pragma once
// "Jahresübersicht": the evaluation of every billing period of a year that
// has a plan file, with the account at its end and the vacation, sick and
// flexi days taken in it. Reads the plan files through the evaluation's own
// code; creates and writes nothing.
#include <string>
#include <vector>

#include "core/evaluation.h"

class FrameCore;

struct YearOverviewRow {
    unsigned month = 0;            // the period's month; 0 in the total row
    MonthEvaluation evaluation;    // as the "Monats-Auswertung" of the period shows it
    HoursValue account = NO_HOURS; // at the end of the period
    unsigned vacationDays = 0, sickDays = 0, flexiDays = 0;
};

struct YearOverview {
    unsigned year = 0;
    std::vector<YearOverviewRow> periods;
    YearOverviewRow total; // sums; the account of the last period
    std::uint32_t vacationDaysLeft = 0;
};

YearOverview BuildYearOverview(FrameCore& frame, unsigned year);

inline constexpr const char* YEAR_OVERVIEW_TITLE = "Jahresübersicht";
inline constexpr int YEAR_OVERVIEW_COLUMNS = 10;
// The column names, for the list's header and the text's first line.
extern const char* const YearOverviewColumns[YEAR_OVERVIEW_COLUMNS];

// The cells of one row in the display format of the settings.
std::vector<std::string> YearOverviewCells(const Settings& settings, const YearOverviewRow& row);
// The whole overview as text: the column names, one line per period, the total
// and the vacation days left, cells separated by tabs, lines ended by a line
// feed, as the clipboard export writes them.
std::string YearOverviewText(const Settings& settings, const YearOverview& overview);
