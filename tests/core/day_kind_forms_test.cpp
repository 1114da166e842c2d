// The flexi day, holiday, vacation, sick day and account correction dialogs.
// March 2002: the 1st is a Friday, the 29th Good Friday (a holiday placeholder).
#include "core/day_kind_forms.h"

#include <algorithm>
#include <functional>

#include "tests/core/plan_fixture.h"

namespace {
const char* const FREE_ANYWAY =
    "Am angegebenen Tag kann kein Gleittag eingetragen werden,\nweil dieser Tag sowieso arbeitsfrei ist.";
const char* const OUTSIDE_MARCH = "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen.";
const char* const NO_ACCOUNT = "Bitte geben Sie unter \"Zeitkontostand\" eine Stundenzahl wie 7:30 oder 7,5 ein\n"
                               "(zwischen -35791394:00 und 35791394:00).";

// The OK button of a dialog with the given fields.
using Accept = std::function<bool(MonthPlan&)>;
template <typename Fields>
Accept Ok(bool (*accept)(MonthPlan&, const Fields&), const Fields& fields)
{
    return [=](MonthPlan& p) { return accept(p, fields); };
}
} // namespace

TEST_F(PlanTest, DayDialogsStartWithTheSuggestionOrToday)
{
    MonthPlan& plan = Open(3, 2002, 750);
    clock.Set(7, 3, 2002);
    EXPECT_EQ(InitDayEntry(plan, "12.03.2002 and more text").date, "12.03.2002 and ");
    const DayRangeFields sick = InitSickDays(plan, "");
    EXPECT_EQ(std::tie(sick.from, sick.to, sick.remark), std::make_tuple("07.03.2002", "07.03.2002", "Krankheitstag"));
}

TEST_F(PlanTest, DayEntriesCarryTheirKindsValuesAndDeletingThemGivesTheDayBack)
{
    const struct {
        Accept accept;
        unsigned day;
        EntryKind kind;
        HoursValue saldo, account;
        int noSaldo;
        const char* info;
        std::uint32_t holidays, sickdays, gdays; // after: 30, 0 and 0 before
    } cases[] = {
        // A flexi day consumes a regular day from the account.
        {Ok(AcceptFlexiDay, DayEntryFields{"04.03.2002", "frei"}), 4, FlexiDay, -456, 750 - 456, 0, "frei", 30, 0, 1},
        {Ok(AcceptVacation, DayRangeFields{"04.03.2002", "04.03.2002", "Sommer"}), 4, Vacation, 0, 750, 1, "Sommer", 29,
         0, 0},
        {Ok(AcceptSickDays, DayRangeFields{"04.03.2002", "", ""}), 4, SickDay, 0, 750, 1, "", 30, 1, 0},
        // A holiday is booked even on a free day.
        {Ok(AcceptHolidayEntry, DayEntryFields{"04.03.2002", "Betriebsfeier"}), 4, PublicHoliday, 0, 750, 1,
         "Betriebsfeier", 30, 0, 0},
        {Ok(AcceptHolidayEntry, DayEntryFields{"09.03.2002", ""}), 9, PublicHoliday, 0, 750 + 24, 1, "", 30, 0, 0},
        {Ok(AcceptAccountCorrection, AccountCorrectionFields{"04.03.2002", "100:00", "Abschluss"}), 4,
         AccountCorrection, HoursCode(AccountCorrection), 6000, 0, "Abschluss", 30, 0, 0},
    };
    const auto counters = [this] { return std::make_tuple(settings.Holidays, settings.Sickdays, settings.GDays); };
    for (const auto& c : cases) {
        settings.Holidays = 30;
        settings.Sickdays = 0;
        settings.GDays = 0;
        Open(3, 2002, 750);
        Add(5, 480, 990);
        ASSERT_TRUE(c.accept(Plan())) << c.kind;
        EXPECT_TRUE(prompts.messages.empty());
        const TimeValue code = TimeCode(c.kind);
        EXPECT_EQ(Values(c.day), std::make_tuple(code, code, HoursCode(c.kind), c.saldo, c.account)) << c.kind;
        EXPECT_EQ(std::make_tuple(Entry(c.day).NoSaldo, std::string(Entry(c.day).Info)),
                  std::make_tuple(c.noSaldo, c.info))
            << c.kind;
        EXPECT_EQ(Entry(5).Account, (c.day == 4 ? c.account : 750) + 24) << c.kind;
        EXPECT_EQ(counters(), std::make_tuple(c.holidays, c.sickdays, c.gdays)) << c.kind;
        Select(c.day);
        Plan().DeleteEntry();
        EXPECT_EQ(counters(), std::make_tuple(30u, 0u, 0u)) << c.kind;
    }
    // A counter never drops below zero.
    AddKind(6, SickDay);
    Select(6);
    Plan().DeleteEntry();
    EXPECT_EQ(settings.Sickdays, 0u);
}

