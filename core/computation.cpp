// Hours, day balance and running account of every entry, from the values
// stored in the month plan file.
#include <cstdint>
#include <cstdlib>

#include "calendar/calendar.h"
#include "core/end_of_day.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"
#include "core/settings.h"

namespace {

// Sums run in 64 bits so that absurd stored values cannot overflow; the
// results are stored as 32-bit values like every other.
HoursValue ToHours(std::int64_t value)
{
    return static_cast<HoursValue>(static_cast<std::uint32_t>(value));
}

} // namespace

HoursValue MonthPlan::RawWorkTime(TimeValue come, TimeValue go)
{
    static const EntryKind order[] = {EmptyDay, PublicHoliday, Vacation,         SickDay,
                                      FlexiDay, MissingDay,    AccountCorrection};
    for (const EntryKind kind : order) {
        if (come == TimeCode(kind) || go == TimeCode(kind))
            return HoursCode(kind);
    }
    if (come == NO_TIME || go == NO_TIME)
        return NO_HOURS;
    if (go < come)
        return 0;
    return ToHours(static_cast<std::int64_t>(go) - come);
}

bool MonthPlan::DayGross(unsigned day, unsigned position, HoursValue workTimeOverride, std::int64_t& sum)
{
    const Settings& s = settings();
    sum = 0;
    for (unsigned j = 1; j <= position && j <= MAX_POSITION; ++j) {
        HoursValue w = NO_HOURS;
        if (!ReadPresentHours(Section(day, j), KEY_WORKTIME, w))
            break;
        if (j == position && workTimeOverride != NO_HOURS)
            w = workTimeOverride;
        if (w == NO_HOURS)
            return false;
        if (w == HoursCode(FlexiDay) || w == HoursCode(MissingDay)) {
            w = -s.HoursPerDay;
        } else if (w == HoursCode(AccountCorrection)) {
            sum = 0;
            w = 0;
        } else if (w == HoursCode(EmptyDay) || w == HoursCode(Vacation) || w == HoursCode(PublicHoliday) ||
                   w == HoursCode(SickDay)) {
            w = 0;
        }
        sum += w;
    }
    return true;
}

HoursValue MonthPlan::DaySaldo(unsigned day, unsigned position, HoursValue workTimeOverride)
{
    std::int64_t sum = 0;
    if (!DayGross(day, position, workTimeOverride, sum))
        return NO_HOURS;
    return ToHours(NetWorkTime(settings(), sum) - settings().HoursPerDay);
}

void MonthPlan::AddDayAccounts(unsigned day, std::int64_t& account)
{
    for (unsigned j = 1; j <= MAX_POSITION; ++j) {
        HoursValue value = NO_HOURS;
        if (!ReadPresentHours(Section(day, j), KEY_ACCOUNT, value))
            break;
        if (value != HoursCode(EmptyDay))
            account = value;
    }
}

std::int64_t MonthPlan::AccountBefore(unsigned day)
{
    const std::int64_t opening = std::strtoll(ReadText(SECTION_MAIN, KEY_ACCOUNT, "").c_str(), nullptr, 10);
    std::int64_t account = static_cast<HoursValue>(static_cast<std::uint32_t>(opening));
    for (const unsigned d : PeriodDays::Before(EffectiveStartDay(settings()), day))
        AddDayAccounts(d, account);
    return account;
}

HoursValue MonthPlan::AccountAfter(unsigned day, unsigned position, HoursValue saldoOverride)
{
    // The entry's own Account key is rewritten in place by its caller, so the
    // key keeps its place in the section.
    std::int64_t acc = carry_.valid && carry_.day == day ? carry_.account : AccountBefore(day);

    // The Saldo of every entry after a correction already counts from the
    // correction on, so the account after entry i is the corrected value plus
    // Saldo(i); the entries in between are not added again.
    for (unsigned j = 1; j <= position && j <= MAX_POSITION; ++j) {
        const std::string section = Section(day, j);
        HoursValue saldo = NO_HOURS;
        if (!ReadPresentHours(section, KEY_SALDO, saldo))
            break;
        if (saldo == HoursCode(AccountCorrection))
            acc = ReadHours(section, KEY_ACCOUNT);
    }

    const HoursValue s = saldoOverride != NO_HOURS ? saldoOverride : ReadHours(Section(day, position), KEY_SALDO);
    if (s == HoursCode(Vacation) || s == HoursCode(SickDay))
        return ToHours(acc);
    if (s == NO_HOURS || acc == NO_HOURS)
        return NO_HOURS;
    return ToHours(acc + s);
}

