// The month plan file: reading and writing entries key by key.
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "ini/profile_store.h"
#include "ini/profile_text.h"
#include "core/settings.h"

namespace {

// A text read as an integer (C's strtol), wrapped to 32 bits. What the
// program writes itself, an optional '-' and up to ten digits, is read here
// directly: strtoll costs more than the key lookup that found the text.
std::int32_t TextToInt(const char* text)
{
    const char* p = text;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    std::int64_t value = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9' && digits <= 10; ++p, ++digits)
        value = value * 10 + (*p - '0');
    if (*p != '\0' || digits == 0 || digits > 10)
        value = std::strtoll(text, nullptr, 10);
    else if (negative)
        value = -value;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

bool IsDayOffCode(TimeValue go)
{
    return go == TimeCode(Vacation) || go == TimeCode(PublicHoliday) || go == TimeCode(SickDay);
}

} // namespace

MonthPlan::MonthPlan(FrameCore& frame, PlanView& view, unsigned month, unsigned year)
    : frame_(frame), view_(view), path_(MonthPlanFileName(frame.settings(), month, year)),
      startDay_(EffectiveStartDay(frame.settings()))
{
}

Settings& MonthPlan::settings()
{
    return frame_.settings();
}
ProfileStore& MonthPlan::store()
{
    return frame_.store();
}

unsigned MonthPlan::PlanMonth()
{
    return store().ReadInt(SECTION_MAIN, KEY_MONTH, 0, path_.c_str());
}
unsigned MonthPlan::PlanYear()
{
    return store().ReadInt(SECTION_MAIN, KEY_YEAR, 0, path_.c_str());
}

std::string MonthPlan::Section(unsigned day, unsigned position) const
{
    // "%u/%u" without printf: section names are made for every key read.
    char name[24];
    char* end = std::to_chars(name, name + 10, day).ptr;
    *end++ = '/';
    end = std::to_chars(end, end + 10, position).ptr;
    return std::string(name, end);
}

std::string MonthPlan::ReadText(const std::string& section, const char* key, const char* defaultValue)
{
    char buffer[TEXT_BUFFER_SIZE];
    store().ReadString(section.c_str(), key, defaultValue, buffer, sizeof buffer, path_.c_str());
    return buffer;
}

HoursValue MonthPlan::ReadHours(const std::string& section, const char* key)
{
    const std::string text = ReadText(section, key, NO_HOURS_TEXT);
    return text.empty() ? NO_HOURS : TextToInt(text.c_str());
}

bool MonthPlan::ReadPresentHours(const std::string& section, const char* key, HoursValue& value)
{
    const std::string text = ReadText(section, key, "");
    if (text.empty())
        return false;
    value = TextToInt(text.c_str());
    return true;
}

void MonthPlan::WriteInfo(const std::string& section, const char* info)
{
    store().WriteString(section.c_str(), KEY_INFO, QuotedProfileText(info).c_str(), path_.c_str());
}

void MonthPlan::WriteNumber(const std::string& section, const char* key, long long value, bool asUnsigned)
{
    // "%u" or "%d" of the 32-bit value; to_chars because a recomputation
    // writes every key of the period.
    char text[32];
    const std::to_chars_result written =
        asUnsigned ? std::to_chars(text, text + sizeof text - 1, static_cast<std::uint32_t>(value))
                   : std::to_chars(text, text + sizeof text - 1, static_cast<std::int32_t>(value));
    *written.ptr = '\0';
    store().WriteString(section.c_str(), key, text, path_.c_str());
}

int MonthPlan::ReadEntry(unsigned day, unsigned position, EntryRecord& out)
{
    const std::string section = Section(day, position);
    if (ReadText(section, KEY_DAY, "").empty())
        return 0;
    const char* file = path_.c_str();
    ProfileStore& s = store();
    unsigned month = 0, year = 0;
    DateOfPeriodDay(EffectiveStartDay(settings()), day, PlanMonth(), PlanYear(), month, year);
    out.day = day;
    out.month = month;
    out.year = year;
    out.weekday = static_cast<std::int32_t>(s.ReadInt(section.c_str(), KEY_DAY, 8, file));
    out.Come = static_cast<TimeValue>(s.ReadInt(section.c_str(), KEY_COME, NO_TIME, file));
    out.Go = static_cast<TimeValue>(s.ReadInt(section.c_str(), KEY_GO, NO_TIME, file));
    out.WorkTime = ReadHours(section, KEY_WORKTIME);
    out.Saldo = ReadHours(section, KEY_SALDO);
    out.Account = ReadHours(section, KEY_ACCOUNT);
    // Room for a full-length remark and the quotes it may be stored in: the
    // system copies a quoted value into the buffer before it removes the
    // closing quote.
    char info[INFO_SIZE + 2];
    s.ReadString(section.c_str(), KEY_INFO, " ", info, sizeof info, file);
    const std::size_t length = strnlen(info, INFO_SIZE - 1);
    std::memcpy(out.Info, info, length);
    out.Info[length] = '\0';
    const int noSaldoDefault = IsWorkDay(settings(), out.weekday) ? 0 : 1;
    out.NoSaldo = static_cast<std::int32_t>(s.ReadInt(section.c_str(), KEY_NOSALDO, noSaldoDefault, file));
    return 1;
}

unsigned MonthPlan::EntryCount(unsigned day)
{
    unsigned count = 0;
    while (count < MAX_POSITION && !ReadText(Section(day, count + 1), KEY_DAY, "").empty())
        ++count;
    return count;
}

void MonthPlan::DeleteEntrySection(unsigned day, unsigned position)
{
    store().DeleteSection(Section(day, position).c_str(), path_.c_str());
}

int MonthPlan::WriteEntry(unsigned day, unsigned position, EntryRecord& record)
{
    if (record.Come == TimeCode(EmptyDay) || IsDayOffCode(record.Come))
        record.Go = record.Come;

    if (day == 0) {
        // A new entry takes over the day's placeholder or goes after its entries.
        day = record.day;
        if (day < 1 || day > 31)
            return 0;
        for (position = 1; position <= MAX_POSITION; ++position) {
            const std::string section = Section(day, position);
            if (ReadText(section, KEY_DAY, "").empty())
                break;
            const auto go = static_cast<TimeValue>(store().ReadInt(section.c_str(), KEY_GO, NO_TIME, path_.c_str()));
            if (go == TimeCode(EmptyDay) || go == TimeCode(MissingDay))
                break;
        }
        if (position > MAX_POSITION)
            return 0;
    }

    record.Info[INFO_SIZE - 1] = '\0';
    const std::string section = Section(day, position);
    WriteNumber(section, KEY_DAY, record.weekday, true);
    WriteNumber(section, KEY_COME, record.Come, true);
    WriteNumber(section, KEY_GO, record.Go, true);
    WriteInfo(section, record.Info);
    WriteComputedKeys(section, day, position, record);
    return 1;
}
