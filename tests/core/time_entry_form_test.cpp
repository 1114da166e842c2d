// The time entry dialog: its start values, refusals and what it stores.
#include "core/time_entry_form.h"

#include "core/day_kind_forms.h"

#include "tests/core/plan_fixture.h"

#include <tuple>

namespace {

const char* const TIMES_OUT_OF_RANGE = "Bitte geben Sie gültige Zeiten für Kommen und Gehen ein.";
const char* const CORRECTION_CODE = "Ein Zeitkontostand kann nicht unter \"Kommen\" oder \"Gehen\" eingetragen "
                                    "werden.\nBitte benutzen Sie dafür \"Zeitkonto-Korrektur\".";
const char* const DAY_KIND_IN_GO = "Urlaub (U), Krankheit (K), Feiertag (F) und Gleittag (G) werden unter "
                                   "\"Kommen\" eingetragen.";
const char* const NOT_A_TIME = "Unter \"Kommen\" und \"Gehen\" werden Uhrzeiten wie 08:00 eingetragen,\n"
                               "unter \"Kommen\" auch U (Urlaub), K (Krankheit), F (Feiertag) oder G (Gleittag).";
const char* const NO_HOURS_TEXT = "Bitte geben Sie unter \"Stunden\" eine Stundenzahl wie 7:30 oder 7,5 ein\n"
                                  "(zwischen -35791394:00 und 35791394:00).";

// Times mode, or hours mode when hours are given: the tests then type times
// (08:00 to 07:00) that times mode would refuse.
TimeEntryFields Times(const char* date, const char* come, const char* go, const char* hours = nullptr)
{
    TimeEntryFields fields;
    fields.date = date;
    fields.come = come;
    fields.go = go;
    fields.hours = hours ? hours : "";
    fields.hoursMode = hours != nullptr;
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
        EXPECT_EQ(std::tie(f.date, f.noSaldo, f.dateEnabled, f.hoursMode, f.come, f.go, f.hours, f.remark),
                  std::make_tuple(c.date, c.noSaldo, true, false, "07:55", "", "", "")); // travel time off
    }
    EXPECT_EQ(DepartureNow(plan), "08:25");

    // Existing entries show their values.
    clock.Set(15, 6, 2001, 9, 0);
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("04.03.2002", "08:00", "16:30")));
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("05.03.2002", "08:00", "07:00", "2:15")));
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
    };
    for (const auto& c : shown) {
        const TimeEntryFields e = InitTimeEntry(plan, EntryKey(c.day, 1), "01.03.2002");
        EXPECT_EQ(
            std::tie(e.date, e.dateEnabled, e.come, e.go, e.hours, e.remark, e.hoursMode),
            std::make_tuple("0" + std::to_string(c.day) + ".03.2002", false, c.come, c.go, c.hours, "", c.hoursMode));
    }
}

