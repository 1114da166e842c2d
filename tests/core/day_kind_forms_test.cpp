#include "core/day_kind_forms.h"

#include <set>

#include <gtest/gtest.h>

#include "core/time_entry_form.h"
#include "tests/core/plan_world.h"

namespace {

const char* const FREE_ANYWAY =
    "Am angegebenen Tag kann kein Gleittag eingetragen werden,\nweil dieser Tag sowieso arbeitsfrei ist.";
const char* const OUTSIDE_MARCH = "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen.";

// March 2002: the 1st is a Friday, the 29th Good Friday (a holiday placeholder).
class DayKindFormsTest : public ::testing::Test {
protected:
    PlanWorld world;
    MonthPlan& plan = world.Create(3, 2002, 750);

    void Work(const char* date, const char* come, const char* go)
    {
        TimeEntryFields fields;
        fields.date = date;
        fields.come = come;
        fields.go = go;
        ASSERT_TRUE(AcceptTimeEntry(plan, 0, fields));
    }
};

TEST_F(DayKindFormsTest, DatesStartWithTheSuggestionOrToday)
{
    world.clock.Set(7, 3, 2002);
    EXPECT_EQ(InitDayEntry(plan, "").date, "07.03.2002");
    EXPECT_EQ(InitDayEntry(plan, "12.03.2002").date, "12.03.2002");
    EXPECT_EQ(InitDayEntry(plan, "12.03.2002 and more text").date, "12.03.2002 and ");
    const DayRangeFields vacation = InitVacation(plan, "12.03.2002");
    EXPECT_EQ(vacation.from, "12.03.2002");
    EXPECT_EQ(vacation.to, "12.03.2002");
    EXPECT_EQ(vacation.remark, "");
    const DayRangeFields sick = InitSickDays(plan, "");
    EXPECT_EQ(sick.to, "07.03.2002");
    EXPECT_EQ(sick.remark, "Krankheitstag");
    const AccountCorrectionFields account = InitAccountCorrection(plan, "");
    EXPECT_EQ(account.date, "07.03.2002");
    EXPECT_EQ(account.account, "");
}

TEST_F(DayKindFormsTest, FlexiDayIsRefusedOnDaysThatAreFreeAnyway)
{
    ASSERT_TRUE(AcceptVacation(plan, {"12.03.2002", "", ""}));
    world.settings.GDays = 3;
    struct Case {
        const char* date;
        const char* message;
        const char* title;
    } cases[] = {
        {"09.03.2002", FREE_ANYWAY, "Hinweis"}, // Saturday
        {"29.03.2002", FREE_ANYWAY, "Hinweis"}, // Good Friday
        {"12.03.2002", FREE_ANYWAY, "Hinweis"}, // vacation already
        {"05.04.2002", OUTSIDE_MARCH, "Fehler"},
        // Another month's date is refused as such, even where this plan's day
        // of the same number is free.
        {"31.02.2002", OUTSIDE_MARCH, "Fehler"},
        {"10.04.2002", OUTSIDE_MARCH, "Fehler"},
    };
    const std::string before = world.Dump();
    for (const Case& c : cases) {
        world.prompts.messages.clear();
        EXPECT_FALSE(AcceptFlexiDay(plan, {c.date, "frei"})) << c.date;
        ASSERT_EQ(world.prompts.messages.size(), 1u) << c.date;
        EXPECT_EQ(world.prompts.last()->text, c.message);
        EXPECT_EQ(world.prompts.last()->title, c.title);
    }
    EXPECT_EQ(world.Dump(), before);
    EXPECT_EQ(world.settings.GDays, 3u);
}

TEST_F(DayKindFormsTest, FlexiDayConsumesARegularDayFromTheAccount)
{
    Work("05.03.2002", "08:00", "16:30");
    ASSERT_TRUE(AcceptFlexiDay(plan, {"04.03.2002", "Brückentag"}));
    EXPECT_TRUE(world.prompts.messages.empty());
    EXPECT_EQ(world.settings.GDays, 1u);
    const EntryRecord flexi = world.Entry(4, 1);
    EXPECT_EQ(flexi.Come, TimeCode(FlexiDay));
    EXPECT_EQ(flexi.Go, TimeCode(FlexiDay));
    EXPECT_EQ(flexi.WorkTime, HoursCode(FlexiDay));
    EXPECT_EQ(flexi.Saldo, -456);
    EXPECT_EQ(flexi.Account, 750 - 456);
    EXPECT_EQ(flexi.weekday, 1);
    EXPECT_STREQ(flexi.Info, "Br\xFC"
                             "ckentag");
    EXPECT_EQ(world.Entry(5, 1).Account, 750 - 456 + 24);
}

TEST_F(DayKindFormsTest, HolidayIsBookedEvenOnAFreeDay)
{
    for (const char* date : {"04.03.2002", "09.03.2002"}) {
        world.prompts.messages.clear();
        EXPECT_TRUE(AcceptHolidayEntry(plan, {date, "Betriebsfeier"}));
        EXPECT_TRUE(world.prompts.messages.empty());
    }
    for (unsigned day : {4u, 9u}) {
        const EntryRecord holiday = world.Entry(day, 1);
        EXPECT_EQ(holiday.Come, TimeCode(PublicHoliday));
        EXPECT_EQ(holiday.WorkTime, HoursCode(PublicHoliday));
        EXPECT_EQ(holiday.Saldo, 0);
        EXPECT_EQ(holiday.NoSaldo, 1);
        EXPECT_EQ(holiday.Account, 750);
    }
    EXPECT_FALSE(AcceptHolidayEntry(plan, {"01.04.2002", ""}));
    EXPECT_EQ(world.prompts.last()->text, OUTSIDE_MARCH);
}

TEST_F(DayKindFormsTest, VacationBooksTheWorkDaysOfTheRange)
{
    struct Case {
        const char *from, *to;
        std::set<unsigned> booked;
    } cases[] = {
        {"08.03.2002", "11.03.2002", {8, 11}}, // Friday to Monday
        {"08.03.2002", "", {8}},
        {"11.03.2002", "08.03.2002", {}},       // from after to
        {"27.03.2002", "29.03.2002", {27, 28}}, // Good Friday is a holiday
        {"01.03.2002", "31.03.2002", {1, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 25, 26, 27, 28}},
    };
    for (const Case& c : cases) {
        PlanWorld fresh;
        MonthPlan& p = fresh.Create(3, 2002, 750);
        const std::string before = fresh.Dump();
        ASSERT_TRUE(AcceptVacation(p, {c.from, c.to, "Urlaub"})) << c.from;
        EXPECT_TRUE(fresh.prompts.messages.empty()) << c.from;
        EXPECT_EQ(fresh.settings.Holidays, 30u - c.booked.size()) << c.from;
        for (unsigned day = 1; day <= 31; ++day) {
            const EntryRecord e = fresh.Entry(day, 1);
            EXPECT_EQ(e.Come == TimeCode(Vacation), c.booked.count(day) == 1) << c.from << " day " << day;
            EXPECT_EQ(p.EntryCount(day), 1u);
        }
        if (c.booked.empty()) {
            EXPECT_EQ(fresh.Dump(), before);
        }
    }
}

TEST_F(DayKindFormsTest, VacationEntriesCarryTheirKindsValues)
{
    ASSERT_TRUE(AcceptVacation(plan, {"04.03.2002", "04.03.2002", "Sommer"}));
    const EntryRecord e = world.Entry(4, 1);
    EXPECT_EQ(e.Come, TimeCode(Vacation));
    EXPECT_EQ(e.Go, TimeCode(Vacation));
    EXPECT_EQ(e.WorkTime, HoursCode(Vacation));
    EXPECT_EQ(e.Saldo, 0);
    EXPECT_EQ(e.NoSaldo, 1);
    EXPECT_EQ(e.Account, 750);
    EXPECT_EQ(e.weekday, 1);
    EXPECT_STREQ(e.Info, "Sommer");
}

TEST_F(DayKindFormsTest, RangesOverAMonthEndWalkOnlyExistingDays)
{
    struct Case {
        const char *from, *to;
        std::set<unsigned> booked;
    } cases[] = {
        {"28.02.2002", "02.03.2002", {28, 1}},
        {"27.02.2002", "04.03.2002", {27, 28, 1, 4}},
        {"15.02.2002", "14.03.2002", {15, 18, 19, 20, 21, 22, 25, 26, 27, 28, 1, 4, 5, 6, 7, 8, 11, 12, 13, 14}},
    };
    for (const Case& c : cases) {
        PlanWorld fresh;
        fresh.settings.StartDay = 15;
        MonthPlan& p = fresh.Create(2, 2002);
        ASSERT_TRUE(AcceptSickDays(p, {c.from, c.to, "Grippe"})) << c.from;
        EXPECT_EQ(fresh.settings.Sickdays, c.booked.size()) << c.from;
        for (unsigned day = 1; day <= 31; ++day) {
            EntryRecord e;
            const bool exists = p.ReadEntry(day, 1, e);
            EXPECT_EQ(exists && e.Come == TimeCode(SickDay), c.booked.count(day) == 1) << c.from << " day " << day;
        }
        EXPECT_FALSE(fresh.HasSection("29/1"));
        EXPECT_FALSE(fresh.HasSection("30/1"));
        EXPECT_FALSE(fresh.HasSection("31/1"));
    }
}

TEST_F(DayKindFormsTest, DaysBookedAlreadyAreSkippedAndNotCounted)
{
    world.settings.Sickdays = 2;
    ASSERT_TRUE(AcceptFlexiDay(plan, {"06.03.2002", ""}));
    ASSERT_TRUE(AcceptVacation(plan, {"07.03.2002", "", ""}));
    ASSERT_TRUE(AcceptSickDays(plan, {"05.03.2002", "11.03.2002", "Krankheitstag"}));
    EXPECT_EQ(world.settings.Sickdays, 2u + 3u); // 5th, 8th, 11th
    EXPECT_EQ(world.Entry(6, 1).Come, TimeCode(FlexiDay));
    EXPECT_EQ(world.Entry(7, 1).Come, TimeCode(Vacation));
    EXPECT_EQ(plan.EntryCount(6), 1u);
    EXPECT_EQ(plan.EntryCount(7), 1u);
    for (unsigned day : {5u, 8u, 11u})
        EXPECT_EQ(world.Entry(day, 1).Come, TimeCode(SickDay));
}

TEST_F(DayKindFormsTest, VacationBeyondTheRemainingDaysIsRefused)
{
    world.settings.Holidays = 1;
    const std::string before = world.Dump();
    EXPECT_FALSE(AcceptVacation(plan, {"04.03.2002", "06.03.2002", ""}));
    ASSERT_EQ(world.prompts.messages.size(), 1u);
    EXPECT_EQ(world.prompts.last()->text,
              "Sie haben noch 1 Urlaubstage zur Verf\xFCgung,\nben\xF6tigen f\xFCr den angegebenen Zeitraum aber 3 "
              "Tage.\n\nPr\xFC"
              "fen Sie ggf. die Einstellung der Urlaubstage.");
    EXPECT_EQ(world.prompts.last()->title, "Hinweis");
    EXPECT_EQ(world.settings.Holidays, 1u);
    EXPECT_EQ(world.Dump(), before);

    // Exactly the remaining days are fine; sick days know no limit.
    EXPECT_TRUE(AcceptVacation(plan, {"04.03.2002", "", ""}));
    EXPECT_EQ(world.settings.Holidays, 0u);
    EXPECT_TRUE(AcceptSickDays(plan, {"05.03.2002", "08.03.2002", ""}));
    EXPECT_EQ(world.settings.Sickdays, 4u);
}

TEST_F(DayKindFormsTest, RangeDatesMustLieInThePeriodAndExist)
{
    PlanWorld april;
    MonthPlan& p = april.Create(4, 2002);
    struct Case {
        const char *from, *to, *message;
    } cases[] = {
        {"29.03.2002", "02.04.2002", "Das Datum muß zwischen 01.04.2002 und 30.04.2002 liegen."},
        {"29.04.2002", "02.05.2002", "Das Datum muß zwischen 01.04.2002 und 30.04.2002 liegen."},
        {"31.04.2002", "", "Das Datum 31.04.2002 ist ungültig."},
        {"29.04.2002", "31.04.2002", "Das Datum 31.04.2002 ist ungültig."},
    };
    const std::string before = april.Dump();
    for (const Case& c : cases) {
        april.prompts.messages.clear();
        EXPECT_FALSE(AcceptVacation(p, {c.from, c.to, ""})) << c.from << "-" << c.to;
        ASSERT_EQ(april.prompts.messages.size(), 1u);
        EXPECT_EQ(april.prompts.last()->text, c.message);
        EXPECT_EQ(april.prompts.last()->title, "Fehler");
    }
    EXPECT_EQ(april.Dump(), before);
    EXPECT_EQ(april.settings.Holidays, 30u);
}

TEST_F(DayKindFormsTest, VacationOverAMissingDayCorrectsTheLaterAccounts)
{
    plan.FillMissingDays(5); // the 1st and the 4th become missing days
    Work("06.03.2002", "08:00", "16:30");
    ASSERT_EQ(world.Entry(6, 1).Account, 750 - 2 * 456 + 24);
    ASSERT_TRUE(AcceptVacation(plan, {"04.03.2002", "", ""}));
    EXPECT_EQ(world.Entry(4, 1).Come, TimeCode(Vacation));
    EXPECT_EQ(world.Entry(6, 1).Account, 750 - 456 + 24);
}

TEST_F(DayKindFormsTest, AccountCorrectionRestartsTheAccount)
{
    Work("05.03.2002", "08:00", "16:00");
    ASSERT_TRUE(AcceptAccountCorrection(plan, {"04.03.2002", "100:00", "Jahresabschluss"}));
    const EntryRecord correction = world.Entry(4, 1);
    EXPECT_EQ(correction.Come, TimeCode(AccountCorrection));
    EXPECT_EQ(correction.WorkTime, HoursCode(AccountCorrection));
    EXPECT_EQ(correction.Saldo, HoursCode(AccountCorrection));
    EXPECT_EQ(correction.Account, 6000);
    EXPECT_EQ(correction.NoSaldo, 0);
    EXPECT_EQ(world.Entry(5, 1).Account, 6000 + 480 - 30 - 456);

    EXPECT_FALSE(AcceptAccountCorrection(plan, {"01.04.2002", "1:00", ""}));
    EXPECT_EQ(world.prompts.last()->text, OUTSIDE_MARCH);
}

} // namespace
