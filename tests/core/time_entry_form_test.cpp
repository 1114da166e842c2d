// The time entry dialog: its start values, refusals and what it stores.
#include "core/time_entry_form.h"

#include "core/day_kind_forms.h"

#include "tests/core/plan_fixture.h"

#include <tuple>

namespace {

const char* const NEGATIVE_TIMES = "Bitte geben Sie positive Zeiten für Kommen und Gehen ein.";
const char* const TIMES_OUT_OF_RANGE = "Bitte geben Sie gültige Zeiten für Kommen und Gehen ein.";
const char* const COME_AFTER_GO = "Die Kommen-Zeit muß kleiner sein als die Gehen-Zeit.";
const char* const OUTSIDE_MARCH = "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen.";
const char* const CORRECTION_CODE = "Ein Zeitkontostand kann nicht unter \"Kommen\" oder \"Gehen\" eingetragen "
                                    "werden.\nBitte benutzen Sie dafür \"Zeitkonto-Korrektur\".";
const char* const DIRECT_HOURS_CODE =
    "Stunden ohne Uhrzeiten können nicht unter \"Kommen\" oder \"Gehen\" eingetragen werden.\n"
    "Bitte wählen Sie dafür \"Stunden\" und geben Sie die Stunden dort ein.";
const char* const DAY_KIND_IN_GO = "Urlaub (U), Krankheit (K), Feiertag (F) und Gleittag (G) werden unter "
                                   "\"Kommen\" eingetragen.";
const char* const NOT_A_TIME = "Unter \"Kommen\" und \"Gehen\" werden Uhrzeiten wie 08:00 eingetragen,\n"
                               "unter \"Kommen\" auch U (Urlaub), K (Krankheit), F (Feiertag) oder G (Gleittag).";
const char* const NO_HOURS_TEXT = "Bitte geben Sie unter \"Stunden\" eine Stundenzahl wie 7:30 oder 7,5 ein\n"
                                  "(zwischen -35791394:00 und 35791394:00).";

TimeEntryFields Times(const char* date, const char* come, const char* go)
{
    TimeEntryFields fields;
    fields.date = date;
    fields.come = come;
    fields.go = go;
    return fields;
}

TimeEntryFields Hours(const char* date, const char* hours)
{
    TimeEntryFields fields = Times(date, "08:00", "07:00"); // ignored in hours mode
    fields.hours = hours;
    fields.hoursMode = true;
    return fields;
}

} // namespace

TEST_F(PlanTest, TimeEntryStartValues)
{
    MonthPlan& plan = Open(3, 2002, 750);
    settings.TimeLag = 15;
    const struct {
        unsigned today;
        const char *suggested, *date;
        bool noSaldo;
    } cases[] = {
        {9, "", "09.03.2002", true}, // a Saturday
        // Today, a Monday, does not decide.
        {4, "04.03.2002", "04.03.2002", false},
        {4, "09.03.2002", "09.03.2002", true},
    };
    for (const auto& c : cases) {
        clock.Set(c.today, 3, 2002, 8, 10);
        const TimeEntryFields f = InitTimeEntry(plan, 0, c.suggested);
        EXPECT_EQ(std::tie(f.date, f.noSaldo, f.dateEnabled, f.hoursMode),
                  std::make_tuple(c.date, c.noSaldo, true, false));
    }
    const TimeEntryFields f = InitTimeEntry(plan, 0, "");
    EXPECT_EQ(std::tie(f.come, f.go, f.hours, f.remark), std::make_tuple("07:55", "", "", "")); // travel time off

    // Existing entries show their values.
    clock.Set(15, 6, 2001, 9, 0);
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("04.03.2002", "08:00", "16:30")));
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Hours("05.03.2002", "2:15")));
    AddKind(6, MissingDay);
    engine.WriteString("6/1", "Info", "Fehltag", plan.path().c_str());
    const struct {
        unsigned day;
        const char *come, *go, *hours;
        bool hoursMode;
    } shown[] = {
        {4, "08:00", "16:30", "8:30", false},
        {5, "**.**", "**.**", "2:15", true},
        // A missing day opens like an empty day.
        {6, "08:45", "", "", false},
        {7, "08:45", "", "", false},
    };
    for (const auto& c : shown) {
        const TimeEntryFields e = InitTimeEntry(plan, EntryKey(c.day, 1), "01.03.2002");
        EXPECT_EQ(
            std::tie(e.date, e.dateEnabled, e.come, e.go, e.hours, e.remark, e.hoursMode),
            std::make_tuple("0" + std::to_string(c.day) + ".03.2002", false, c.come, c.go, c.hours, "", c.hoursMode));
    }
}

