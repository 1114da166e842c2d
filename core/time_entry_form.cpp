// The time entry dialog's logic.
#include "core/time_entry_form.h"

#include <algorithm>
#include <cstring>

#include "calendar/calendar.h"
#include "core/day_kind_forms.h"
#include "core/form_support.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/settings.h"

namespace {

const char* const NEGATIVE_TIMES = "Bitte geben Sie positive Zeiten für Kommen und Gehen ein.";
const char* const TIMES_OUT_OF_RANGE = "Bitte geben Sie gültige Zeiten für Kommen und Gehen ein.";
const char* const NEGATIVE_HOURS = "Bitte geben Sie eine positive Stundenangabe ein.";
const char* const COME_AFTER_GO = "Die Kommen-Zeit muß kleiner sein als die Gehen-Zeit.";
const char* const CORRECTION_CODE = "Ein Zeitkontostand kann nicht unter \"Kommen\" oder \"Gehen\" eingetragen "
                                    "werden.\nBitte benutzen Sie dafür \"Zeitkonto-Korrektur\".";
const char* const MISSING_DAY_CODE = "Fehltage können nicht unter \"Kommen\" oder \"Gehen\" eingetragen werden.\n"
                                     "Bitte benutzen Sie dafür \"Fehltage bis Markierung eintragen\".";
const char* const DIRECT_HOURS_CODE =
    "Stunden ohne Uhrzeiten können nicht unter \"Kommen\" oder \"Gehen\" eingetragen werden.\n"
    "Bitte wählen Sie dafür \"Stunden\" und geben Sie die Stunden dort ein.";
const char* const DAY_KIND_IN_GO = "Urlaub (U), Krankheit (K), Feiertag (F) und Gleittag (G) werden unter "
                                   "\"Kommen\" eingetragen.";
const char* const NOT_A_TIME = "Unter \"Kommen\" und \"Gehen\" werden Uhrzeiten wie 08:00 eingetragen,\n"
                               "unter \"Kommen\" auch U (Urlaub), K (Krankheit), F (Feiertag) oder G (Gleittag).";

TimeValue NowMinutes(MonthPlan& plan)
{
    const LocalTime now = plan.frame().clock().Now();
    return static_cast<TimeValue>(now.hour * 60 + now.minute);
}

std::string TimeText(TimeValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatTime(value, text);
    return text;
}

// A field copied into a writable buffer, since the parsers write into it.
struct FieldBuffer {
    explicit FieldBuffer(const std::string& text)
    {
        const std::string field = FieldText(text);
        std::memcpy(chars, field.c_str(), field.size() + 1);
    }
    char chars[TEXT_BUFFER_SIZE];
};

bool IsLetter(char c)
{
    // Every non-ASCII character of Windows-1252 counts too: none belongs in a time.
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
}

// A "Kommen" or "Gehen" text as the parser is to read it: a code letter or
// its list text ("UT"), in either case and with blanks around it, becomes
// the capital letter. False for any other text that holds a letter, which
// the parser would read as 00:00.
bool CodeLetterText(const std::string& text, std::string& parsed)
{
    std::string word = TrimmedFieldText(text);
    for (char& c : word)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    for (const char* code : EntryKindTexts) {
        if (IsLetter(code[0]) && (word == code || word == std::string(1, code[0]))) {
            parsed = word.substr(0, 1);
            return true;
        }
    }
    parsed = FieldText(text);
    return std::none_of(parsed.begin(), parsed.end(), IsLetter);
}

// Whether the parser reads the text as a clock time rather than a code
// letter or "no time".
bool IsClockTimeText(const std::string& text)
{
    if (text.empty())
        return false;
    switch (text[0]) {
    case '*':
    case '.':
    case 'F':
    case 'G':
    case 'K':
    case 'U':
    case 'Z':
    case '?':
        return false;
    case '-':
        return text.size() < 2 || text[1] != '-';
    default:
        return true;
    }
}

// Why the code letters of a times-mode entry cannot be stored, or nullptr.
// A correction, a missing day and direct hours have their own commands,
// which store the values these kinds need (an account, a whole missing day,
// an amount of hours); the whole-day kinds belong into "Kommen", where they
// book the day, and a code in "Gehen" alone would break the day's balance.
const char* CodeRefusal(TimeValue come, TimeValue go)
{
    static const struct {
        EntryKind kind;
        const char* text;
    } ownCommand[] = {
        {AccountCorrection, CORRECTION_CODE},
        {MissingDay, MISSING_DAY_CODE},
        {DirectHours, DIRECT_HOURS_CODE},
    };
    for (const auto& code : ownCommand) {
        if (come == TimeCode(code.kind) || go == TimeCode(code.kind))
            return code.text;
    }
    if (IsTimeCode(go) && go != come)
        return DAY_KIND_IN_GO;
    return nullptr;
}

bool IsCountedKind(TimeValue come)
{
    return come == TimeCode(FlexiDay) || come == TimeCode(Vacation) || come == TimeCode(SickDay);
}

} // namespace

std::string ArrivalNow(MonthPlan& plan)
{
    // Like "Kommen" and "Gehen" from the tray, the corrected time stays in its day.
    return TimeText(WithinDay(NowMinutes(plan) - plan.settings().TimeLag));
}

std::string DepartureNow(MonthPlan& plan)
{
    return TimeText(WithinDay(NowMinutes(plan) + plan.settings().TimeLag));
}

