// Helpers shared by the logic halves of the dialogs.
#include "core/form_support.h"

#include <cstdio>
#include <cstring>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/time_values.h"

std::string FieldText(const std::string& text)
{
    return text.size() > MAX_FIELD_LENGTH ? text.substr(0, MAX_FIELD_LENGTH) : text;
}

std::string TrimmedFieldText(const std::string& text)
{
    const std::string field = FieldText(text);
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return field.substr(first, field.find_last_not_of(" \t") + 1 - first);
}

void SetRemark(EntryRecord& record, const std::string& text)
{
    // A remark is one field of a line: a tab would split the columns of the
    // tab-separated list output, a line break the line of the file.
    std::string remark = FieldText(text);
    for (char& c : remark) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    const std::size_t length = remark.size() < INFO_SIZE - 1 ? remark.size() : INFO_SIZE - 1;
    std::memcpy(record.Info, remark.data(), length);
    record.Info[length] = '\0';
}

std::string InitialEntryDate(MonthPlan& plan, const std::string& suggestedDate)
{
    if (!suggestedDate.empty())
        return suggestedDate.substr(0, MAX_SUGGESTED_DATE_LENGTH);
    char text[TEXT_BUFFER_SIZE];
    FormatSystemTimeDate(plan.frame().clock().Now(), text);
    return text;
}

bool CheckDateExists(MonthPlan& plan, const EntryRecord& record)
{
    if (Calendar().IsValidDate(record.day, record.month, record.year))
        return true;
    char date[TEXT_BUFFER_SIZE];
    FormatEntryDate(record, date);
    char text[TEXT_BUFFER_SIZE + 32];
    std::snprintf(text, sizeof text, "Das Datum %s ist ungültig.", date);
    plan.frame().prompts().Tell(text, "Fehler", MessageIcon::Information);
    return false;
}

bool ReadEntryDate(MonthPlan& plan, const std::string& text, EntryRecord& record)
{
    ParseDate(FieldText(text).c_str(), record);
    // The period check comes first: its message names the dates the user may
    // choose from, which also answers most mistyped days.
    if (!plan.CheckDateInPeriod(record) || !CheckDateExists(plan, record))
        return false;
    record.weekday = Calendar().Weekday(record.day, record.month, record.year);
    return true;
}

bool ParseUnsignedField(const std::string& text, std::uint32_t& value)
{
    const std::string field = FieldText(text);
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < field.size() && (field[pos] == ' ' || field[pos] == '\t'))
            ++pos;
    };
    skipBlanks();
    const std::size_t first = pos;
    std::uint64_t number = 0;
    while (pos < field.size() && field[pos] >= '0' && field[pos] <= '9') {
        number = number * 10 + static_cast<std::uint64_t>(field[pos] - '0');
        if (number > UINT32_MAX)
            return false;
        ++pos;
    }
    if (pos == first)
        return false;
    skipBlanks();
    if (pos != field.size())
        return false;
    value = static_cast<std::uint32_t>(number);
    return true;
}

namespace {

std::size_t DigitsFrom(const std::string& text, std::size_t pos)
{
    std::size_t end = pos;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    return end - pos;
}

// The magnitude in minutes of a number of hours as ParseHours reads it, or
// -1 when the text is none. Each part is read on its own, so that no
// 32-bit wrap can hide an amount that is too large.
long long HoursFieldMinutes(const std::string& number)
{
    // ParseHours reads at most nine digits of the hours and of the minutes.
    constexpr std::size_t MAX_PART_DIGITS = 9;
    const std::size_t hoursDigits = DigitsFrom(number, 0);
    const char separator = hoursDigits < number.size() ? number[hoursDigits] : '\0';
    std::size_t minutesDigits = 0;
    if (separator == ':' || separator == ',' || separator == '.')
        minutesDigits = DigitsFrom(number, hoursDigits + 1);
    else if (separator != '\0')
        return -1;
    // A fraction after the comma may have any number of digits.
    const bool fraction = separator == ',';
    if (hoursDigits + (separator != '\0' ? 1 : 0) + minutesDigits != number.size() ||
        hoursDigits + minutesDigits == 0 || hoursDigits > MAX_PART_DIGITS ||
        (!fraction && minutesDigits > MAX_PART_DIGITS))
        return -1;
    const long long hours = hoursDigits == 0 ? 0 : std::stoll(number.substr(0, hoursDigits));
    char minutes[TEXT_BUFFER_SIZE];
    std::snprintf(minutes, sizeof minutes, "0%s", number.c_str() + hoursDigits);
    return hours * 60 + ParseHours(minutes);
}

} // namespace

bool ReadHoursField(MonthPlan& plan, const std::string& text, const char* label, HoursValue& value)
{
    char number[TEXT_BUFFER_SIZE];
    std::snprintf(number, sizeof number, "%s", TrimmedFieldText(text).c_str());
    const bool negative = number[0] == '-';
    const long long minutes = HoursFieldMinutes(number + (negative ? 1 : 0));
    if (minutes < 0 || minutes > MAX_FIELD_HOURS * 60) {
        char message[TEXT_BUFFER_SIZE];
        std::snprintf(message, sizeof message,
                      "Bitte geben Sie unter \"%s\" eine Stundenzahl wie 7:30 oder 7,5 ein\n"
                      "(zwischen -%lld:00 und %lld:00).",
                      label, MAX_FIELD_HOURS, MAX_FIELD_HOURS);
        plan.frame().prompts().Tell(message, "Fehler", MessageIcon::Information);
        return false;
    }
    value = ParseHours(number);
    return true;
}
