#include "core/first_start.h"

#include <cstdio>

#include "calendar/calendar.h"
#include "core/entry_record.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "core/settings_file.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"

FirstStart FirstStartDefaults(const Settings& settings, const LocalTime& today)
{
    FirstStart values;
    values.hoursPerDay = settings.HoursPerDay;
    values.workDays = settings.WorkDays;
    values.recordFrom = today.year * 10000 + today.month * 100 + today.day;
    values.vacationDays = settings.Holidays;
    return values;
}

std::string RecordFromText(std::uint32_t recordFrom)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u", recordFrom % 100, recordFrom / 100 % 100, recordFrom / 10000);
    return text;
}

std::uint32_t ParseRecordFrom(const std::string& text)
{
    EntryRecord date;
    ParseDate(text.c_str(), date);
    if (!Calendar().IsValidDate(date.day, date.month, date.year))
        return 0;
    return static_cast<std::uint32_t>(DateKey(&date));
}

bool SaveFirstStart(FrameCore& frame, const FirstStart& values)
{
    Settings& s = frame.settings();
    s.HoursPerDay = values.hoursPerDay;
    s.WorkDays = values.workDays;
    s.RecordFrom = values.recordFrom;
    s.Holidays = values.vacationDays;
    s.OpenMonth = values.openMonth ? 1 : 0;
    MendSettings(s);
    return SaveSettings(frame.store(), s);
}

void SetOpeningAccount(MonthPlan& plan, HoursValue account)
{
    char value[32];
    std::snprintf(value, sizeof value, "%d", static_cast<int>(account));
    {
        ProfileBatch batch(plan.store());
        plan.store().WriteString(SECTION_MAIN, KEY_ACCOUNT, value, plan.path().c_str());
        plan.RecomputeDays(EffectiveStartDay(plan.settings()));
    }
    plan.RefreshList();
}
