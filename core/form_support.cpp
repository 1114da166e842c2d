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
