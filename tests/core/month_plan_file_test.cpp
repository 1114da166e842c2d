// The month plan file: names, periods, reading and writing entries.
#include "tests/core/plan_fixture.h"

#include <algorithm>
#include <cstring>

// The usual names are checked by the tests that open plans.
TEST(MonthPlanFileName, NamesAndSeparators)
{
    struct Case {
        const char* dir;
        unsigned startDay, month, year;
        const char* expected;
    } cases[] = {
        {"/zeit", 1, 3, 2002, "/zeit/032002.SW"},
        {"", 1, 3, 2002, "032002.SW"},
        // Out-of-range first billing days count as the 1st.
        {"/zeit/", 0, 3, 2002, "/zeit/032002.SW"},
        {"/zeit/", 32, 3, 2002, "/zeit/032002.SW"},
    };
    for (const Case& c : cases) {
        Settings s;
        std::snprintf(s.WorkingDir, sizeof s.WorkingDir, "%s", c.dir);
        s.StartDay = c.startDay;
        std::string expected = c.expected;
#ifdef _WIN32
        std::replace(expected.begin(), expected.end(), '/', '\\');
        std::replace(s.WorkingDir, s.WorkingDir + std::strlen(s.WorkingDir), '/', '\\');
#endif
        EXPECT_EQ(MonthPlanFileName(s, c.month, c.year), expected) << c.dir << " " << c.startDay;
    }
}

TEST(PeriodDays, OrderAndRanges)
{
    auto list = [](const PeriodDays& days) { return std::vector<unsigned>(days.begin(), days.end()); };
    std::vector<unsigned> all15 = list(PeriodDays::All(15));
    ASSERT_EQ(all15.size(), 31u);
    EXPECT_EQ(all15[16], 31u);
    EXPECT_EQ(all15[17], 1u);
    EXPECT_EQ(list(PeriodDays::All(0)).front(), 1u);
    EXPECT_EQ(list(PeriodDays::From(15, 3)), (std::vector<unsigned>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_TRUE(list(PeriodDays::From(1, 0)).empty());
    EXPECT_TRUE(list(PeriodDays::From(1, 32)).empty());
    EXPECT_EQ(list(PeriodDays::Before(1, 10)), (std::vector<unsigned>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(list(PeriodDays::Before(15, 16)), (std::vector<unsigned>{15}));
    EXPECT_EQ(list(PeriodDays::Before(15, 2)).size(), 18u); // 15..31, 1
    EXPECT_TRUE(list(PeriodDays::Before(15, 15)).empty());
    EXPECT_TRUE(list(PeriodDays::Before(1, 99)).empty());
}

TEST_F(PlanTest, ReadEntryDefaultsForDamagedSections)
{
    MonthPlan& plan = Open(3, 2002);
    const char* file = plan.path().c_str();
    engine.WriteString("9/1", "WorkTime", "", file);
    engine.DeleteKey("9/1", "Info", file);
    engine.DeleteKey("9/1", "NoSaldo", file);
    engine.DeleteKey("11/1", "NoSaldo", file);
    engine.WriteString("9/2", "Day", "6", file); // a Saturday entry with nothing else
    EntryRecord e = Entry(9, 1);
    EXPECT_EQ(e.WorkTime, NO_HOURS);
    EXPECT_STREQ(e.Info, "");
    EXPECT_EQ(e.NoSaldo, 1);         // 9 March 2002 is a Saturday
    EXPECT_EQ(Entry(11).NoSaldo, 0); // a Monday counts
    e = Entry(9, 2);
    EXPECT_EQ(e.Come, NO_TIME);
    EXPECT_EQ(e.Saldo, NO_HOURS);
    EXPECT_EQ(e.NoSaldo, 1);
    EXPECT_EQ(plan.ReadEntry(9, 3, e), 0);
}

// Hours values read as C's strtol reads them, wrapped to 32 bits, whether
// or not the text has the form the program writes.
TEST_F(PlanTest, ReadEntryReadsHoursAsStrtol)
{
    MonthPlan& plan = Open(3, 2002);
    const struct {
        const char* text;
        HoursValue value;
    } cases[] = {
        {"510", 510},  {"-2147483645", -2147483645}, {"4294967295", -1},
        {"12abc", 12}, {"99999999999", 1215752191},  {"9223372036854775808", -1}, // strtoll saturates
    };
    for (const auto& c : cases) {
        engine.WriteString("4/1", "Saldo", c.text, plan.path().c_str());
        EXPECT_EQ(Entry(4).Saldo, c.value) << c.text;
    }
}

// The free slot a new entry takes is checked by every test that adds one.
TEST_F(PlanTest, WriteEntryRefusesBadDaysAndNormalisesDayOffCodes)
{
    MonthPlan& plan = Open(3, 2002);
    // A record for a day outside 1..31 is refused, not written anywhere.
    EntryRecord bad;
    bad.day = 40;
    bad.Come = 480;
    EXPECT_EQ(plan.WriteEntry(0, 0, bad), 0);
    EntryRecord e = Entry(6);
    e.Come = TimeCode(Vacation);
    e.Go = 480;
    plan.WriteEntry(6, 1, e);
    EXPECT_EQ(Entry(6).Go, TimeCode(Vacation));
}
