#include "core/evaluation.h"

#include <cstdio>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings.h"

namespace {

// Person-days of an external employee are always 8 hours.
constexpr HoursValue EXTERN_PERSON_DAY = 480;

bool IsPlainTime(TimeValue value)
{
    return value != NO_TIME && !IsTimeCode(value);
}

// The sums wrap like the 32-bit values they are.
HoursValue Wrapped(std::int64_t value)
{
    return static_cast<HoursValue>(static_cast<std::uint32_t>(value));
}

std::string Hours(const Settings& settings, HoursValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatHours(settings, value, text);
    return text;
}

} // namespace

MonthEvaluation EvaluatePeriod(MonthPlan& plan)
{
    const Settings& s = plan.settings();
    MonthEvaluation result;
    std::int64_t overtime = 0, missing = 0, balance = 0, total = 0;
    for (const unsigned day : PeriodDays::All(EffectiveStartDay(s))) {
        const unsigned last = plan.EntryCount(day);
        EntryRecord entry;
        if (last == 0 || !plan.ReadEntry(day, last, entry))
            continue;
        if (IsWorkDay(s, entry.weekday) && entry.Come != TimeCode(PublicHoliday))
            ++result.targetDays;
        // The last entry's Saldo is the balance of the whole day.
        const HoursValue saldo = entry.Saldo;
        if (saldo == NO_HOURS || IsHoursCode(saldo))
            continue;
        if (IsPlainTime(entry.Go))
            ++result.actualDays;
        if (saldo > 0)
            overtime += saldo;
        else
            missing -= saldo;
        balance += saldo;
        if (s.Extern || !plan.IsFreeDay(entry))
            total += static_cast<std::int64_t>(s.HoursPerDay) + saldo;
        else if (saldo > 0)
            total += saldo;
    }
    result.overtime = Wrapped(overtime);
    result.missing = Wrapped(missing);
    result.balance = Wrapped(balance);
    result.total = Wrapped(total);
    result.dailyAverage = result.actualDays > 0 ? result.total / static_cast<HoursValue>(result.actualDays) : 0;
    result.personDayLength = s.Extern ? EXTERN_PERSON_DAY : s.HoursPerDay;
    // A HoursPerDay of 0 would print "inf" or "nan", differently on each C
    // library; no person-day length means no person-days.
    if (result.personDayLength != 0)
        result.personDays = static_cast<float>(static_cast<double>(result.total) / result.personDayLength);
    return result;
}

std::string EvaluationReport(const Settings& settings, const MonthEvaluation& e)
{
    char length[TEXT_BUFFER_SIZE];
    FormatTime(e.personDayLength, length);
    char report[4096];
    if (settings.Extern) {
        std::snprintf(
            report, sizeof report,
            "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht %s Stunden.\n\n"
            "Soll-Arbeitstage:\t%u Tage\nIst-Arbeitstage:\t%u Tage\n\n"
            "Gesamtarbeitszeit:\t%s Stunden\nTages-Schnitt:\t%s Stunden\n\nGesamtzeit in MT:\t%2.2f Tage",
            length, e.targetDays, e.actualDays, Hours(settings, e.total).c_str(),
            Hours(settings, e.dailyAverage).c_str(), static_cast<double>(e.personDays));
    } else {
        std::snprintf(
            report, sizeof report,
            "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht %s Stunden.\n\n"
            "Soll-Arbeitstage:\t%u Tage\nIst-Arbeitstage:\t%u Tage\n\n"
            "Überstunden:\t%s Stunden\nFehlstunden:\t%s Stunden\nStundensaldo:\t%s Stunden\n\n"
            "Gesamtarbeitszeit:\t%s Stunden\nTages-Schnitt:\t%s Stunden\n\nGesamtzeit in MT:\t%2.2f Tage",
            length, e.targetDays, e.actualDays, Hours(settings, e.overtime).c_str(), Hours(settings, e.missing).c_str(),
            Hours(settings, e.balance).c_str(), Hours(settings, e.total).c_str(),
            Hours(settings, e.dailyAverage).c_str(), static_cast<double>(e.personDays));
    }
    return report;
}

std::string EvaluateMonth(MonthPlan& plan)
{
    WaitCursor wait(plan.frame().prompts());
    return EvaluationReport(plan.settings(), EvaluatePeriod(plan));
}
