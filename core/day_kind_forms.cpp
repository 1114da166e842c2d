// Booking flexi days, holidays, vacation and sick days, and correcting the
// account.
#include "core/day_kind_forms.h"

#include <cstdio>
#include <vector>

#include "calendar/calendar.h"
#include "core/day_counters.h"
#include "core/form_support.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "ini/profile_batch.h"
#include "core/settings.h"

namespace {

const char* const FLEXI_DAY_ON_FREE_DAY =
    "Am angegebenen Tag kann kein Gleittag eingetragen werden,\nweil dieser Tag sowieso arbeitsfrei ist.";
const char* const NOT_ENOUGH_VACATION =
    "Sie haben noch %i Urlaubstage zur Verfügung,\nbenötigen für den angegebenen Zeitraum aber %i Tage.\n\n"
    "Prüfen Sie ggf. die Einstellung der Urlaubstage.";

// No period has more days than this; the range walk never takes more steps.
constexpr int MAX_PERIOD_DAYS = 31;

// A whole day of one kind on the record's date, as the day-kind dialogs
// store it.
EntryRecord DayOfKind(const EntryRecord& date, EntryKind kind, const std::string& remark)
{
    EntryRecord entry;
    entry.day = date.day;
    entry.month = date.month;
    entry.year = date.year;
    entry.weekday = date.weekday;
    entry.Come = entry.Go = TimeCode(kind);
    entry.WorkTime = HoursCode(kind);
    SetRemark(entry, remark);
    return entry;
}

// The days of from..to (by DateKey) that are not free anyway. A day number
// the month does not have (31 April) still compares as lying before a date in
// the next month and is then moved to day 1 of that month.
std::vector<EntryRecord> WorkDaysOfRange(MonthPlan& plan, const EntryRecord& from, const EntryRecord& to)
{
    std::vector<EntryRecord> days;
    const Calendar calendar;
    const long long last = DateKey(&to);
    EntryRecord current;
    current.day = from.day;
    current.month = from.month;
    current.year = from.year;
    for (int step = 0; step < MAX_PERIOD_DAYS && DateKey(&current) <= last; ++step) {
        if (current.day >= 32 || !calendar.IsValidDate(current.day, current.month, current.year)) {
            current.day = 1;
            if (++current.month > 12) {
                current.month = 1;
                ++current.year;
            }
        }
        if (!plan.IsFreeDay(current))
            days.push_back(current);
        ++current.day;
    }
    return days;
}

enum class RangeKind { Vacation, SickDays };

bool AcceptDayRange(MonthPlan& plan, const DayRangeFields& fields, RangeKind kind)
{
    EntryRecord from, to;
    if (!ReadEntryDate(plan, fields.from, from))
        return false;
    const std::string toText = FieldText(fields.to).empty() ? fields.from : fields.to;
    if (!ReadEntryDate(plan, toText, to))
        return false;

    const std::vector<EntryRecord> days = WorkDaysOfRange(plan, from, to);
    const auto count = static_cast<std::int32_t>(days.size());
    Settings& s = plan.settings();
    DayCountersBefore counters(s);
    if (kind == RangeKind::Vacation) {
        const auto remaining = static_cast<std::int32_t>(s.Holidays);
        if (static_cast<long long>(remaining) - count < 0) {
            char text[TEXT_BUFFER_SIZE];
            std::snprintf(text, sizeof text, NOT_ENOUGH_VACATION, remaining, count);
            plan.frame().prompts().Tell(text, "Hinweis", MessageIcon::Information);
            return false;
        }
        s.Holidays -= static_cast<std::uint32_t>(count);
    } else {
        s.Sickdays += static_cast<std::uint32_t>(count);
    }

    const EntryKind entryKind = kind == RangeKind::Vacation ? Vacation : SickDay;
    {
        ProfileBatch batch(plan.store());
        for (const EntryRecord& day : days) {
            EntryRecord entry = DayOfKind(day, entryKind, fields.remark);
            entry.Saldo = 0;
            entry.NoSaldo = 1;
            plan.WriteEntry(0, 0, entry);
        }
        // The new entries have balance 0, but one of them may have taken over a
        // missing day's place, whose balance the later accounts still hold.
        if (!days.empty())
            plan.RecomputeDays(days.front().day);
        counters.RestoreUnless(batch.End());
    }
    plan.RefreshList();
    return true;
}

} // namespace

DayEntryFields InitDayEntry(MonthPlan& plan, const std::string& suggestedDate)
{
    DayEntryFields fields;
    fields.date = InitialEntryDate(plan, suggestedDate);
    return fields;
}

DayRangeFields InitVacation(MonthPlan& plan, const std::string& suggestedDate)
{
    DayRangeFields fields;
    fields.from = fields.to = InitialEntryDate(plan, suggestedDate);
    return fields;
}

DayRangeFields InitSickDays(MonthPlan& plan, const std::string& suggestedDate)
{
    DayRangeFields fields = InitVacation(plan, suggestedDate);
    fields.remark = "Krankheitstag";
    return fields;
}

AccountCorrectionFields InitAccountCorrection(MonthPlan& plan, const std::string& suggestedDate)
{
    AccountCorrectionFields fields;
    fields.date = InitialEntryDate(plan, suggestedDate);
    return fields;
}

bool AcceptFlexiDay(MonthPlan& plan, const DayEntryFields& fields)
{
    // The date is checked before the free-day test: for a date outside the
    // period that test would read the entries of another day.
    EntryRecord date;
    return ReadEntryDate(plan, fields.date, date) && StoreFlexiDay(plan, date, fields.remark, 0);
}

bool StoreFlexiDay(MonthPlan& plan, const EntryRecord& date, const std::string& remark, unsigned key)
{
    EntryRecord day = date;
    if (plan.IsFreeDay(day)) {
        plan.frame().prompts().Tell(FLEXI_DAY_ON_FREE_DAY, "Hinweis", MessageIcon::Information);
        return false;
    }
    EntryRecord entry = DayOfKind(day, FlexiDay, remark);
    DayCountersBefore counters(plan.settings());
    ++plan.settings().GDays;
    counters.RestoreUnless(plan.StoreEntry(KeyDay(key), KeyPosition(key), entry));
    return true;
}

bool AcceptHolidayEntry(MonthPlan& plan, const DayEntryFields& fields)
{
    EntryRecord date;
    if (!ReadEntryDate(plan, fields.date, date))
        return false;
    EntryRecord entry = DayOfKind(date, PublicHoliday, fields.remark);
    entry.Saldo = 0;
    entry.NoSaldo = 1;
    plan.StoreEntry(0, 0, entry);
    return true;
}

bool AcceptVacation(MonthPlan& plan, const DayRangeFields& fields)
{
    return AcceptDayRange(plan, fields, RangeKind::Vacation);
}

bool AcceptSickDays(MonthPlan& plan, const DayRangeFields& fields)
{
    return AcceptDayRange(plan, fields, RangeKind::SickDays);
}

bool AcceptAccountCorrection(MonthPlan& plan, const AccountCorrectionFields& fields)
{
    EntryRecord date;
    if (!ReadEntryDate(plan, fields.date, date))
        return false;
    EntryRecord entry = DayOfKind(date, AccountCorrection, fields.remark);
    char account[TEXT_BUFFER_SIZE];
    const std::string text = FieldText(fields.account);
    std::snprintf(account, sizeof account, "%s", text.c_str());
    entry.Account = ParseHours(account);
    plan.StoreEntry(0, 0, entry);
    return true;
}
