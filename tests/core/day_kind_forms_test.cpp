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
const char* const OUTSIDE_APRIL = "Das Datum muß zwischen 01.04.2002 und 30.04.2002 liegen.";
const char* const NO_ACCOUNT = "Bitte geben Sie unter \"Zeitkontostand\" eine Stundenzahl wie 7:30 oder 7,5 ein\n"
                               "(zwischen -35791394:00 und 35791394:00).";

// The OK button of each dialog with the given fields.
using Accept = std::function<bool(MonthPlan&)>;
Accept Flexi(const char* date, const char* remark = "")
{
    return [=](MonthPlan& p) { return AcceptFlexiDay(p, {date, remark}); };
}
Accept Holiday(const char* date, const char* remark = "")
{
    return [=](MonthPlan& p) { return AcceptHolidayEntry(p, {date, remark}); };
}
Accept Vacations(const char* from, const char* to, const char* remark = "")
{
    return [=](MonthPlan& p) { return AcceptVacation(p, {from, to, remark}); };
}
Accept SickDays(const char* from, const char* to)
{
    return [=](MonthPlan& p) { return AcceptSickDays(p, {from, to, ""}); };
}
Accept Correction(const char* date, const char* account, const char* remark = "")
{
    return [=](MonthPlan& p) { return AcceptAccountCorrection(p, {date, account, remark}); };
}
} // namespace

TEST_F(PlanTest, DayDialogsStartWithTheSuggestionOrToday)
{
    MonthPlan& plan = Open(3, 2002, 750);
    clock.Set(7, 3, 2002);
    EXPECT_EQ(InitDayEntry(plan, "").date, "07.03.2002");
    EXPECT_EQ(InitDayEntry(plan, "12.03.2002").date, "12.03.2002");
    EXPECT_EQ(InitDayEntry(plan, "12.03.2002 and more text").date, "12.03.2002 and ");
    const DayRangeFields vacation = InitVacation(plan, "12.03.2002"), sick = InitSickDays(plan, "");
    EXPECT_EQ(std::tie(vacation.from, vacation.to, vacation.remark), std::make_tuple("12.03.2002", "12.03.2002", ""));
    EXPECT_EQ(std::tie(sick.from, sick.to, sick.remark), std::make_tuple("07.03.2002", "07.03.2002", "Krankheitstag"));
    EXPECT_EQ(InitAccountCorrection(plan, "").date, "07.03.2002");
    EXPECT_EQ(InitAccountCorrection(plan, "").account, "");
}

TEST_F(PlanTest, DayEntriesCarryTheirKindsValues)
{
    const struct {
        Accept accept;
        unsigned day;
        EntryKind kind;
        HoursValue saldo, account;
        int noSaldo;
        const char* info;
        std::uint32_t holidays, gdays;
    } cases[] = {
        // A flexi day consumes a regular day from the account.
        {Flexi("04.03.2002", "frei"), 4, FlexiDay, -456, 750 - 456, 0, "frei", 30, 1},
        {Vacations("04.03.2002", "04.03.2002", "Sommer"), 4, Vacation, 0, 750, 1, "Sommer", 29, 0},
        // A holiday is booked even on a free day.
        {Holiday("04.03.2002", "Betriebsfeier"), 4, PublicHoliday, 0, 750, 1, "Betriebsfeier", 30, 0},
        {Holiday("09.03.2002"), 9, PublicHoliday, 0, 750 + 24, 1, "", 30, 0},
        {Correction("04.03.2002", "100:00", "Abschluss"), 4, AccountCorrection, HoursCode(AccountCorrection), 6000, 0,
         "Abschluss", 30, 0},
    };
    for (const auto& c : cases) {
        settings.Holidays = 30;
        settings.GDays = 0;
        Open(3, 2002, 750);
        Add(5, 480, 990);
        ASSERT_TRUE(c.accept(Plan())) << c.kind;
        EXPECT_TRUE(prompts.messages.empty());
        const TimeValue code = TimeCode(c.kind);
        EXPECT_EQ(Values(c.day), std::make_tuple(code, code, HoursCode(c.kind), c.saldo, c.account)) << c.kind;
        EXPECT_EQ(Entry(c.day).NoSaldo, c.noSaldo) << c.kind;
        EXPECT_STREQ(Entry(c.day).Info, c.info);
        EXPECT_EQ(Entry(5).Account, (c.day == 4 ? c.account : 750) + 24) << c.kind;
        EXPECT_EQ(std::make_pair(settings.Holidays, settings.GDays), std::make_pair(c.holidays, c.gdays)) << c.kind;
    }
}

