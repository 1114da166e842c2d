// Changing, deleting, copying, pasting and moving entries; missing days;
// the check that a date lies in the plan's period.
#include <cstdio>

#include "calendar/calendar.h"
#include "core/day_counters.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"
#include "core/settings.h"

namespace {

bool IsKind(TimeValue come, EntryKind kind)
{
    return come == TimeCode(kind);
}

} // namespace

MonthPlan::EditTarget MonthPlan::EditEntry()
{
    const long key = SelectedEntry();
    if (key == NO_SELECTION)
        return EditTarget::Nothing;
    const std::string section = Section(KeyDay(static_cast<unsigned>(key)), KeyPosition(static_cast<unsigned>(key)));
    const auto come = static_cast<TimeValue>(store().ReadInt(section.c_str(), KEY_COME, NO_TIME, path_.c_str()));
    if (IsKind(come, Vacation) || IsKind(come, SickDay) || IsKind(come, PublicHoliday) || IsKind(come, FlexiDay) ||
        IsKind(come, AccountCorrection))
        return EditTarget::Remark;
    return EditTarget::TimeEntry;
}

void MonthPlan::WriteDayPlaceholder(unsigned day, EntryRecord& record)
{
    const Settings& s = settings();
    const Calendar calendar(s.FreeDays);
    const std::string section = Section(day, 1);
    char name[INFO_SIZE];
    if (calendar.FindHoliday(record.day, record.month, record.year, name)) {
        HoursValue account = 0;
        TimeValue code = TimeCode(EmptyDay);
        HoursValue workTime = HoursCode(EmptyDay);
        if (IsWorkDay(s, record.weekday)) {
            code = TimeCode(PublicHoliday);
            workTime = HoursCode(PublicHoliday);
            account = AccountAfter(day, 1, NO_HOURS);
        }
        WriteInfo(section, name);
        WriteNumber(section, KEY_COME, code, true);
        WriteNumber(section, KEY_GO, code, true);
        WriteNumber(section, KEY_WORKTIME, workTime, false);
        WriteNumber(section, KEY_SALDO, 0, false);
        WriteNumber(section, KEY_ACCOUNT, account, false);
        return;
    }
    calendar.FindSpecialDay(record.day, record.month, record.year, name);
    WriteNumber(section, KEY_COME, TimeCode(EmptyDay), true);
    WriteNumber(section, KEY_GO, TimeCode(EmptyDay), true);
    WriteNumber(section, KEY_WORKTIME, HoursCode(EmptyDay), false);
    WriteNumber(section, KEY_SALDO, HoursCode(EmptyDay), false);
    WriteNumber(section, KEY_ACCOUNT, HoursCode(EmptyDay), false);
    WriteInfo(section, name);
}

void MonthPlan::DeleteEntry()
{
    const long key = SelectedEntry();
    if (key == NO_SELECTION)
        return;
    const unsigned day = KeyDay(static_cast<unsigned>(key));
    const unsigned position = KeyPosition(static_cast<unsigned>(key));
    char question[TEXT_BUFFER_SIZE + 64];
    std::snprintf(question, sizeof question, "Soll der Eintrag für den %s wirklich gelöscht werden?",
                  SelectedRowDate().c_str());
    if (!frame_.prompts().Ask(question, "Frage", true))
        return;

    EntryRecord record;
    if (!ReadEntry(day, position, record))
        return;
    ProfileBatch batch(store());
    Settings& s = settings();
    DayCountersBefore counters(s);
    // Counted days go back to their counters; they never drop below zero.
    if (IsKind(record.Come, Vacation))
        ++s.Holidays;
    else if (IsKind(record.Come, SickDay) && s.Sickdays > 0)
        --s.Sickdays;
    else if (IsKind(record.Come, FlexiDay) && s.GDays > 0)
        --s.GDays;

    if (position == 1)
        WriteDayPlaceholder(day, record);
    else
        DeleteEntrySection(day, position);

    for (unsigned j = position + 1; j <= MAX_POSITION; ++j) {
        EntryRecord next;
        if (!ReadEntry(day, j, next))
            break;
        WriteEntry(day, j - 1, next);
        DeleteEntrySection(day, j);
    }
    RecomputeDays(day);
    counters.RestoreUnless(batch.End());
    RefreshList();
}

void MonthPlan::CopyEntry()
{
    const long key = SelectedEntry();
    if (key == NO_SELECTION) {
        frame_.prompts().Tell("Es ist kein Eintrag zum Kopieren markiert.", "Hinweis", MessageIcon::Information);
        return;
    }
    ReadEntry(KeyDay(static_cast<unsigned>(key)), KeyPosition(static_cast<unsigned>(key)), frame_.copyBuffer());
}