TEST_F(PlanTest, NowButtonsMoveArrivalEarlierAndDepartureLater)
{
    MonthPlan& plan = Open(3, 2002);
    const struct {
        unsigned hour, minute;
        int lag;
        const char *arrival, *departure;
    } cases[] = {
        {8, 10, 15, "07:55", "08:25"},
        {0, 5, 15, "00:00", "00:20"},   // the lag never reaches into yesterday
        {23, 50, 15, "23:35", "24:00"}, // nor into tomorrow
        {0, 10, -15, "00:25", "00:00"},
    };
    for (const auto& c : cases) {
        settings.TimeLag = c.lag;
        clock.Set(15, 6, 2001, c.hour, c.minute);
        EXPECT_EQ(ArrivalNow(plan), c.arrival);
        EXPECT_EQ(DepartureNow(plan), c.departure);
    }
}

TEST_F(PlanTest, RefusedTimeEntryTellsTheFirstProblemAndWritesNothing)
{
    const struct {
        TimeEntryFields fields;
        const char* message;
    } cases[] = {
        {Times("05.04.2002", "-1:00", "16:00"), NEGATIVE_TIMES}, // times before the date
        {Times("04.03.2002", "08:00", "-16:00"), NEGATIVE_TIMES},
        {Times("04.03.2002", "546:08", "600:00"), TIMES_OUT_OF_RANGE},
        {Times("04.03.2002", "08:00", "24:01"), TIMES_OUT_OF_RANGE},
        {Hours("05.04.2002", "-2:00"), "Bitte geben Sie eine positive Stundenangabe ein."},
        {Hours("04.03.2002", "U"), NO_HOURS_TEXT}, // a code is no amount of hours
        {Hours("04.03.2002", "7 Std"), NO_HOURS_TEXT},
        {Hours("04.03.2002", "35791394:01"), NO_HOURS_TEXT},
        {Hours("04.03.2002", "35791394:14"), NO_HOURS_TEXT},    // wraps onto a code
        {Times("05.04.2002", "17:00", "08:00"), OUTSIDE_MARCH}, // date before order
        {Times("1.3.02", "08:00", "16:00"), OUTSIDE_MARCH},
        {Times("45.03.2002", "17:00", "08:00"), "Das Datum 45.03.2002 ist ungültig."},
        {Times("04.03.2002", "17:00", "08:00"), COME_AFTER_GO},
        {Times("04.03.2002", "U", "08:00"), COME_AFTER_GO},
        // Codes that need their own command, in either field, before the date.
        {Times("05.04.2002", "Z", ""), CORRECTION_CODE},
        {Times("04.03.2002", "08:00", "--.--"),
         "Fehltage können nicht unter \"Kommen\" oder \"Gehen\" eingetragen werden.\n"
         "Bitte benutzen Sie dafür \"Fehltage bis Markierung eintragen\"."},
        {Times("04.03.2002", "*", "16:00"), DIRECT_HOURS_CODE},
        {Times("04.03.2002", "08:00", "**.**"), DIRECT_HOURS_CODE},
        {Times("04.03.2002", "08:00", "U"), DAY_KIND_IN_GO},
        {Times("04.03.2002", "K", "U"), DAY_KIND_IN_GO},
        {Times("04.03.2002", "08:00", "."), DAY_KIND_IN_GO},
        // Letters that are no code, before everything else; "?" has no arrival.
        {Times("05.04.2002", "x", ""), NOT_A_TIME},
        {Times("04.03.2002", "?", "16:00"), NOT_A_TIME},
        {Times("04.03.2002", "z", ""), CORRECTION_CODE}, // a code in lower case
    };
    MonthPlan& plan = Open(3, 2002, 750);
    const std::string before = Dump();
    for (const auto& c : cases) {
        EXPECT_FALSE(AcceptTimeEntry(plan, 0, c.fields)) << c.message;
        ASSERT_FALSE(prompts.messages.empty()) << c.message;
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
        ExpectOnly(c.message);
    }
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanTest, AcceptedTimeEntryIsStoredWithItsComputedValues)
{
    const struct {
        TimeEntryFields fields;
        TimeValue come, go;
        HoursValue workTime, saldo, account;
    } cases[] = {
        {Times("04.03.2002", "08:00", "16:30"), 480, 990, 510, 24, 774},
        {Times("04.03.2002", "08:00", ""), 480, NO_TIME, NO_HOURS, NO_HOURS, NO_HOURS},
        {Times("04.03.2002", "", "16:00"), TimeCode(EmptyDay), TimeCode(EmptyDay), HoursCode(EmptyDay),
         HoursCode(EmptyDay), HoursCode(EmptyDay)},
        {Hours("04.03.2002", " 7:30 "), TimeCode(DirectHours), TimeCode(DirectHours), 450, -36, 714},
        // A code letter, in either case, books a whole day of its kind.
        {Times("04.03.2002", " u ", "U"), TimeCode(Vacation), TimeCode(Vacation), HoursCode(Vacation), 0, 750},
    };
    for (const auto& c : cases) {
        MonthPlan& plan = Open(3, 2002, 750);
        ASSERT_TRUE(AcceptTimeEntry(plan, 0, c.fields)) << c.fields.come;
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(Values(4), std::make_tuple(c.come, c.go, c.workTime, c.saldo, c.account)) << c.fields.come;
        EXPECT_EQ(plan.EntryCount(4), 1u);
    }
}