TEST_F(PlanTest, DayDialogRefusalsTellWhyAndWriteNothing)
{
    const struct {
        Accept accept;
        const char *message, *title;
    } cases[] = {
        {Ok(AcceptFlexiDay, DayEntryFields{"09.03.2002", ""}), FREE_ANYWAY, "Hinweis"}, // Saturday
        {Ok(AcceptFlexiDay, DayEntryFields{"12.03.2002", ""}), FREE_ANYWAY, "Hinweis"}, // vacation already
        {Ok(AcceptFlexiDay, DayEntryFields{"05.04.2002", ""}), OUTSIDE_MARCH, "Fehler"},
        // Another month's date is refused as such, even where this plan's day
        // of the same number is free.
        {Ok(AcceptFlexiDay, DayEntryFields{"31.02.2002", ""}), OUTSIDE_MARCH, "Fehler"},
        {Ok(AcceptSickDays, DayRangeFields{"29.03.2002", "29.03.2002", ""}),
         "Am angegebenen Tag kann kein Krankheitstag eingetragen werden,\nweil dieser Tag sowieso arbeitsfrei ist.",
         "Hinweis"},
        {Ok(AcceptVacation, DayRangeFields{"09.03.2002", "10.03.2002", ""}),
         "Im angegebenen Zeitraum liegt kein Arbeitstag.", "Hinweis"},
        {Ok(AcceptVacation, DayRangeFields{"29.03.2002", "02.04.2002", ""}), OUTSIDE_MARCH, "Fehler"},
        {Ok(AcceptVacation, DayRangeFields{"29.03.2002", "32.03.2002", ""}), "Das Datum 32.03.2002 ist ungültig.",
         "Fehler"},
        {Ok(AcceptSickDays, DayRangeFields{"11.03.2002", "08.03.2002", ""}),
         "Das Datum unter \"bis:\" liegt vor dem ersten Tag des Zeitraums.", "Fehler"},
        // The 14th holds a time entry, then one day of each counted kind.
        {Ok(AcceptFlexiDay, DayEntryFields{"14.03.2002", ""}),
         "Am angegebenen Tag ist bereits ein Gleittag eingetragen.", "Hinweis"},
        {Ok(AcceptVacation, DayRangeFields{"14.03.2002", "", ""}),
         "Am angegebenen Tag ist bereits ein Urlaubstag eingetragen.", "Hinweis"},
        {Ok(AcceptSickDays, DayRangeFields{"14.03.2002", "", ""}),
         "Am angegebenen Tag ist bereits ein Krankheitstag eingetragen.", "Hinweis"},
        {Ok(AcceptAccountCorrection, AccountCorrectionFields{"04.03.2002", "-35791394:01", ""}), NO_ACCOUNT, "Fehler"},
        {Ok(AcceptAccountCorrection, AccountCorrectionFields{"04.03.2002", "99999999999", ""}), NO_ACCOUNT, "Fehler"},
        {Ok(AcceptVacation, DayRangeFields{"04.03.2002", "06.03.2002", ""}),
         "Sie haben noch 1 Urlaubstage zur Verf\xFCgung,\nben\xF6tigen f\xFCr den angegebenen Zeitraum aber 3 "
         "Tage.\n\nPr\xFC"
         "fen Sie ggf. die Einstellung der Urlaubstage.",
         "Hinweis"},
    };
    MonthPlan& plan = Open(3, 2002);
    ASSERT_TRUE(AcceptVacation(plan, {"12.03.2002", "", ""}));
    Add(14, At(8, 0), At(12, 0));
    for (EntryKind kind : {FlexiDay, Vacation, SickDay})
        AddKind(14, kind);
    settings.Holidays = 1;
    settings.GDays = 3;
    const std::string before = Dump();
    for (const auto& c : cases) {
        EXPECT_FALSE(c.accept(plan)) << c.message;
        ExpectOnly(c.message, c.title);
    }
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(std::make_pair(settings.GDays, settings.Holidays), std::make_pair(3u, 1u));
    // Exactly the remaining days are fine; sick days know no limit, and a
    // range skips the days booked already (the 12th, the 14th's sick day).
    EXPECT_TRUE(AcceptVacation(plan, {"04.03.2002", "", ""}));
    EXPECT_EQ(settings.Holidays, 0u);
    EXPECT_TRUE(AcceptSickDays(plan, {"05.03.2002", "14.03.2002", ""}));
    EXPECT_EQ(settings.Sickdays, 6u); // 5 to 8, 11 and 13
    EXPECT_EQ(Entry(12).Come, TimeCode(Vacation));
    EXPECT_EQ(plan.EntryCount(14), 4u);
}

