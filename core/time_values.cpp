#include "core/time_values.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/entry_record.h"
#include "core/settings.h"

const char* const EntryKindTexts[ENTRY_KIND_COUNT] = {"**.**", "GT", "ZK", ".", "UT", "--.--", "FT", "KT"};

const char WeekdayAbbreviations[8][3] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa", "??"};

namespace {

constexpr const char* NO_VALUE_TEXT = "??:??";
// Each part of a parsed time is read into a working field of this size.
constexpr std::size_t PART_FIELD_SIZE = 10;

int CopyText(const char* text, char* buffer)
{
    const std::size_t length = std::strlen(text);
    std::memcpy(buffer, text, length + 1);
    return static_cast<int>(length);
}

// value with at least width digits, zero-padded, as printf's "%0*llu";
// returns the end. A list refresh formats hundreds of values, and snprintf
// costs about a thousand instructions for each.
char* PutPadded(char* out, unsigned long long value, int width)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    for (int pad = width - static_cast<int>(end - digits); pad > 0; --pad)
        *out++ = '0';
    for (const char* d = digits; d != end; ++d)
        *out++ = *d;
    return out;
}

// "[-]first<separator>second" with the given minimum widths, terminated; the length.
int FormatPair(char* buffer, bool negative, unsigned long long first, int firstWidth, char separator,
               unsigned long long second, int secondWidth)
{
    char* out = buffer;
    if (negative)
        *out++ = '-';
    out = PutPadded(out, first, firstWidth);
    *out++ = separator;
    out = PutPadded(out, second, secondWidth);
    *out = '\0';
    return static_cast<int>(out - buffer);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A part of a time text as C's atoi reads it (leading blanks, an optional
// sign, digits), limited to the working field so long input is cut, not overrun.
long long ReadPart(const char* text, std::size_t length)
{
    char field[PART_FIELD_SIZE] = {};
    std::memcpy(field, text, length < PART_FIELD_SIZE - 1 ? length : PART_FIELD_SIZE - 1);
    return std::strtoll(field, nullptr, 10);
}

// Shared by ParseTime and ParseHours, which differ only in the codes they return.
struct ParseResult {
    enum Type { Value, Code, NoValue } type = Value;
    EntryKind kind = DirectHours;
    long long value = 0;
};

ParseResult ParseDuration(char* text)
{
    ParseResult result;
    // Only the first character decides a code, case-sensitively.
    static const struct {
        char letter;
        EntryKind kind;
    } codeLetters[] = {{'*', DirectHours}, {'.', EmptyDay}, {'F', PublicHoliday},    {'G', FlexiDay},
                       {'K', SickDay},     {'U', Vacation}, {'Z', AccountCorrection}};
    for (const auto& code : codeLetters) {
        if (text[0] == code.letter) {
            result.type = ParseResult::Code;
            result.kind = code.kind;
            return result;
        }
    }
    long long sign = 1;
    if (text[0] == '-' && text[1] != '-') {
        text[0] = '0';
        sign = -1;
    }
    if (text[0] == '-' && text[1] == '-') {
        result.type = ParseResult::Code;
        result.kind = MissingDay;
        return result;
    }
    if (text[0] == '\0' || text[0] == '?') {
        result.type = ParseResult::NoValue;
        return result;
    }

    std::size_t hoursLength = 0;
    while (IsDigit(text[hoursLength]))
        ++hoursLength;
    const long long hours = ReadPart(text, hoursLength);
    const char separator = text[hoursLength];
    const char* minutesText = separator == '\0' ? text + hoursLength : text + hoursLength + 1;
    const std::size_t minutesLength = std::strlen(minutesText);

    long long minutes;
    if (separator != ',') {
        minutes = ReadPart(minutesText, minutesLength);
    } else {
        // Blanks before the digits are skipped, as the integer reading does.
        std::size_t first = 0;
        while (first < minutesLength && (minutesText[first] == ' ' || minutesText[first] == '\t'))
            ++first;
        std::size_t digits = 0;
        while (first + digits < minutesLength && IsDigit(minutesText[first + digits]))
            ++digits;
        if (digits >= 3) {
            // Thousandths of an hour, as the comma display writes them; rounding
            // to the nearest minute makes every displayed value read back unchanged.
            const long long thousandths = ReadPart(minutesText + first, 3);
            minutes = (thousandths * 60 + 500) / 1000;
        } else {
            // Hundredths of an hour: "7,5" is 7,50; the minutes are truncated.
            char field[PART_FIELD_SIZE] = {};
            std::memcpy(field, minutesText, minutesLength < PART_FIELD_SIZE - 1 ? minutesLength : PART_FIELD_SIZE - 1);
            if (std::strlen(field) < 2)
                std::strcat(field, "0");
            minutes = std::strtoll(field, nullptr, 10) * 6 / 10;
        }
    }
    result.value = (hours * 60 + minutes) * sign;
    return result;
}

} // namespace