void MonthPlan::WriteComputedKeys(const std::string& section, unsigned day, unsigned position, EntryRecord& record)
{
    const Settings& s = settings();
    const TimeValue go = record.Go;
    const bool dayOffGo = go >= TimeCode(EmptyDay) && go <= TimeCode(SickDay);
    if (dayOffGo) {
        if (go == TimeCode(EmptyDay)) {
            record.WorkTime = record.Saldo = record.Account = HoursCode(EmptyDay);
            record.NoSaldo = IsWorkDay(s, record.weekday) ? 0 : 1;
            WriteNumber(section, KEY_GO, go, true);
            WriteNumber(section, KEY_WORKTIME, record.WorkTime, false);
            WriteNumber(section, KEY_SALDO, record.Saldo, false);
            WriteNumber(section, KEY_ACCOUNT, record.Account, false);
            WriteNumber(section, KEY_NOSALDO, record.NoSaldo, false);
            return;
        }
        if (go == TimeCode(MissingDay))
            record.Saldo = -s.HoursPerDay;
        WriteNumber(section, KEY_GO, go, true);
        WriteNumber(section, KEY_WORKTIME, record.WorkTime, false);
        WriteNumber(section, KEY_NOSALDO, record.NoSaldo, false);
        WriteNumber(section, KEY_SALDO, record.Saldo, false);
        record.Account = AccountAfter(day, position, NO_HOURS);
        WriteNumber(section, KEY_ACCOUNT, record.Account, false);
        return;
    }

    const TimeValue direct = TimeCode(DirectHours);
    if (record.Come == direct && go == direct) {
        if (record.WorkTime == HOURS_CODE_BASE || record.WorkTime == NO_HOURS)
            record.WorkTime = 0;
    } else {
        record.WorkTime = RawWorkTime(record.Come, go);
    }
    WriteNumber(section, KEY_WORKTIME, record.WorkTime, false);

    const TimeValue correction = TimeCode(AccountCorrection);
    if (record.Come == correction || record.Come == TimeCode(FlexiDay))
        record.NoSaldo = 0;
    WriteNumber(section, KEY_NOSALDO, record.NoSaldo, false);

    if (record.Come == correction && go == correction)
        record.Saldo = HoursCode(AccountCorrection);
    else if (record.Come == TimeCode(FlexiDay))
        record.Saldo = -s.HoursPerDay;
    else if (record.NoSaldo == 0)
        record.Saldo = DaySaldo(day, position, NO_HOURS);
    else
        record.Saldo = record.WorkTime;
    WriteNumber(section, KEY_SALDO, record.Saldo, false);

    if (record.Come != correction && go != correction)
        record.Account = AccountAfter(day, position, NO_HOURS);
    WriteNumber(section, KEY_ACCOUNT, record.Account, false);
}

void MonthPlan::RecomputeDays(unsigned firstDay)
{
    WaitCursor wait(frame_.prompts());
    ProfileBatch batch(store());
    std::int64_t account = AccountBefore(firstDay);
    for (const unsigned day : PeriodDays::From(EffectiveStartDay(settings()), firstDay)) {
        carry_ = {true, day, account};
        EntryRecord record;
        for (unsigned position = 1; position <= MAX_POSITION && ReadEntry(day, position, record); ++position)
            WriteEntry(day, position, record);
        carry_.valid = false;
        AddDayAccounts(day, account);
    }
}

bool MonthPlan::StoreEntry(unsigned day, unsigned position, EntryRecord& record)
{
    bool saved = false;
    {
        ProfileBatch batch(store());
        if (!WriteEntry(day, position, record))
            return false;
        RecomputeDays(day != 0 ? day : record.day);
        saved = batch.End();
    }
    RefreshList();
    return saved;
}

void MonthPlan::Recompute(unsigned firstDay)
{
    RecomputeDays(firstDay);
    RefreshList();
}

void MonthPlan::RecomputeMonthTimes()
{
    Recompute(EffectiveStartDay(settings()));
    FillMissingDaysToSelection();
}

int MonthPlan::IsFreeDay(EntryRecord& record)
{
    const Calendar calendar;
    record.weekday = calendar.Weekday(record.day, record.month, record.year);
    const std::string section = Section(record.day, 1);
    const auto come = static_cast<TimeValue>(store().ReadInt(section.c_str(), KEY_COME, NO_TIME, path_.c_str()));
    if (come == TimeCode(PublicHoliday) || come == TimeCode(Vacation) || come == TimeCode(SickDay) ||
        come == TimeCode(FlexiDay))
        return 1;
    const int noSaldoDefault = IsWorkDay(settings(), record.weekday) ? 0 : 1;
    return store().ReadInt(section.c_str(), KEY_NOSALDO, noSaldoDefault, path_.c_str()) != 0 ? 1 : 0;
}
