// Filling a new period, taking over the previous account again, and
// rewriting the weekdays and day names of a plan.
#include <cstdio>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"
#include "core/settings.h"

void MonthPlan::FillNewPeriod(unsigned month, unsigned year)
{
    const Settings& s = settings();
    const unsigned startDay = EffectiveStartDay(s);
    const Calendar calendar(s.FreeDays);
    ProfileBatch batch(store());
    for (unsigned day = 1; day <= 31; ++day) {
        EntryRecord record;
        record.day = day;
        DateOfPeriodDay(startDay, day, month, year, record.month, record.year);
        record.weekday = calendar.Weekday(record.day, record.month, record.year);
        if (calendar.FindHoliday(record.day, record.month, record.year, record.Info)) {
            record.Saldo = 0;
            record.NoSaldo = 1;
            if (IsWorkDay(s, record.weekday)) {
                record.Come = record.Go = TimeCode(PublicHoliday);
                record.WorkTime = HoursCode(PublicHoliday);
            } else {
                record.Come = record.Go = TimeCode(EmptyDay);
                record.WorkTime = record.Account = HoursCode(EmptyDay);
            }
        } else {
            record.Come = record.Go = TimeCode(EmptyDay);
            record.WorkTime = record.Saldo = record.Account = HoursCode(EmptyDay);
            record.NoSaldo = 0;
            calendar.FindSpecialDay(record.day, record.month, record.year, record.Info);
        }
        if (calendar.IsValidDate(record.day, record.month, record.year))
            WriteEntry(day, 1, record);
    }
    batch.End();
    RefreshList();
}

void MonthPlan::RetakeCarryOver()
{
    UserPrompts& prompts = frame_.prompts();
    if (settings().Extern &&
        !prompts.Ask("Hinweis:\nSie sind als externer Mitarbeiter eingetragen.\nEs macht deswegen u.U. keinen Sinn, "
                     "den Kontostand des Vormonats zu addieren.\n\nTrotzdem weitermachen?",
                     "Frage", true))
        return;
    if (!prompts.Ask("Soll der Zeitkonto-Stand des Vormonats erneut\nübernommen und verrechnet werden?", "Frage", true))
        return;
    const HoursValue account = frame_.CarryOverAccount(PlanMonth(), PlanYear(), true);
    {
        ProfileBatch batch(store());
        WriteNumber(SECTION_MAIN, KEY_ACCOUNT, account, false);
        RecomputeDays(EffectiveStartDay(settings()));
    }
    RefreshList();
}

void MonthPlan::RecomputeWeekdays()
{
    const unsigned startDay = EffectiveStartDay(settings());
    unsigned month = store().ReadInt(SECTION_MAIN, KEY_MONTH, -1, path_.c_str());
    unsigned year = store().ReadInt(SECTION_MAIN, KEY_YEAR, -1, path_.c_str());
    const Calendar calendar(settings().FreeDays);
    ProfileBatch batch(store());
    unsigned previousDay = 0;
    for (const unsigned day : PeriodDays::All(startDay)) {
        if (day < previousDay && ++month > 12) {
            month = 1;
            ++year;
        }
        previousDay = day;
        EntryRecord record;
        if (!ReadEntry(day, 1, record))
            continue;
        if (record.Come == TimeCode(MissingDay))
            record.Come = TimeCode(EmptyDay);
        if (record.Go == TimeCode(MissingDay))
            record.Go = TimeCode(EmptyDay);
        record.day = day;
        record.month = month;
        record.year = year;
        record.weekday = calendar.Weekday(day, month, year);
        if (!calendar.FindHoliday(day, month, year, record.Info))
            calendar.FindSpecialDay(day, month, year, record.Info);
        if (calendar.IsValidDate(day, month, year))
            WriteEntry(day, 1, record);
    }
    RecomputeDays(startDay);
    batch.End();
    RefreshList();
}