TEST_F(PlanTest, RangesBookTheExistingWorkDays)
{
    const struct {
        unsigned sick; // sick days in the period from 15th of that month 2002, else (0) vacation in March 2002
        const char *from, *to, *booked;
    } cases[] = {
        {0, "08.03.2002", "11.03.2002", "8 11 "}, // Friday to Monday
        {0, "08.03.2002", "", "8 "},
        {0, "27.03.2002", "29.03.2002", "27 28 "}, // Good Friday is a holiday
        // Over a month end only the days that exist.
        {2, "28.02.2002", "02.03.2002", "1 28 "},
        {2, "15.02.2002", "14.03.2002", "1 4 5 6 7 8 11 12 13 14 15 18 19 20 21 22 25 26 27 28 "},
        // Over New Year (Neujahr is a holiday) into the next year.
        {12, "30.12.2002", "03.01.2003", "2 3 30 31 "},
    };
    for (const auto& c : cases) {
        settings.StartDay = c.sick ? 15 : 1;
        settings.Holidays = 30;
        settings.Sickdays = 0;
        MonthPlan& plan = Open(c.sick ? c.sick : 3, 2002);
        const DayRangeFields fields{c.from, c.to, "weg"};
        ASSERT_TRUE(c.sick ? AcceptSickDays(plan, fields) : AcceptVacation(plan, fields)) << c.from;
        EXPECT_TRUE(prompts.messages.empty()) << c.from;
        std::string booked;
        unsigned entries = 0;
        for (unsigned day = 1; day <= 31; ++day) {
            entries += plan.EntryCount(day);
            if (plan.EntryCount(day) && Entry(day).Come == TimeCode(c.sick ? SickDay : Vacation))
                booked += std::to_string(day) + " ";
        }
        EXPECT_EQ(booked, c.booked) << c.from;
        EXPECT_EQ(entries, c.sick == 2 ? 28u : 31u) << c.from;
        const std::size_t count = std::count(booked.begin(), booked.end(), ' ');
        EXPECT_EQ(c.sick ? settings.Sickdays : 30u - settings.Holidays, count) << c.from;
    }
}

TEST_F(PlanTest, VacationOverAMissingDayCorrectsTheLaterAccounts)
{
    MonthPlan& plan = Open(3, 2002, 750);
    plan.FillMissingDays(5); // the 1st and the 4th become missing days
    Add(6, 480, 990);
    ASSERT_EQ(Entry(6).Account, 750 - 2 * 456 + 24);
    ASSERT_TRUE(AcceptVacation(plan, {"04.03.2002", "", ""}));
    EXPECT_EQ(Entry(4).Come, TimeCode(Vacation));
    EXPECT_EQ(Entry(6).Account, 750 - 456 + 24);
}