TEST_F(PlanTest, RefusedTimeEntryTellsTheFirstProblemAndWritesNothing)
{
    const struct {
        TimeEntryFields fields;
        const char* message;
    } cases[] = {
        // Times before the date.
        {Times("05.04.2002", "-1:00", "16:00"), "Bitte geben Sie positive Zeiten für Kommen und Gehen ein."},
        {Times("04.03.2002", "546:08", "600:00"), TIMES_OUT_OF_RANGE},
        {Times("04.03.2002", "08:00", "24:01"), TIMES_OUT_OF_RANGE},
        {Times("05.04.2002", "08:00", "07:00", "-2:00"), "Bitte geben Sie eine positive Stundenangabe ein."},
        {Times("04.03.2002", "08:00", "07:00", "U"), NO_HOURS_TEXT},           // a code is no amount of hours
        {Times("04.03.2002", "08:00", "07:00", "35791394:14"), NO_HOURS_TEXT}, // wraps onto a code
        {Times("05.04.2002", "17:00", "08:00"), "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen."},
        {Times("45.03.2002", "17:00", "08:00"), "Das Datum 45.03.2002 ist ungültig."},
        {Times("04.03.2002", "17:00", "08:00"), "Die Kommen-Zeit muß kleiner sein als die Gehen-Zeit."},
        // Codes that need their own command, in either field, before the date.
        {Times("05.04.2002", "Z", ""), CORRECTION_CODE},
        {Times("04.03.2002", "08:00", "--.--"),
         "Fehltage können nicht unter \"Kommen\" oder \"Gehen\" eingetragen werden.\n"
         "Bitte benutzen Sie dafür \"Fehltage bis Markierung eintragen\"."},
        {Times("04.03.2002", "08:00", "**.**"),
         "Stunden ohne Uhrzeiten können nicht unter \"Kommen\" oder \"Gehen\" eingetragen werden.\n"
         "Bitte wählen Sie dafür \"Stunden\" und geben Sie die Stunden dort ein."},
        {Times("04.03.2002", "08:00", "U"), DAY_KIND_IN_GO},
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
        EXPECT_TRUE(prompts.messages.empty() || prompts.messages[0].icon == MessageIcon::Information);
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
        std::uint32_t holidays, sickdays, gdays; // after: 1, 2 and 3 before
    } cases[] = {
        {Times("04.03.2002", "08:00", "16:30"), 480, 990, 510, 24, 774, 1, 2, 3},
        {Times("04.03.2002", "08:00", ""), 480, NO_TIME, NO_HOURS, NO_HOURS, NO_HOURS, 1, 2, 3},
        {Times("04.03.2002", "", "16:00"), TimeCode(EmptyDay), TimeCode(EmptyDay), HoursCode(EmptyDay),
         HoursCode(EmptyDay), HoursCode(EmptyDay), 1, 2, 3},
        {Times("04.03.2002", "08:00", "07:00", " 7:30 "), TimeCode(DirectHours), TimeCode(DirectHours), 450, -36, 714,
         1, 2, 3},
        // A code letter, in either case, books a whole day of its kind as the
        // kind's dialog does, counter included.
        {Times("04.03.2002", " u ", "U"), TimeCode(Vacation), TimeCode(Vacation), HoursCode(Vacation), 0, 750, 0, 2, 3},
        {Times("04.03.2002", "k", ""), TimeCode(SickDay), TimeCode(SickDay), HoursCode(SickDay), 0, 750, 1, 3, 3},
        {Times("04.03.2002", "G", ""), TimeCode(FlexiDay), TimeCode(FlexiDay), HoursCode(FlexiDay), -456, 294, 1, 2, 4},
        {Times("04.03.2002", "F", ""), TimeCode(PublicHoliday), TimeCode(PublicHoliday), HoursCode(PublicHoliday), 0,
         750, 1, 2, 3},
    };
    for (const auto& c : cases) {
        settings.Holidays = 1;
        settings.Sickdays = 2;
        settings.GDays = 3;
        MonthPlan& plan = Open(3, 2002, 750);
        ASSERT_TRUE(AcceptTimeEntry(plan, 0, c.fields)) << c.fields.come;
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(Values(4), std::make_tuple(c.come, c.go, c.workTime, c.saldo, c.account)) << c.fields.come;
        EXPECT_EQ(std::make_tuple(settings.Holidays, settings.Sickdays, settings.GDays),
                  std::make_tuple(c.holidays, c.sickdays, c.gdays))
            << c.fields.come;
        EXPECT_EQ(plan.EntryCount(4), 1u);
    }
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
    EXPECT_EQ(std::make_tuple(plan.EntryCount(4), plan.EntryCount(20), Entry(4, 2).Go, std::string(Entry(4, 2).Info)),
              std::make_tuple(2u, 1u, 1050, "l\xE4nger"));
    EXPECT_EQ(Entry(5).Account, 750 + 54 + 24);

    // A key whose entry is gone is stored as a new entry of the typed date.
    ASSERT_TRUE(AcceptTimeEntry(plan, EntryKey(12, 3), Times("12.03.2002", "08:00", "09:00")));
    EXPECT_EQ(std::make_pair(plan.EntryCount(12), Entry(12).Come), std::make_pair(1u, 480));

    // The check box is stored.
    TimeEntryFields free = Times("07.03.2002", "08:00", "16:30");
    free.noSaldo = true;
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, free));
    // No regular working time: the hours are the balance.
    EXPECT_EQ(std::make_pair(Entry(7).NoSaldo, Entry(7).Saldo), std::make_pair(1, 510));

    // Typed over an existing entry, a flexi day takes its place.
    ASSERT_TRUE(AcceptTimeEntry(plan, EntryKey(5, 1), Times("05.03.2002", "G", "")));
    EXPECT_EQ(plan.EntryCount(5), 1u);
    EXPECT_EQ(Values(5), std::make_tuple(TimeCode(FlexiDay), TimeCode(FlexiDay), HoursCode(FlexiDay), -456, 348));
    EXPECT_EQ(settings.GDays, 1u);
}
