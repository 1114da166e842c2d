#include "core/time_entry_form.h"

#include <gtest/gtest.h>

#include "tests/core/plan_world.h"

namespace {

const char* const NEGATIVE_TIMES = "Bitte geben Sie positive Zeiten für Kommen und Gehen ein.";
const char* const TIMES_OUT_OF_RANGE = "Bitte geben Sie gültige Zeiten für Kommen und Gehen ein.";
const char* const NEGATIVE_HOURS = "Bitte geben Sie eine positive Stundenangabe ein.";
const char* const COME_AFTER_GO = "Die Kommen-Zeit muß kleiner sein als die Gehen-Zeit.";
const char* const OUTSIDE_MARCH = "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen.";

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
    TimeEntryFields fields;
    fields.date = date;
    fields.hours = hours;
    fields.come = "08:00"; // ignored in hours mode
    fields.go = "07:00";
    fields.hoursMode = true;
    return fields;
}

class TimeEntryFormTest : public ::testing::Test {
protected:
    PlanWorld world;
    MonthPlan& plan = world.Create(3, 2002, 750);
};

TEST_F(TimeEntryFormTest, NewEntryWithoutSelectionStartsTodayWithLaggedArrival)
{
    world.settings.TimeLag = 15;
    world.clock.Set(9, 3, 2002, 8, 10); // a Saturday
    const TimeEntryFields fields = InitTimeEntry(plan, 0, "");
    EXPECT_EQ(fields.date, "09.03.2002");
    EXPECT_TRUE(fields.dateEnabled);
    EXPECT_EQ(fields.come, "07:55");
    EXPECT_EQ(fields.go, "");
    EXPECT_EQ(fields.hours, "");
    EXPECT_EQ(fields.remark, "");
    EXPECT_TRUE(fields.noSaldo);
    EXPECT_FALSE(fields.hoursMode);
}

TEST_F(TimeEntryFormTest, NewEntryTakesTheWorkDayFlagFromTheSuggestedDate)
{
    struct Case {
        const char* suggested;
        bool noSaldo;
    } cases[] = {{"04.03.2002", false}, {"09.03.2002", true}, {"10.03.2002", true}};
    world.clock.Set(4, 3, 2002); // a Monday: today must not decide
    for (const Case& c : cases) {
        const TimeEntryFields fields = InitTimeEntry(plan, 0, c.suggested);
        EXPECT_EQ(fields.date, c.suggested);
        EXPECT_EQ(fields.noSaldo, c.noSaldo) << c.suggested;
    }
}

TEST_F(TimeEntryFormTest, ExistingEntriesShowTheirValues)
{
    world.settings.TimeLag = 15;
    world.clock.Set(15, 6, 2001, 9, 0);
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("04.03.2002", "08:00", "16:30")));
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Hours("05.03.2002", "2:15")));
    EntryRecord missing = world.Entry(6, 1);
    missing.Come = missing.Go = TimeCode(MissingDay);
    missing.WorkTime = HoursCode(MissingDay);
    std::snprintf(missing.Info, sizeof missing.Info, "Fehltag");
    plan.WriteEntry(6, 1, missing);

    struct Case {
        unsigned key;
        const char *date, *come, *go, *hours, *remark;
        bool hoursMode;
    } cases[] = {
        {EntryKey(4, 1), "04.03.2002", "08:00", "16:30", "8:30", "", false},
        {EntryKey(5, 1), "05.03.2002", "**.**", "**.**", "2:15", "", true},
        // A missing day opens like an empty day.
        {EntryKey(6, 1), "06.03.2002", "08:45", "", "", "", false},
        {EntryKey(7, 1), "07.03.2002", "08:45", "", "", "", false},
    };
    for (const Case& c : cases) {
        const TimeEntryFields fields = InitTimeEntry(plan, c.key, "01.03.2002");
        EXPECT_EQ(fields.date, c.date);
        EXPECT_FALSE(fields.dateEnabled);
        EXPECT_EQ(fields.come, c.come) << c.date;
        EXPECT_EQ(fields.go, c.go) << c.date;
        EXPECT_EQ(fields.hours, c.hours) << c.date;
        EXPECT_EQ(fields.remark, c.remark) << c.date;
        EXPECT_EQ(fields.hoursMode, c.hoursMode) << c.date;
    }
}

