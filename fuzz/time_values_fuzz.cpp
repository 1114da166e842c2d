// ParseTime, ParseHours and ParseDate on any text, and each formatter's text
// read back by its parser wherever the value is one the formatter shows.
// Input: the text; its first four bytes are also taken as a value, and the
// first three as a date, for the round trips.
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

[[noreturn]] void Fail(const char* what, long long value, const char* text)
{
    std::fprintf(stderr, "%s: value %lld, text [%s]\n", what, value, text);
    std::abort();
}

// A heap copy of exactly the text and its terminator: the sanitizer sees any
// read or write past it.
std::unique_ptr<char[]> ExactCopy(const std::string& text)
{
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

void CheckTimeRoundTrip(TimeValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatTime(value, text);
    // -32767 shows as "??:??" too, which reads back as the no-time value.
    if (value == -NO_TIME)
        return;
    if (ParseTime(ExactCopy(text).get()) != value)
        Fail("FormatTime/ParseTime round trip", value, text);
}

void CheckHoursRoundTrip(HoursValue value)
{
    Settings settings;
    for (std::uint32_t comma : {0u, 1u}) {
        settings.ComFormat = comma;
        char text[TEXT_BUFFER_SIZE];
        FormatHours(settings, value, text);
        if (value == -NO_HOURS)
            return;
        if (ParseHours(ExactCopy(text).get()) != value)
            Fail(comma ? "FormatHours (comma)/ParseHours round trip" : "FormatHours/ParseHours round trip", value,
                 text);
    }
}

void CheckDateRoundTrip(std::uint32_t day, std::uint32_t month, std::uint32_t year)
{
    EntryRecord record;
    record.day = day;
    record.month = month;
    record.year = year;
    char text[TEXT_BUFFER_SIZE];
    FormatEntryDate(record, text);
    EntryRecord parsed;
    const unsigned returned = ParseDate(ExactCopy(text).get(), parsed);
    if (parsed.day != day || parsed.month != month || parsed.year != year || returned != year)
        Fail("FormatEntryDate/ParseDate round trip", static_cast<long long>(year) * 10000 + month * 100 + day, text);
    if (DateKey(&record) != static_cast<long long>(year) * 10000 + month * 100 + day)
        Fail("DateKey", DateKey(&record), text);
}

void CheckParsers(const std::string& text)
{
    auto timeText = ExactCopy(text);
    auto hoursText = ExactCopy(text);
    const TimeValue time = ParseTime(timeText.get());
    const HoursValue hours = ParseHours(hoursText.get());
    // Only a single leading minus is rewritten, to "0".
    std::string after = text;
    if (!text.empty() && text[0] == '-' && (text.size() == 1 || text[1] != '-'))
        after[0] = '0';
    if (std::memcmp(timeText.get(), after.c_str(), text.size() + 1) != 0 ||
        std::memcmp(hoursText.get(), after.c_str(), text.size() + 1) != 0)
        Fail("parser changed the text beyond its leading minus", 0, text.c_str());
    // One algorithm: both give the same kind code, both "no value", or both
    // the same 32-bit number. A number can land on a code or on "no value" of
    // one domain and not of the other ("546:08" is 32768 minutes, a time
    // code; "35791394:07" is 2147483647, which in hours means "not
    // computable"; "35791394:14" wraps to an hours code): the same number.
    const bool sameCode = IsTimeCode(time) && IsHoursCode(hours) && TimeCodeKind(time) == HoursCodeKind(hours);
    if (!sameCode && !(time == NO_TIME && hours == NO_HOURS) && time != hours)
        Fail("ParseTime and ParseHours disagree", time, text.c_str());
    CheckTimeRoundTrip(time);
    CheckHoursRoundTrip(hours);

    EntryRecord record;
    record.weekday = 42;
    const unsigned year = ParseDate(text.c_str(), record);
    if (record.month < 1 || record.month > 12 || year != record.year || record.weekday != 42)
        Fail("ParseDate out of its ranges", year, text.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckParsers(input.substr(0, input.find('\0')));
    if (size >= 4) {
        std::int32_t value;
        std::memcpy(&value, data, sizeof value);
        CheckTimeRoundTrip(value);
        CheckHoursRoundTrip(value);
        CheckDateRoundTrip(data[0] % 100, data[1] % 12 + 1, 1000 + (data[2] | data[3] << 8) % 9000);
    }
    return 0;
}
