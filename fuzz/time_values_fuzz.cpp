// ParseTime, ParseHours and ParseDate on any text, and each formatter's text
// read back by its parser. Input: the text; its first four bytes are also a
// value, and a date (day, month - 1, year - 1000), for the round trips.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "core/entry_record.h"
#include "core/settings.h"
#include "core/time_values.h"

namespace {

void Check(bool ok, const char* what, long long value, const char* text)
{
    if (!ok)
        std::fprintf(stderr, "%s: value %lld, text [%s]\n", what, value, text), std::abort();
}

// A heap copy of exactly the text: the sanitizer sees any access past it.
std::unique_ptr<char[]> ExactCopy(const std::string& text)
{
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

// Every 32-bit value but "no value" is shown as a text its parser reads back.
void CheckRoundTrips(std::int32_t value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatTime(value, text); // -32767 shows as "??:??" too
    Check(value == -NO_TIME || ParseTime(ExactCopy(text).get()) == value, "FormatTime/ParseTime", value, text);
    Settings settings;
    for (std::uint32_t comma : {0u, 1u}) {
        settings.ComFormat = comma;
        FormatHours(settings, value, text);
        Check(value == -NO_HOURS || ParseHours(ExactCopy(text).get()) == value, "FormatHours/ParseHours", value, text);
    }
}

void CheckDate(std::uint32_t day, std::uint32_t month, std::uint32_t year)
{
    EntryRecord record, parsed;
    record.day = day, record.month = month, record.year = year;
    char text[TEXT_BUFFER_SIZE];
    FormatEntryDate(record, text);
    const long long key = year * 10000ll + month * 100 + day;
    const unsigned returned = ParseDate(ExactCopy(text).get(), parsed);
    Check(parsed.day == day && parsed.month == month && parsed.year == year && returned == year, "date", key, text);
}

void CheckParsers(const std::string& text)
{
    auto timeText = ExactCopy(text), hoursText = ExactCopy(text);
    const TimeValue time = ParseTime(timeText.get());
    const HoursValue hours = ParseHours(hoursText.get());
    std::string after = text; // only a single leading minus is rewritten, to "0"
    if (!text.empty() && text[0] == '-' && (text.size() == 1 || text[1] != '-'))
        after[0] = '0';
    Check(std::memcmp(timeText.get(), after.c_str(), text.size() + 1) == 0 &&
              std::memcmp(hoursText.get(), after.c_str(), text.size() + 1) == 0,
          "parser changed the text", 0, text.c_str());
    // One algorithm: the same kind code, both "no value", or the same 32-bit number.
    const bool sameCode = IsTimeCode(time) && IsHoursCode(hours) && TimeCodeKind(time) == HoursCodeKind(hours);
    Check(sameCode || (time == NO_TIME && hours == NO_HOURS) || time == hours, "parsers disagree", time, text.c_str());
    CheckRoundTrips(time);
    CheckRoundTrips(hours);
    EntryRecord record;
    record.weekday = 42;
    const unsigned year = ParseDate(text.c_str(), record);
    Check(record.month >= 1 && record.month <= 12 && year == record.year && record.weekday == 42, "ParseDate", year,
          text.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckParsers(input.substr(0, input.find('\0')));
    if (size >= 4) {
        std::int32_t value;
        std::memcpy(&value, data, sizeof value);
        CheckRoundTrips(value);
        CheckDate(data[0] % 100, data[1] % 12 + 1, 1000 + (data[2] | data[3] << 8) % 9000);
    }
    return 0;
}
