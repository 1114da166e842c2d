#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/entry_record.h"
#include "core/settings.h"
#include "core/time_values.h"

namespace {

std::string Time(TimeValue v)
{
    char buffer[TEXT_BUFFER_SIZE];
    const int length = FormatTime(v, buffer);
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

std::string Hours(HoursValue v, unsigned comFormat)
{
    Settings s;
    s.ComFormat = comFormat;
    char buffer[TEXT_BUFFER_SIZE];
    const int length = FormatHours(s, v, buffer);
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

TimeValue ParseT(std::string text)
{
    return ParseTime(&text[0]);
}
HoursValue ParseH(std::string text)
{
    return ParseHours(&text[0]);
}

} // namespace

TEST(TimeValues, CodesAndTheirTexts)
{
    const struct {
        EntryKind kind;
        TimeValue time;
        HoursValue hours;
        const char* text;
    } codes[] = {
        {DirectHours, 32768, -2147483647 - 1, "**.**"}, {FlexiDay, 32769, -2147483647, "GT"},
        {AccountCorrection, 32770, -2147483646, "ZK"},  {EmptyDay, 32771, -2147483645, "."},
        {Vacation, 32772, -2147483644, "UT"},           {MissingDay, 32773, -2147483643, "--.--"},
        {PublicHoliday, 32774, -2147483642, "FT"},      {SickDay, 32775, -2147483641, "KT"},
    };
    for (const auto& c : codes) {
        EXPECT_EQ(TimeCode(c.kind), c.time);
        EXPECT_EQ(HoursCode(c.kind), c.hours);
        EXPECT_EQ(Time(c.time), c.text);
        EXPECT_EQ(Hours(c.hours, 0), c.text);
        EXPECT_EQ(Hours(c.hours, 1), c.text);
        // Every code's text reads back as the same code in its domain.
        EXPECT_EQ(ParseT(c.text), c.time) << c.text;
        EXPECT_EQ(ParseH(c.text), c.hours) << c.text;
    }
    for (const std::string& text : {Time(NO_TIME), Time(-NO_TIME), Hours(NO_HOURS, 0), Hours(NO_HOURS, 1)})
        EXPECT_EQ(text, "??:??");
    EXPECT_EQ(ParseT("??:??"), NO_TIME);
    EXPECT_EQ(ParseH("??:??"), NO_HOURS);
    // Only the exact ranges are reserved.
    EXPECT_EQ(Time(32766), "546:06");
    EXPECT_EQ(Time(32776), "546:16");
    EXPECT_EQ(Hours(-2147483640, 0), "-35791394:00");
    EXPECT_EQ(Hours(2147483646, 0), "35791394:06");
}

TEST(TimeValues, FormatTable)
{
    const struct {
        std::int32_t value;
        const char* time;
        const char* hours;
        const char* comma;
    } cases[] = {
        {0, "00:00", "0:00", "0,000"},      {1, "00:01", "0:01", "0,016"},         {59, "00:59", "0:59", "0,983"},
        {456, "07:36", "7:36", "7,600"},    {1439, "23:59", "23:59", "23,983"},    {-5, "-00:05", "-0:05", "-0,083"},
        {-90, "-01:30", "-1:30", "-1,500"}, {6000, "100:00", "100:00", "100,000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Time(c.value), c.time) << c.value;
        EXPECT_EQ(Hours(c.value, 0), c.hours) << c.value;
        EXPECT_EQ(Hours(c.value, 1), c.comma) << c.value;
    }
}

TEST(TimeValues, ParseTable)
{
    // Plain values read the same in both domains. After a comma, one or two
    // digits are a fraction of the hour, three or more are thousandths (only
    // three count).
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {{"8:30", 510},  {"8x30", 510},  {"830", 49800}, {":30", 30},     {"8:30:15", 510}, {"abc", 0},
                 {"-1:30", -90}, {"-0,5", -30},  {"-", 0},       {"7,25", 435},   {"7,05", 423},    {"7,", 420},
                 {"7,5x", 423},  {"8,016", 481}, {"0,983", 59},  {"7,5009", 450}, {"-0,500", -30},  {"7, 500", 450}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseT(c.text), c.value) << "\"" << c.text << "\"";
        EXPECT_EQ(ParseH(c.text), c.value) << "\"" << c.text << "\"";
    }
    EXPECT_EQ(ParseH("8:1234567890"), 480 + 123456789) << "each part is cut after nine characters";
    for (const char* text : {"", "?", "?5"}) {
        EXPECT_EQ(ParseT(text), NO_TIME) << text;
        EXPECT_EQ(ParseH(text), NO_HOURS) << text;
    }
}

TEST(DateValues, ParseDateTable)
{
    const struct {
        const char* text;
        const char* read; // day.month.year
    } cases[] = {{"01.03.2002", "1.3.2002"},   {"1.3.02", "1.3.1902"},      {"31.13.2002", "31.12.2002"},
                 {"1.1.20021", "1.1.1920"},    {"5.0.2002", "5.1.2002"},    {"24-12-2006", "24.12.2006"},
                 {"1.3.2", "1.3.192"},         {"1.3.", "1.3.1900"},        {"", "0.1.1900"},
                 {"99.99.9999", "99.12.9999"}, {"0001.03.2002", "1.3.1920"}};
    for (const auto& c : cases) {
        EntryRecord r;
        const unsigned year = ParseDate(c.text, r);
        EXPECT_EQ(std::to_string(r.day) + "." + std::to_string(r.month) + "." + std::to_string(year), c.read) << c.text;
    }
}