TimeEntryFields InitTimeEntry(MonthPlan& plan, unsigned key, const std::string& suggestedDate)
{
    const Settings& s = plan.settings();
    TimeEntryFields fields;
    EntryRecord entry;
    if (key != 0 && plan.ReadEntry(KeyDay(key), KeyPosition(key), entry)) {
        if (entry.Come == TimeCode(MissingDay)) {
            entry.Come = entry.Go = TimeCode(EmptyDay);
            entry.Info[0] = '\0';
        }
        char text[TEXT_BUFFER_SIZE];
        FormatEntryDate(entry, text);
        fields.date = text;
        fields.dateEnabled = false;
        const bool empty = entry.Come == TimeCode(EmptyDay);
        fields.come = empty ? ArrivalNow(plan) : TimeText(entry.Come);
        if (!empty) {
            fields.go = TimeText(entry.Go);
            FormatHours(s, entry.WorkTime, text);
            fields.hours = text;
        }
        fields.remark = entry.Info;
        fields.noSaldo = entry.NoSaldo != 0;
        fields.hoursMode = entry.Come == TimeCode(DirectHours) || entry.Go == TimeCode(DirectHours);
        return fields;
    }

    int weekday;
    if (!suggestedDate.empty()) {
        fields.date = InitialEntryDate(plan, suggestedDate);
        EntryRecord date;
        ParseDate(fields.date.c_str(), date);
        weekday = Calendar().Weekday(date.day, date.month, date.year);
    } else {
        fields.date = InitialEntryDate(plan, "");
        weekday = static_cast<int>(plan.frame().clock().Now().dayOfWeek);
    }
    fields.come = ArrivalNow(plan);
    fields.noSaldo = !IsWorkDay(s, weekday);
    return fields;
}

bool AcceptTimeEntry(MonthPlan& plan, unsigned key, const TimeEntryFields& fields)
{
    UserPrompts& prompts = plan.frame().prompts();
    EntryRecord entry;
    if (!fields.hoursMode) {
        std::string comeText, goText;
        if (!fields.come.empty() && (!CodeLetterText(fields.come, comeText) || !CodeLetterText(fields.go, goText))) {
            prompts.Tell(NOT_A_TIME, "Fehler", MessageIcon::Information);
            return false;
        }
        if (!fields.come.empty()) {
            FieldBuffer come(comeText), go(goText);
            entry.Come = ParseTime(come.chars);
            entry.Go = ParseTime(go.chars);
            if (entry.Come < 0 || entry.Go < 0) {
                prompts.Tell(NEGATIVE_TIMES, "Fehler", MessageIcon::Information);
                return false;
            }
            // Clock times lie within one day, 00:00 to 24:00: "99:99" is no
            // time, and from 32767 minutes on a time would be stored as "no
            // time" or as a kind code.
            if ((IsClockTimeText(comeText) && entry.Come > MINUTES_PER_DAY) ||
                (IsClockTimeText(goText) && entry.Go > MINUTES_PER_DAY)) {
                prompts.Tell(TIMES_OUT_OF_RANGE, "Fehler", MessageIcon::Information);
                return false;
            }
            // "?" means "not yet" in "Gehen" only: an entry without arrival
            // could never be closed.
            if (entry.Come == NO_TIME) {
                prompts.Tell(NOT_A_TIME, "Fehler", MessageIcon::Information);
                return false;
            }
            if (const char* refusal = CodeRefusal(entry.Come, entry.Go)) {
                prompts.Tell(refusal, "Fehler", MessageIcon::Information);
                return false;
            }
            entry.WorkTime = HOURS_CODE_BASE;
        } else {
            entry.Come = entry.Go = TimeCode(EmptyDay);
        }
    } else {
        if (!ReadHoursField(plan, fields.hours, "Stunden", entry.WorkTime))
            return false;
        if (entry.WorkTime < 0) {
            prompts.Tell(NEGATIVE_HOURS, "Fehler", MessageIcon::Information);
            return false;
        }
        entry.Come = entry.Go = TimeCode(DirectHours);
    }
    SetRemark(entry, fields.remark);

    // An existing entry keeps its date whatever the (disabled) date field
    // says; a key that names no entry any more is stored as a new entry.
    EntryRecord existing;
    const bool exists = key != 0 && plan.ReadEntry(KeyDay(key), KeyPosition(key), existing);
    if (exists) {
        entry.day = existing.day;
        entry.month = existing.month;
        entry.year = existing.year;
        entry.weekday = Calendar().Weekday(entry.day, entry.month, entry.year);
    } else if (!ReadEntryDate(plan, fields.date, entry)) {
        return false;
    }

    if (entry.Come != NO_TIME && entry.Come != TimeCode(DirectHours) && entry.Go != NO_TIME &&
        entry.Go != TimeCode(DirectHours) && entry.Come > entry.Go) {
        prompts.Tell(COME_AFTER_GO, "Fehler", MessageIcon::Information);
        return false;
    }
    // "G", "U" and "K" book the day exactly as the flexi-day, vacation and
    // sick-day dialogs do on that date: their checks, messages and counters.
    if (IsCountedKind(entry.Come))
        return StoreCountedDay(plan, entry, TimeCodeKind(entry.Come), entry.Info, exists ? key : 0);
    entry.NoSaldo = fields.noSaldo ? 1 : 0;
    if (entry.Come == TimeCode(PublicHoliday)) {
        // "F" books a public holiday with the values the holiday dialog gives it.
        entry.WorkTime = HoursCode(TimeCodeKind(entry.Come));
        entry.Saldo = 0;
        entry.NoSaldo = 1;
    }

    if (exists)
        plan.StoreEntry(KeyDay(key), KeyPosition(key), entry);
    else
        plan.StoreEntry(0, 0, entry);
    return true;
}