void MonthPlan::PasteEntry()
{
    const long key = SelectedEntry();
    if (key == NO_SELECTION) {
        frame_.prompts().Tell("Es ist kein Tag zum Einfügen markiert.", "Hinweis", MessageIcon::Information);
        return;
    }
    EntryRecord& buffer = frame_.copyBuffer();
    if ((buffer.Come == NO_TIME && buffer.WorkTime == NO_HOURS) ||
        (buffer.Come == TimeCode(EmptyDay) && buffer.WorkTime == HoursCode(EmptyDay))) {
        frame_.prompts().Tell("Es ist kein gültiger Eintrag zum Einfügen vorhanden.", "Hinweis",
                              MessageIcon::Information);
        return;
    }
    EntryRecord target;
    if (!ReadEntry(KeyDay(static_cast<unsigned>(key)), KeyPosition(static_cast<unsigned>(key)), target))
        return;
    buffer.weekday = target.weekday;
    buffer.day = target.day;
    buffer.month = target.month;
    buffer.year = target.year;
    // The pasted entry changes its day's balance, so every later account is
    // recomputed at once, as after any other new entry.
    EntryRecord pasted = buffer;
    StoreEntry(0, 0, pasted);
}

void MonthPlan::MoveEntry(int direction)
{
    const long key = SelectedEntry();
    if (key == NO_SELECTION)
        return;
    const unsigned day = KeyDay(static_cast<unsigned>(key));
    const unsigned position = KeyPosition(static_cast<unsigned>(key));
    const long target = static_cast<long>(position) + direction;
    if (target < 1 || target > static_cast<long>(EntryCount(day))) {
        frame_.prompts().Tell("Ein Eintrag kann nur innerhalb eines Tages verschoben werden.\n"
                              "Für andere Tage benutzen Sie bitte Kopieren + Einfügen.",
                              "Hinweis", MessageIcon::Information);
        return;
    }
    const auto other = static_cast<unsigned>(target);
    {
        ProfileBatch batch(store());
        EntryRecord a, b;
        // A second window on the same file may have removed either entry.
        if (!ReadEntry(day, position, a) || !ReadEntry(day, other, b))
            return;
        if (direction > 0) {
            WriteEntry(day, position, b);
            WriteEntry(day, other, a);
        } else {
            WriteEntry(day, other, a);
            WriteEntry(day, position, b);
        }
        RecomputeDays(day);
    }
    RefreshList();
    SelectEntryRow(day, other);
}

void MonthPlan::FillMissingDays(unsigned day)
{
    Settings& s = settings();
    const unsigned startDay = EffectiveStartDay(s);
    bool changed = false;
    ProfileBatch batch(store());
    for (const unsigned d : PeriodDays::Before(startDay, day)) {
        EntryRecord record;
        if (!ReadEntry(d, 1, record) || record.Come != TimeCode(EmptyDay) || !IsWorkDay(s, record.weekday) ||
            DateKey(&record) < s.RecordFrom)
            continue;
        record.Come = record.Go = TimeCode(MissingDay);
        record.WorkTime = HoursCode(MissingDay);
        record.NoSaldo = 0;
        std::snprintf(record.Info, sizeof record.Info, "%s", s.Extern ? "" : "Fehltag");
        WriteEntry(d, 1, record);
        changed = true;
    }
    live_.lastMissingCheckDay = static_cast<int>(day);
    if (!changed)
        return;
    RecomputeDays(startDay);
    batch.End();
    RefreshList();
}

void MonthPlan::FillMissingDaysToSelection()
{
    const long key = SelectedEntry();
    if (key != NO_SELECTION)
        FillMissingDays(KeyDay(static_cast<unsigned>(key)));
}

int MonthPlan::CheckDateInPeriod(const EntryRecord& record)
{
    const unsigned startDay = EffectiveStartDay(settings());
    const unsigned month = PlanMonth();
    const unsigned year = PlanYear();
    unsigned nextMonth = month + 1, nextYear = year;
    if (month == 12) {
        nextMonth = 1;
        nextYear = year + 1;
    }
    if (record.day >= startDay && record.month == month && record.year == year)
        return 1;
    if (record.day < startDay && record.month == nextMonth && record.year == nextYear)
        return 1;

    unsigned lastDay = startDay - 1, lastMonth = nextMonth, lastYear = nextYear;
    if (startDay == 1) {
        lastMonth = month;
        lastYear = year;
        lastDay = 31;
        while (lastDay > 28 && !Calendar().IsValidDate(lastDay, month, year))
            --lastDay;
    }
    char text[160];
    std::snprintf(text, sizeof text, "Das Datum muß zwischen %02u.%02u.%u und %02u.%02u.%u liegen.", startDay, month,
                  year, lastDay, lastMonth, lastYear);
    frame_.prompts().Tell(text, "Fehler", MessageIcon::Information);
    return 0;
}
