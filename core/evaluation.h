#pragma once
// The monthly evaluation ("Monats-Auswertung"): figures summed over a period
// and the report text the shells show. Reads the plan file, writes nothing.
#include <cstdint>
#include <string>

#include "core/time_values.h"

class MonthPlan;
struct Settings;

struct MonthEvaluation {
    unsigned targetDays = 0;        // "Soll-Arbeitstage"
    unsigned actualDays = 0;        // "Ist-Arbeitstage": completed days only
    HoursValue overtime = 0;        // sum of the positive day balances
    HoursValue missing = 0;         // magnitudes of the zero or negative ones
    HoursValue balance = 0;         // "Stundensaldo"
    HoursValue total = 0;           // "Gesamtarbeitszeit"
    HoursValue dailyAverage = 0;    // total / actual days, truncated
    HoursValue personDayLength = 0; // 8:00 for externals, else HoursPerDay
    float personDays = 0.0f;        // "Gesamtzeit in MT"
};

// Sums the last entry of every day of the plan's period.
MonthEvaluation EvaluatePeriod(MonthPlan& plan);

// The report for the evaluation, in the display format the settings choose;
// externals get the short form without overtime figures.
std::string EvaluationReport(const Settings& settings, const MonthEvaluation& evaluation);

inline constexpr const char* EVALUATION_TITLE = "Monats-Auswertung";

// Both steps under the wait cursor: the text the shell shows with EVALUATION_TITLE.
std::string EvaluateMonth(MonthPlan& plan);
