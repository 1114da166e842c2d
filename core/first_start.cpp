#include "core/first_start.h"

#include <cstdio>

#include "calendar/calendar.h"
#include "core/entry_record.h"
#include "core/form_support.h"
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

FirstStartFields FormatFirstStart(const Settings& settings, const FirstStart& values)
{
    FirstStartFields fields;
    char text[TEXT_BUFFER_SIZE];
    FormatHours(settings, values.hoursPerDay, text);
    fields.hours = text;
    FormatHours(settings, values.account, text);
    fields.account = text;
    fields.from = RecordFromText(values.recordFrom);
    fields.vacation = std::to_string(values.vacationDays);
    fields.workDays = values.workDays;
    fields.openMonth = values.openMonth;
    return fields;
}

namespace {

bool ParseDuration(const std::string& text, HoursValue& value)
{
    char buffer[TEXT_BUFFER_SIZE];
    std::snprintf(buffer, sizeof buffer, "%s", text.c_str());
    value = ParseHours(buffer);
    return value != NO_HOURS && !IsHoursCode(value);
}

} // namespace

const char* ParseFirstStart(const FirstStartFields& fields, FirstStart& values)
{
    HoursValue hours = 0;
    if (!ParseDuration(fields.hours, hours) || hours < 0 || hours > MINUTES_PER_DAY)
        return "Bitte geben Sie die Regelarbeitszeit pro Tag als Zeit ein, z.B. 7:36.";
    const std::uint32_t from = ParseRecordFrom(fields.from);
    if (from == 0)
        return "Bitte geben Sie bei \"Erfassung ab\" ein Datum ein, z.B. 01.12.2026.";
    HoursValue account = 0;
    if (!ParseDuration(fields.account, account))
        return "Bitte geben Sie den Übertrag als Zeit ein, z.B. 12:30 oder -5:00.";
    std::uint32_t vacation = 0;
    if (!ParseUnsignedField(fields.vacation, vacation))
        return "Bitte geben Sie die verbleibenden Urlaubstage als Zahl ein.";
    values.hoursPerDay = hours;
    values.recordFrom = from;
    values.account = account;
    values.vacationDays = vacation;
    values.workDays = fields.workDays & 0x7F;
    values.openMonth = fields.openMonth;
    return nullptr;
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
    return frame.SaveSettingsFile();
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