TEST_F(PlanTest, DayDialogRefusalsTellWhyAndWriteNothing)
{
    const struct {
        Accept accept;
        const char *message, *title;
    } cases[] = {
        {Flexi("09.03.2002"), FREE_ANYWAY, "Hinweis"}, // Saturday
        {Flexi("12.03.2002"), FREE_ANYWAY, "Hinweis"}, // vacation already
        {Flexi("05.04.2002"), OUTSIDE_MARCH, "Fehler"},
        // Another month's date is refused as such, even where this plan's day
        // of the same number is free.
        {Flexi("31.02.2002"), OUTSIDE_MARCH, "Fehler"},
        {Correction("01.04.2002", "1:00"), OUTSIDE_MARCH, "Fehler"},
        {Vacations("09.03.2002", ""),
         "Am angegebenen Tag kann kein Urlaubstag eingetragen werden,\nweil dieser Tag sowieso arbeitsfrei ist.",
         "Hinweis"},
        {SickDays("29.03.2002", "29.03.2002"),
         "Am angegebenen Tag kann kein Krankheitstag eingetragen werden,\nweil dieser Tag sowieso arbeitsfrei ist.",
         "Hinweis"},
        {Vacations("09.03.2002", "10.03.2002"), "Im angegebenen Zeitraum liegt kein Arbeitstag.", "Hinweis"},
        {SickDays("11.03.2002", "08.03.2002"), "Das Datum unter \"bis:\" liegt vor dem ersten Tag des Zeitraums.",
         "Fehler"},
        // The 14th holds a time entry, then one day of each counted kind.
        {Flexi("14.03.2002"), "Am angegebenen Tag ist bereits ein Gleittag eingetragen.", "Hinweis"},
        {Vacations("14.03.2002", ""), "Am angegebenen Tag ist bereits ein Urlaubstag eingetragen.", "Hinweis"},
        {SickDays("14.03.2002", ""), "Am angegebenen Tag ist bereits ein Krankheitstag eingetragen.", "Hinweis"},
        {Correction("04.03.2002", "abc"), NO_ACCOUNT, "Fehler"},
        {Correction("04.03.2002", "-35791394:01"), NO_ACCOUNT, "Fehler"},
        {Correction("04.03.2002", "99999999999"), NO_ACCOUNT, "Fehler"},
        {Vacations("04.03.2002", "06.03.2002"),
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
    EXPECT_EQ(settings.GDays, 3u);
    EXPECT_EQ(settings.Holidays, 1u);
    // Exactly the remaining days are fine; sick days know no limit.
    EXPECT_TRUE(AcceptVacation(plan, {"04.03.2002", "", ""}));
    EXPECT_EQ(settings.Holidays, 0u);
    EXPECT_TRUE(AcceptSickDays(plan, {"05.03.2002", "08.03.2002", ""}));
    EXPECT_EQ(settings.Sickdays, 4u);
    // Range dates must lie in the period and exist.
    const struct {
        const char *from, *to, *message;
    } ranges[] = {
        {"29.03.2002", "02.04.2002", OUTSIDE_APRIL},
        {"29.04.2002", "31.04.2002", "Das Datum 31.04.2002 ist ungültig."},
    };
    settings.Holidays = 30;
    MonthPlan& april = Open(4, 2002);
    const std::string aprilBefore = Dump();
    for (const auto& c : ranges) {
        EXPECT_FALSE(AcceptVacation(april, {c.from, c.to, ""})) << c.from << "-" << c.to;
        ExpectOnly(c.message);
    }
    EXPECT_EQ(Dump(), aprilBefore);
    EXPECT_EQ(settings.Holidays, 30u);
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
        const std::string before = Dump();
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
        if (count == 0) {
            EXPECT_EQ(Dump(), before);
        }
    }
}

TEST_F(PlanTest, DaysBookedAlreadyAreSkippedAndNotCounted)
{
    MonthPlan& plan = Open(3, 2002);
    settings.Sickdays = 2;
    ASSERT_TRUE(AcceptFlexiDay(plan, {"06.03.2002", ""}));
    ASSERT_TRUE(AcceptVacation(plan, {"07.03.2002", "", ""}));
    Add(8, At(8, 0), At(12, 0));
    AddKind(8, SickDay); // after a time entry
    ASSERT_TRUE(AcceptSickDays(plan, {"05.03.2002", "11.03.2002", "Krankheitstag"}));
    EXPECT_EQ(settings.Sickdays, 2u + 2u); // 5th, 11th
    EXPECT_EQ(Entry(6).Come, TimeCode(FlexiDay));
    EXPECT_EQ(Entry(7).Come, TimeCode(Vacation));
    for (unsigned day : {5u, 11u})
        EXPECT_EQ(Entry(day).Come, TimeCode(SickDay));
    EXPECT_EQ(plan.EntryCount(6) + plan.EntryCount(7) + plan.EntryCount(8), 4u);
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