int FormatTime(TimeValue value, char* buffer)
{
    if (IsTimeCode(value))
        return CopyText(EntryKindTexts[TimeCodeKind(value)], buffer);
    const bool negative = value < 0;
    const long long magnitude = negative ? -static_cast<long long>(value) : value;
    if (magnitude == NO_TIME)
        return CopyText(NO_VALUE_TEXT, buffer);
    return FormatPair(buffer, negative, static_cast<unsigned long long>(magnitude / 60), 2, ':',
                      static_cast<unsigned long long>(magnitude % 60), 2);
}

int FormatHours(const Settings& settings, HoursValue value, char* buffer)
{
    if (IsHoursCode(value))
        return CopyText(EntryKindTexts[HoursCodeKind(value)], buffer);
    const bool negative = value < 0;
    const long long magnitude = negative ? -static_cast<long long>(value) : value;
    if (magnitude == NO_HOURS)
        return CopyText(NO_VALUE_TEXT, buffer);
    const auto hours = static_cast<unsigned long long>(magnitude / 60);
    const auto rest = static_cast<unsigned long long>(magnitude % 60);
    if (settings.ComFormat == 0)
        return FormatPair(buffer, negative, hours, 1, ':', rest, 2);
    return FormatPair(buffer, negative, hours, 1, ',', rest * 1000 / 60, 3);
}

TimeValue ParseTime(char* text)
{
    const ParseResult result = ParseDuration(text);
    switch (result.type) {
    case ParseResult::Code:
        return TimeCode(result.kind);
    case ParseResult::NoValue:
        return NO_TIME;
    default:
        return static_cast<TimeValue>(static_cast<std::uint32_t>(result.value));
    }
}

HoursValue ParseHours(char* text)
{
    const ParseResult result = ParseDuration(text);
    switch (result.type) {
    case ParseResult::Code:
        return HoursCode(result.kind);
    case ParseResult::NoValue:
        return NO_HOURS;
    default:
        return static_cast<HoursValue>(static_cast<std::uint32_t>(result.value));
    }
}

unsigned ParseDateYear(std::string_view text)
{
    char yearText[8] = {};
    if (text.size() == 4) {
        text.copy(yearText, 4);
    } else if (text.empty()) {
        std::memcpy(yearText, "1900", 4);
    } else {
        std::memcpy(yearText, "19", 2);
        text.copy(yearText + 2, 2);
    }
    return static_cast<std::uint32_t>(std::strtol(yearText, nullptr, 10));
}

unsigned ParseDate(const char* text, EntryRecord& record)
{
    const std::size_t length = std::strlen(text);
    std::size_t pos = 0;
    auto readDigits = [&]() {
        std::uint32_t value = 0;
        while (pos < length && IsDigit(text[pos]))
            value = value * 10u + static_cast<std::uint32_t>(text[pos++] - '0');
        return value;
    };
    auto skipSeparator = [&]() {
        if (pos < length)
            ++pos;
    };

    const std::uint32_t day = readDigits();
    skipSeparator();
    std::uint32_t month = readDigits();
    if (month < 1)
        month = 1;
    if (month > 12)
        month = 12;
    skipSeparator();

    // The year runs to the tenth character of the text.
    const std::size_t end = length < 10 ? length : 10;
    const unsigned year = ParseDateYear(std::string_view(text + pos, pos < end ? end - pos : 0));

    record.day = day;
    record.month = month;
    record.year = year;
    return year;
}

int FormatEntryDate(const EntryRecord& record, char* buffer)
{
    return std::snprintf(buffer, TEXT_BUFFER_SIZE, "%02u.%02u.%u", record.day, record.month, record.year);
}

int FormatSystemTimeDate(const LocalTime& time, char* buffer)
{
    return std::snprintf(buffer, TEXT_BUFFER_SIZE, "%02u.%02u.%u", time.day, time.month, time.year);
}

long long DateKey(const EntryRecord* record)
{
    if (record == nullptr)
        return 0;
    char text[64];
    std::snprintf(text, sizeof text, "%04u%02u%02u", record->year, record->month, record->day);
    return std::strtoll(text, nullptr, 10);
}