TEST_F(TimeEntryFormTest, NowButtonsMoveArrivalEarlierAndDepartureLater)
{
    struct Case {
        unsigned hour, minute;
        int lag;
        const char *arrival, *departure;
    } cases[] = {
        {8, 10, 15, "07:55", "08:25"},  {16, 30, 15, "16:15", "16:45"},
        {0, 5, 15, "00:00", "00:20"}, // the lag never reaches into yesterday
        {23, 50, 15, "23:35", "24:05"}, {12, 0, 0, "12:00", "12:00"},
    };
    for (const Case& c : cases) {
        world.settings.TimeLag = c.lag;
        world.clock.Set(15, 6, 2001, c.hour, c.minute);
        EXPECT_EQ(ArrivalNow(plan), c.arrival);
        EXPECT_EQ(DepartureNow(plan), c.departure);
    }
}

TEST_F(TimeEntryFormTest, RefusedInputTellsTheFirstProblemAndWritesNothing)
{
    struct Case {
        TimeEntryFields fields;
        const char* message;
    } cases[] = {
        {Times("04.03.2002", "-1:00", "16:00"), NEGATIVE_TIMES},
        {Times("04.03.2002", "08:00", "-16:00"), NEGATIVE_TIMES},
        {Times("05.04.2002", "-1:00", "16:00"), NEGATIVE_TIMES}, // times before the date
        {Times("04.03.2002", "546:08", "600:00"), TIMES_OUT_OF_RANGE},
        {Times("04.03.2002", "08:00", "546:07"), TIMES_OUT_OF_RANGE},
        {Hours("04.03.2002", "-2:00"), NEGATIVE_HOURS},
        {Hours("04.03.2002", "U"), NEGATIVE_HOURS}, // a code is no amount of hours
        {Hours("05.04.2002", "-2:00"), NEGATIVE_HOURS},
        {Times("05.04.2002", "08:00", "16:00"), OUTSIDE_MARCH},
        {Times("05.04.2002", "17:00", "08:00"), OUTSIDE_MARCH}, // date before order
        {Times("1.3.02", "08:00", "16:00"), "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen."},
        {Times("0.4.2002", "08:00", "16:00"), "Das Datum 00.04.2002 ist ungültig."},
        {Times("45.03.2002", "17:00", "08:00"), "Das Datum 45.03.2002 ist ungültig."},
        {Times("04.03.2002", "17:00", "08:00"), COME_AFTER_GO},
        {Times("04.03.2002", "U", "08:00"), COME_AFTER_GO},
    };
    const std::string before = world.Dump();
    for (const Case& c : cases) {
        world.prompts.messages.clear();
        EXPECT_FALSE(AcceptTimeEntry(plan, 0, c.fields)) << c.message;
        ASSERT_EQ(world.prompts.messages.size(), 1u) << c.message;
        EXPECT_EQ(world.prompts.last()->text, c.message);
        EXPECT_EQ(world.prompts.last()->title, "Fehler");
        EXPECT_EQ(world.prompts.last()->icon, MessageIcon::Information);
    }
    EXPECT_EQ(world.Dump(), before);
}

