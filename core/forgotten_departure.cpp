#include "core/forgotten_departure.h"

#include <algorithm>
#include <cstdio>

#include "core/frame_core.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"

namespace {

long long DayNumber(const LocalTime& time)
{
    return static_cast<long long>(time.year) * 10000 + time.month * 100 + time.day;
}

// Searches the days of one period that lie before today (all of them for an
// earlier period).
bool FindInPeriod(FrameCore& frame, unsigned month, unsigned year, const LocalTime& now, OpenEarlierEntry& found)
{
    const std::string file = MonthPlanFileName(frame.settings(), month, year);
    if (!frame.PlanExists(file))
        return false;
    const unsigned startDay = EffectiveStartDay(frame.settings());
    for (const unsigned day : PeriodDays::All(startDay)) {
        unsigned dayMonth = 0, dayYear = 0;
        DateOfPeriodDay(startDay, day, month, year, dayMonth, dayYear);
        if (static_cast<long long>(dayYear) * 10000 + dayMonth * 100 + day >= DayNumber(now))
            return false;
        const unsigned position = FindOpenEntryIn(frame.store(), file, day);
        if (position == 0)
            continue;
        char section[24];
        std::snprintf(section, sizeof section, "%u/%u", day, position);
        char date[TEXT_BUFFER_SIZE];
        std::snprintf(date, sizeof date, "%02u.%02u.%u", day, dayMonth, dayYear);
        found = {month,
                 year,
                 day,
                 position,
                 static_cast<TimeValue>(frame.store().ReadInt(section, KEY_COME, NO_TIME, file.c_str())),
                 date};
        return true;
    }
    return false;
}

} // namespace

unsigned FindOpenEntryIn(ProfileStore& store, const std::string& file, unsigned day)
{
    for (unsigned position = 1; position <= MAX_POSITION; ++position) {
        char section[24];
        std::snprintf(section, sizeof section, "%u/%u", day, position);
        char weekday[TEXT_BUFFER_SIZE];
        if (store.ReadString(section, KEY_DAY, "", weekday, sizeof weekday, file.c_str()) == 0)
            return 0;
        const auto come = static_cast<TimeValue>(store.ReadInt(section, KEY_COME, NO_TIME, file.c_str()));
        const auto go = static_cast<TimeValue>(store.ReadInt(section, KEY_GO, NO_TIME, file.c_str()));
        const bool dayKind = come >= TimeCode(FlexiDay) && come <= TimeCode(SickDay);
        if (come != NO_TIME && !dayKind && go == NO_TIME)
            return position;
    }
    return 0;
}

bool DayHasEntryIn(ProfileStore& store, const std::string& file, unsigned day)
{
    char section[24];
    std::snprintf(section, sizeof section, "%u/2", day);
    char weekday[TEXT_BUFFER_SIZE];
    if (store.ReadString(section, KEY_DAY, "", weekday, sizeof weekday, file.c_str()) != 0)
        return true;
    std::snprintf(section, sizeof section, "%u/1", day);
    if (store.ReadString(section, KEY_DAY, "", weekday, sizeof weekday, file.c_str()) == 0)
        return false;
    const auto come = static_cast<TimeValue>(store.ReadInt(section, KEY_COME, NO_TIME, file.c_str()));
    return come != TimeCode(EmptyDay) && come != TimeCode(MissingDay);
}

std::optional<OpenEarlierEntry> FindOpenEarlierEntry(FrameCore& frame)
{
    // One look at each file's date and size for the whole search, not one per key read.
    ProfileBatch batch(frame.store());
    const LocalTime now = frame.clock().Now();
    unsigned month = 0, year = 0;
    frame.TodaysPeriod(month, year);
    const unsigned previousMonth = month == 1 ? 12 : month - 1;
    const unsigned previousYear = month == 1 ? year - 1 : year;
    OpenEarlierEntry found;
    if (FindInPeriod(frame, previousMonth, previousYear, now, found) || FindInPeriod(frame, month, year, now, found))
        return found;
    return std::nullopt;
}

std::string ForgottenDepartureNote(const OpenEarlierEntry& entry)
{
    char come[TEXT_BUFFER_SIZE];
    FormatTime(entry.come, come);
    char text[TEXT_BUFFER_SIZE + 160];
    std::snprintf(text, sizeof text,
                  "Am %s wurde kein \"Gehen\" erfasst (\"Kommen\" %s).\nBitte tragen Sie ein, wann Sie gegangen sind.",
                  entry.date.c_str(), come);
    return text;
}

std::optional<OpenEarlierEntry> ForgottenDepartureCheck::NextToAsk(FrameCore& frame)
{
    std::optional<OpenEarlierEntry> entry = FindOpenEarlierEntry(frame);
    if (!entry)
        return std::nullopt;
    const std::string key = MonthPlanFileName(frame.settings(), entry->periodMonth, entry->periodYear) + "|" +
                            std::to_string(entry->day) + "/" + std::to_string(entry->position) + "|" +
                            std::to_string(DayNumber(frame.clock().Now()));
    if (std::find(asked_.begin(), asked_.end(), key) != asked_.end())
        return std::nullopt;
    asked_.push_back(key);
    return entry;
}

bool ForgottenDepartureCheck::FirstOfDay(const LocalTime& now)
{
    if (DayNumber(now) == lastDay_)
        return false;
    lastDay_ = DayNumber(now);
    return true;
}