TEST_F(PlanTest, CountedDayCodesInKommenAreTheirDialogs)
{
    // Each date booked through a letter in Kommen and through the letter's
    // dialog: the same file, messages and counters.
    using Dialog = bool (*)(MonthPlan&, const char* date);
    const Dialog flexi = [](MonthPlan& p, const char* date) { return AcceptFlexiDay(p, {date, "frei"}); };
    const Dialog vacation = [](MonthPlan& p, const char* date) { return AcceptVacation(p, {date, "", "frei"}); };
    const Dialog sick = [](MonthPlan& p, const char* date) { return AcceptSickDays(p, {date, date, "frei"}); };
    const struct {
        const char* letter;
        EntryKind kind;
        Dialog dialog;
        const char* date;
        std::uint32_t holidays;
        bool booked;
    } cases[] = {
        {"G", FlexiDay, flexi, "04.03.2002", 1, true},
        {"G", FlexiDay, flexi, "13.03.2002", 1, false},    // a flexi day after a time entry
        {"U", Vacation, vacation, "04.03.2002", 0, false}, // no vacation left
        {"U", Vacation, vacation, "09.03.2002", 1, false}, // a Saturday
        {"K", SickDay, sick, "04.03.2002", 1, true},
        {"K", SickDay, sick, "29.03.2002", 1, false}, // Good Friday
    };
    for (const auto& c : cases) {
        auto book = [&](bool dialog) {
            settings.Holidays = c.holidays;
            settings.Sickdays = 2;
            settings.GDays = 3;
            MonthPlan& plan = Open(3, 2002, 750);
            Add(13, At(8, 0), At(12, 0));
            AddKind(13, c.kind);
            prompts.messages.clear();
            TimeEntryFields fields = Times(c.date, c.letter, "");
            fields.remark = "frei";
            const bool accepted = dialog ? c.dialog(plan, c.date) : AcceptTimeEntry(plan, 0, fields);
            std::string messages;
            for (const RecordingPrompts::Message& m : prompts.messages)
                messages += m.title + ": " + m.text + "\n";
            EXPECT_EQ(accepted, c.booked) << c.letter << c.date;
            EXPECT_EQ(accepted, messages.empty()) << c.letter << c.date;
            return std::make_tuple(Dump(), messages, settings.Holidays, settings.Sickdays, settings.GDays);
        };
        EXPECT_EQ(book(false), book(true)) << c.letter << c.date;
    }

    // Typed over an existing entry, the flexi day takes its place.
    settings.GDays = 2;
    MonthPlan& plan = Open(3, 2002, 750);
    Add(4, At(8, 0), At(16, 30));
    ASSERT_TRUE(AcceptTimeEntry(plan, EntryKey(4, 1), Times("04.03.2002", "G", "")));
    EXPECT_EQ(plan.EntryCount(4), 1u);
    EXPECT_EQ(Values(4), std::make_tuple(TimeCode(FlexiDay), TimeCode(FlexiDay), HoursCode(FlexiDay), -456, 294));
    EXPECT_EQ(settings.GDays, 3u);
}

TEST_F(PlanTest, NewTimeEntriesFollowTheDaysEntriesAndEditsStayInPlace)
{
    MonthPlan& plan = Open(3, 2002, 750);
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("04.03.2002", "08:00", "12:00")));
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("04.03.2002", "12:30", "16:30")));
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("05.03.2002", "08:00", "16:30")));
    EXPECT_EQ(plan.EntryCount(4), 2u);
    EXPECT_EQ(Entry(4, 2).Saldo, 480 - 30 - 456);

    // The edit keeps the entry's date whatever the date text says, and the
    // following days are recomputed.
    TimeEntryFields edit = Times("20.03.2002", "12:30", "17:30");
    edit.remark = "länger";
    ASSERT_TRUE(AcceptTimeEntry(plan, EntryKey(4, 2), edit));
    EXPECT_EQ(plan.EntryCount(4), 2u);
    EXPECT_EQ(plan.EntryCount(20), 1u);
    EXPECT_EQ(Entry(4, 2).Go, 1050);
    EXPECT_STREQ(Entry(4, 2).Info, "l\xE4nger");
    EXPECT_EQ(Entry(5).Account, 750 + 54 + 24);

    // A key whose entry is gone is stored as a new entry of the typed date.
    ASSERT_TRUE(AcceptTimeEntry(plan, EntryKey(12, 3), Times("12.03.2002", "08:00", "09:00")));
    EXPECT_EQ(plan.EntryCount(12), 1u);
    EXPECT_EQ(Entry(12).Come, 480);

    // The check box is stored.
    TimeEntryFields free = Times("07.03.2002", "08:00", "16:30");
    free.noSaldo = true;
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, free));
    EXPECT_EQ(Entry(7).NoSaldo, 1);
    EXPECT_EQ(Entry(7).Saldo, 510); // no regular working time: the hours are the balance
}