TEST_F(TimeEntryFormTest, AcceptedInputIsStoredWithItsComputedValues)
{
    struct Case {
        TimeEntryFields fields;
        TimeValue come, go;
        HoursValue workTime, saldo, account;
    } cases[] = {
        {Times("04.03.2002", "08:00", "16:30"), 480, 990, 510, 24, 774},
        {Times("04.03.2002", "08:00", "08:00"), 480, 480, 0, -456, 294},
        {Times("04.03.2002", "08:00", ""), 480, NO_TIME, NO_HOURS, NO_HOURS, NO_HOURS},
        {Times("04.03.2002", "", "16:00"), TimeCode(EmptyDay), TimeCode(EmptyDay), HoursCode(EmptyDay),
         HoursCode(EmptyDay), HoursCode(EmptyDay)},
        {Hours("04.03.2002", "7:30"), TimeCode(DirectHours), TimeCode(DirectHours), 450, -36, 714},
        {Hours("04.03.2002", ""), TimeCode(DirectHours), TimeCode(DirectHours), 0, -456, 294},
        // A code letter books a whole day of its kind.
        {Times("04.03.2002", "U", ""), TimeCode(Vacation), TimeCode(Vacation), HoursCode(Vacation), 0, 750},
    };
    for (const Case& c : cases) {
        PlanWorld fresh;
        MonthPlan& p = fresh.Create(3, 2002, 750);
        ASSERT_TRUE(AcceptTimeEntry(p, 0, c.fields)) << c.fields.come;
        EXPECT_TRUE(fresh.prompts.messages.empty());
        const EntryRecord e = fresh.Entry(4, 1);
        EXPECT_EQ(e.Come, c.come) << c.fields.come;
        EXPECT_EQ(e.Go, c.go) << c.fields.come;
        EXPECT_EQ(e.WorkTime, c.workTime) << c.fields.come;
        EXPECT_EQ(e.Saldo, c.saldo) << c.fields.come;
        EXPECT_EQ(e.Account, c.account) << c.fields.come;
        EXPECT_EQ(p.EntryCount(4), 1u);
    }
}

TEST_F(TimeEntryFormTest, NewEntriesFollowTheDaysEntriesAndEditsStayInPlace)
{
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("04.03.2002", "08:00", "12:00")));
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("04.03.2002", "12:30", "16:30")));
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, Times("05.03.2002", "08:00", "16:30")));
    EXPECT_EQ(plan.EntryCount(4), 2u);
    EXPECT_EQ(world.Entry(4, 2).Saldo, 480 - 30 - 456);
    EXPECT_EQ(world.Entry(5, 1).Account, 750 - 6 + 24);

    // The edit keeps the entry's date whatever the date text says, and the
    // following days are recomputed.
    TimeEntryFields edit = Times("20.03.2002", "12:30", "17:30");
    edit.remark = "länger";
    ASSERT_TRUE(AcceptTimeEntry(plan, EntryKey(4, 2), edit));
    EXPECT_EQ(plan.EntryCount(4), 2u);
    EXPECT_EQ(plan.EntryCount(20), 1u);
    const EntryRecord changed = world.Entry(4, 2);
    EXPECT_EQ(changed.Go, 1050);
    EXPECT_STREQ(changed.Info, "l\xE4nger");
    EXPECT_EQ(world.Entry(5, 1).Account, 750 + 54 + 24);

    // A key whose entry is gone is stored as a new entry of the typed date.
    ASSERT_TRUE(AcceptTimeEntry(plan, EntryKey(12, 3), Times("12.03.2002", "08:00", "09:00")));
    EXPECT_EQ(plan.EntryCount(12), 1u);
    EXPECT_EQ(world.Entry(12, 1).Come, 480);
}

TEST_F(TimeEntryFormTest, CheckBoxAndLongRemarkAreStored)
{
    TimeEntryFields fields = Times("04.03.2002", "08:00", "16:30");
    fields.noSaldo = true;
    fields.remark = std::string(300, 'x');
    ASSERT_TRUE(AcceptTimeEntry(plan, 0, fields));
    const EntryRecord e = world.Entry(4, 1);
    EXPECT_EQ(e.NoSaldo, 1);
    EXPECT_EQ(e.Saldo, 510); // no regular working time: the hours are the balance
    EXPECT_EQ(std::string(e.Info), std::string(255, 'x'));
}

TEST_F(TimeEntryFormTest, StartDayPeriodAcceptsTheFollowingMonthsDays)
{
    PlanWorld world15;
    world15.settings.StartDay = 15;
    MonthPlan& p = world15.Create(3, 2002);
    EXPECT_TRUE(AcceptTimeEntry(p, 0, Times("14.04.2002", "08:00", "16:00")));
    EXPECT_EQ(world15.Entry(14, 1).Come, 480);
    EXPECT_FALSE(AcceptTimeEntry(p, 0, Times("15.04.2002", "08:00", "16:00")));
    EXPECT_EQ(world15.prompts.last()->text, "Das Datum muß zwischen 15.03.2002 und 14.04.2002 liegen.");
}

} // namespace
