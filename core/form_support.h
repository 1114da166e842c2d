#pragma once
// What the dialog halves share: field texts are cut like the dialogs' read
// buffers, dates are read and checked the same way by every entry dialog.
// A dialog calls its logic half inside a PromptOwnerScope (core/shell.h) of
// its own window, so that it owns the messages about its input.
#include <cstdint>
#include <string>

#include "core/entry_record.h"
#include "core/time_values.h"

class MonthPlan;

// The dialogs read every text with at most this many characters.
constexpr std::size_t MAX_FIELD_LENGTH = TEXT_BUFFER_SIZE - 1;
// A suggested date (a list row's date text) is at most this long.
constexpr std::size_t MAX_SUGGESTED_DATE_LENGTH = 15;

// The text as a dialog reads it from its control: at most 255 characters.
std::string FieldText(const std::string& text);

// FieldText without the blanks and tabs around it.
std::string TrimmedFieldText(const std::string& text);

// Copies a field into a record's remark, cut to fit; control characters
// (tab, CR, LF and the others below 0x20, and DEL) become blanks.
void SetRemark(EntryRecord& record, const std::string& text);

// The date an entry dialog starts with: the suggested date (cut to 15
// characters) when there is one, otherwise today.
std::string InitialEntryDate(MonthPlan& plan, const std::string& suggestedDate);

// Reads a date field into record (day, month, year and weekday) and checks
// that the period of the plan holds it and that the calendar has it; tells
// the user why not and returns false otherwise.
bool ReadEntryDate(MonthPlan& plan, const std::string& text, EntryRecord& record);

// Tells the user and returns false when the record's date does not exist
// ("Das Datum 31.04.2002 ist ungültig.").
bool CheckDateExists(MonthPlan& plan, const EntryRecord& record);

// The largest amount a value field of hours takes, either way: the account
// and the hours are 32-bit minutes, which a few minutes more would turn into
// "not computable" or a kind code.
constexpr long long MAX_FIELD_HOURS = 35791394;

// Reads a value field of hours: [-]hours, optionally followed by ":", ","
// or "." and the minutes or the fraction, blanks around it, read as
// ParseHours reads it. Tells the user what the field named label accepts and
// returns false for an empty field, a code letter, any other text and an
// amount beyond MAX_FIELD_HOURS.
bool ReadHoursField(MonthPlan& plan, const std::string& text, const char* label, HoursValue& value);

// An unsigned decimal number field: blanks around the digits are allowed,
// a sign or any other character is not, and the value must fit 32 bits.
bool ParseUnsignedField(const std::string& text, std::uint32_t& value);
