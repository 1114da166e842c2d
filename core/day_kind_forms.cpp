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
#include "core/plan_keys.h"
#include "ini/profile_batch.h"
#include "core/settings.h"

namespace {

const char* const FREE_DAY =
    "Am angegebenen Tag kann kein %s eingetragen werden,\nweil dieser Tag sowieso arbeitsfrei ist.";
const char* const BOOKED_ALREADY = "Am angegebenen Tag ist bereits ein %s eingetragen.";
const char* const NO_WORK_DAY_IN_RANGE = "Im angegebenen Zeitraum liegt kein Arbeitstag.";
const char* const RANGE_ENDS_BEFORE_START = "Das Datum unter \"bis:\" liegt vor dem ersten Tag des Zeitraums.";
const char* const NOT_ENOUGH_VACATION =
    "Sie haben noch %i Urlaubstage zur Verfügung,\nbenötigen für den angegebenen Zeitraum aber %i Tage.\n\n"
    "Prüfen Sie ggf. die Einstellung der Urlaubstage.";

// No period has more days than this; the range walk never takes more steps.
constexpr int MAX_PERIOD_DAYS = 31;

// The counted day kinds by the name the messages give them.
const char* DayName(EntryKind kind)
{
    return kind == Vacation ? "Urlaubstag" : kind == SickDay ? "Krankheitstag" : "Gleittag";
}

void TellAboutDay(MonthPlan& plan, const char* format, EntryKind kind)
{
    char text[TEXT_BUFFER_SIZE];
    std::snprintf(text, sizeof text, format, DayName(kind));
    plan.frame().prompts().Tell(text, "Hinweis", MessageIcon::Information);
}

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

// Whether any entry of the day is of the kind. A counted day booked twice
// would be charged to its counter twice.
bool HoldsKind(MonthPlan& plan, unsigned day, EntryKind kind)
{
    EntryRecord entry;
    for (unsigned position = 1; position <= MAX_POSITION && plan.ReadEntry(day, position, entry); ++position) {
        if (entry.Come == TimeCode(kind))
            return true;
    }
    return false;
}

// Whether a counted day of the kind may be booked on the date; tells the
// user why not.
bool CheckBookableDay(MonthPlan& plan, const EntryRecord& date, EntryKind kind)
{
    EntryRecord day = date;
    if (plan.IsFreeDay(day)) {
        TellAboutDay(plan, FREE_DAY, kind);
        return false;
    }
    if (HoldsKind(plan, day.day, kind)) {
        TellAboutDay(plan, BOOKED_ALREADY, kind);
        return false;
    }
    return true;
}

// The days of from..to (by DateKey) on which a day of the kind may be
// booked. A day number the month does not have (31 April) still compares as
// lying before a date in the next month and is then moved to day 1 of that
// month.
std::vector<EntryRecord> WorkDaysOfRange(MonthPlan& plan, const EntryRecord& from, const EntryRecord& to,
                                         EntryKind kind)
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
        if (!plan.IsFreeDay(current) && !HoldsKind(plan, current.day, kind))
            days.push_back(current);
        ++current.day;
    }
    return days;
}

// Books a counted day of the kind on each of the days (the one day at key
// when key is not 0): the counter, the entries and the recomputation as one
// change of the file. Refused when the vacation left is too short.
bool BookCountedDays(MonthPlan& plan, const std::vector<EntryRecord>& days, EntryKind kind, const std::string& remark,
                     unsigned key)
{
    Settings& s = plan.settings();
    const auto count = static_cast<std::int32_t>(days.size());
    if (kind == Vacation) {
        const auto remaining = static_cast<std::int32_t>(s.Holidays);
        if (static_cast<long long>(remaining) - count < 0) {
            char text[TEXT_BUFFER_SIZE];
            std::snprintf(text, sizeof text, NOT_ENOUGH_VACATION, remaining, count);
            plan.frame().prompts().Tell(text, "Hinweis", MessageIcon::Information);
            return false;
        }
    }
    DayCountersBefore counters(s);
    {
        ProfileBatch batch(plan.store());
        for (const EntryRecord& day : days) {
            EntryRecord entry = DayOfKind(day, kind, remark);
            // Vacation and sick days keep the account; a flexi day takes a
            // regular day from it.
            if (kind != FlexiDay) {
                entry.Saldo = 0;
                entry.NoSaldo = 1;
            }
            if (!plan.WriteEntry(KeyDay(key), KeyPosition(key), entry))
                continue;
            if (kind == Vacation)
                --s.Holidays;
            else if (kind == SickDay)
                ++s.Sickdays;
            else
                ++s.GDays;
        }
        // One of the new entries may have taken over a missing day's place,
        // whose balance the later accounts still hold.
        if (!days.empty())
            plan.RecomputeDays(days.front().day);
        counters.RestoreUnless(batch.End());
    }
    plan.RefreshList();
    return true;
}

bool AcceptDayRange(MonthPlan& plan, const DayRangeFields& fields, EntryKind kind)
{
    EntryRecord from, to;
    if (!ReadEntryDate(plan, fields.from, from))
        return false;
    const std::string toText = FieldText(fields.to).empty() ? fields.from : fields.to;
    if (!ReadEntryDate(plan, toText, to))
        return false;
    if (DateKey(&to) < DateKey(&from)) {
        plan.frame().prompts().Tell(RANGE_ENDS_BEFORE_START, "Fehler", MessageIcon::Information);
        return false;
    }
    if (DateKey(&to) == DateKey(&from))
        return StoreCountedDay(plan, from, kind, fields.remark, 0);

    const std::vector<EntryRecord> days = WorkDaysOfRange(plan, from, to, kind);
    if (days.empty()) {
        plan.frame().prompts().Tell(NO_WORK_DAY_IN_RANGE, "Hinweis", MessageIcon::Information);
        return false;
    }
    return BookCountedDays(plan, days, kind, fields.remark, 0);
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
    return ReadEntryDate(plan, fields.date, date) && StoreCountedDay(plan, date, FlexiDay, fields.remark, 0);
}

bool StoreCountedDay(MonthPlan& plan, const EntryRecord& date, EntryKind kind, const std::string& remark, unsigned key)
{
    return CheckBookableDay(plan, date, kind) && BookCountedDays(plan, {date}, kind, remark, key);
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
    return AcceptDayRange(plan, fields, Vacation);
}

bool AcceptSickDays(MonthPlan& plan, const DayRangeFields& fields)
{
    return AcceptDayRange(plan, fields, SickDay);
}

bool AcceptAccountCorrection(MonthPlan& plan, const AccountCorrectionFields& fields)
{
    EntryRecord date;
    HoursValue account;
    if (!ReadEntryDate(plan, fields.date, date) || !ReadHoursField(plan, fields.account, "Zeitkontostand", account))
        return false;
    EntryRecord entry = DayOfKind(date, AccountCorrection, fields.remark);
    entry.Account = account;
    plan.StoreEntry(0, 0, entry);
    return true;
}
