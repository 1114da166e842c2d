// Creating and opening periods, the carry-over and the weekday rewrite.
#include "tests/core/plan_fixture.h"

namespace {
void WriteClosingPlan(ProfileStore& store, const std::string& file, const char* opening, const char* lastAccount)
{
    store.WriteString("MAIN", "Account", opening, file.c_str());
    store.WriteString("MAIN", "Month", "2", file.c_str());
    store.WriteString("MAIN", "Year", "2002", file.c_str());
    if (lastAccount) {
        store.WriteString("27/1", "Account", lastAccount, file.c_str());
        store.WriteString("28/1", "Account", "-2147483645", file.c_str());
    }
}
} // namespace

TEST_F(PlanTest, NewPeriodFirstEntries)
{
    MonthPlan& plan = Open(3, 2002);
    EXPECT_EQ(plan.PlanMonth(), 3u);
    for (unsigned day = 1; day <= 31; ++day)
        EXPECT_EQ(plan.EntryCount(day), 1u) << day;
    const struct {
        unsigned day;
        EntryKind kind;
        const char* info;
        int noSaldo;
    } cases[] = {
        {29, PublicHoliday, "Karfreitag", 1},
        {31, EmptyDay, "Ostersonntag", 1},
        {28, EmptyDay, "Gründonnerstag", 0},
        {4, EmptyDay, "", 0},
        {2, EmptyDay, "", 1},
        {31 - 0, EmptyDay, "Ostersonntag", 1},
    };
    for (const auto& c : cases) {
        const EntryRecord e = Entry(plan, c.day, 1);
        EXPECT_EQ(e.Come, TimeCode(c.kind)) << c.day;
        EXPECT_STREQ(e.Info, c.info) << c.day;
        EXPECT_EQ(e.NoSaldo, c.noSaldo) << c.day;
    }
    EXPECT_EQ(Entry(plan, 29, 1).Saldo, 0);
    EXPECT_EQ(Entry(plan, 29, 1).Account, 0);
    EXPECT_EQ(ViewOf(plan).rows.size(), 31u);
}

TEST_F(PlanTest, NewPeriodOnlyHasDaysThatExist)
{
    MonthPlan& plan = Open(2, 2003);
    for (unsigned day = 1; day <= 28; ++day)
        EXPECT_EQ(plan.EntryCount(day), 1u);
    for (unsigned day = 29; day <= 31; ++day)
        EXPECT_EQ(plan.EntryCount(day), 0u);
    settings.StartDay = 15;
    MonthPlan& december = Open(12, 2002);
    EXPECT_EQ(december.path().substr(december.path().size() - 12), "122002_15.SW");
    EXPECT_EQ(Entry(december, 1, 1).Come, TimeCode(PublicHoliday));
    EXPECT_STREQ(Entry(december, 1, 1).Info, "Neujahr");
    EXPECT_STREQ(Entry(december, 25, 1).Info, "1. Weihnachtstag");
    EXPECT_EQ(december.EntryCount(31), 1u);
}

TEST_F(PlanTest, CarryOverFromThePreviousPeriod)
{
    WriteClosingPlan(engine, MonthPlanFileName(settings, 2, 2002), "0", "750");
    EXPECT_EQ(frame.OpenMonthPlan(3, 2002, true, true), 1);
    ASSERT_EQ(Told().size(), 1u);
    EXPECT_EQ(Told()[0].text, "Der Zeitkontostand von Februar 2002 wurde übernommen.");
    EXPECT_EQ(Entry(LastPlan(), 1, 1).Account, -2147483645);
    char account[32];
    engine.ReadString("MAIN", "Account", "", account, sizeof account, LastPlan().path().c_str());
    EXPECT_STREQ(account, "750");
}

TEST_F(PlanTest, CarryOverCases)
{
    const struct {
        const char* name;
        const char* opening;     // previous plan's MAIN/Account, nullptr: no previous plan
        const char* lastAccount; // its last entry account
        bool isExtern;
        bool ask;
        HoursValue expected;
        std::size_t questions;
    } cases[] = {
        {"previous closing account", "0", "750", false, false, 750, 0},
        {"opening account when no entry has one", "120", nullptr, false, false, 120, 0},
        {"open entry: not readable, silent", "0", "2147483647", false, false, 0, 0},
        {"no previous plan, silent", nullptr, nullptr, false, false, 0, 0},
        {"external employee: only the creation question", "0", "750", true, true, 0, 1},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s/", dir.path().string().c_str());
        settings.Extern = c.isExtern;
        prompts.messages.clear();
        if (c.opening)
            WriteClosingPlan(engine, MonthPlanFileName(settings, 2, 2002), c.opening, c.lastAccount);
        frame.OpenMonthPlan(3, 2002, false, c.ask);
        char account[32];
        engine.ReadString("MAIN", "Account", "", account, sizeof account, MonthPlanFileName(settings, 3, 2002).c_str());
        EXPECT_EQ(std::atoi(account), c.expected) << c.name;
        EXPECT_EQ(Asked().size(), c.questions) << c.name;
    }
}

TEST_F(PlanTest, CarryOverAsksForAnotherMonthUntilOneIsReadable)
{
    WriteClosingPlan(engine, MonthPlanFileName(settings, 11, 2001), "0", "300");
    engine.WriteString("MAIN", "Month", "11", MonthPlanFileName(settings, 11, 2001).c_str());
    prompts.months = {{0, 0}, {11, 2001}};
    prompts.answers = {true, true}; // create the plan; take another month
    EXPECT_EQ(frame.OpenMonthPlan(3, 2002, false, true), 1);
    ASSERT_EQ(Asked().size(), 3u);
    EXPECT_EQ(Asked()[0].text,
              "Der Monatsplan für März 2002 existiert noch nicht.\n\nSoll ein neuer Monatsplan angelegt werden?");
    EXPECT_EQ(Asked()[2].title, "Hinweis"); // the cancelled month dialog
    char account[32];
    engine.ReadString("MAIN", "Account", "", account, sizeof account, LastPlan().path().c_str());
    EXPECT_STREQ(account, "300");
}

TEST_F(PlanTest, CarryOverGivenUpStartsAtZero)
{
    prompts.answers = {true, false};
    frame.OpenMonthPlan(3, 2002, false, true);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_TRUE(Told().empty());
    prompts.answers = {true, true, false};
    frame.OpenMonthPlan(4, 2003, true, true);
    ASSERT_EQ(Told().size(), 1u);
    EXPECT_EQ(Told()[0].text,
              "Es konnte kein Zeitkontostand übernommen werden.\n\nGeben Sie den Kontostand bei Bedarf manuell ein.");
}

TEST_F(PlanTest, OpenDecisionTable)
{
    Open(3, 2002);
    const struct {
        bool create, ask;
        bool answer;
        std::size_t windows, questions;
    } cases[] = {
        {true, true, false, 0, 1}, // exists: "Soll der Monatsplan geöffnet werden?" No
        {true, true, true, 1, 1},  {true, false, true, 1, 0}, {false, true, true, 1, 0}, {false, false, true, 1, 0},
    };
    for (const auto& c : cases) {
        const std::size_t before = shell.windows.size();
        prompts.messages.clear();
        prompts.answers = {c.answer};
        EXPECT_EQ(frame.OpenMonthPlan(3, 2002, c.create, c.ask), 1);
        EXPECT_EQ(shell.windows.size() - before, c.windows);
        EXPECT_EQ(Asked().size(), c.questions);
    }
    prompts.messages.clear();
    prompts.answers = {false};
    EXPECT_EQ(frame.OpenMonthPlan(7, 2002, false, true), 1); // declined: nothing created
    EXPECT_EQ(ReadBytes(MonthPlanFileName(settings, 7, 2002)), "<missing>");
}

TEST_F(PlanTest, CreationFailureIsReported)
{
    std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s", folder.File("a/b/c/").c_str());
    const std::size_t before = shell.windows.size();
    EXPECT_EQ(frame.OpenMonthPlan(3, 2002, false, false), 0);
    ASSERT_EQ(Told().size(), 1u);
    EXPECT_EQ(Told()[0].text, "Die Datei für den Monatsplan kann nicht angelegt werden.");
    EXPECT_EQ(Told()[0].title, "Frage");
    EXPECT_EQ(shell.windows.size(), before);
    EXPECT_FALSE(frame.creating());
}

TEST_F(PlanTest, OpenModeMaximisesTheFirstWindow)
{
    engine.WriteString("Custom", "OpenMode", "1", settings.SettingsPath);
    Open(3, 2002);
    Open(4, 2002);
    EXPECT_TRUE(shell.windows[0].maximised);
    EXPECT_FALSE(shell.windows[1].maximised);
}

TEST_F(PlanTest, RetakeCarryOverAsksAndRecomputes)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 990);
    WriteClosingPlan(engine, MonthPlanFileName(settings, 2, 2002), "0", "600");
    prompts.answers = {false};
    plan.RetakeCarryOver();
    EXPECT_EQ(Entry(plan, 4, 1).Account, 24);
    plan.RetakeCarryOver();
    EXPECT_EQ(Entry(plan, 4, 1).Account, 624);
    settings.Extern = 1;
    prompts.messages.clear();
    prompts.answers = {false};
    plan.RetakeCarryOver();
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_NE(Asked()[0].text.find("externer Mitarbeiter"), std::string::npos);
}

TEST_F(PlanTest, RecomputeWeekdaysRenewsRemarksAndMissingDays)
{
    settings.StartDay = 15;
    MonthPlan& plan = Open(12, 2002);
    const char* file = plan.path().c_str();
    engine.WriteString("1/1", "Info", "überschrieben", file);
    engine.WriteString("1/1", "Day", "3", file);
    engine.WriteString("16/1", "Come", "32773", file);
    engine.WriteString("16/1", "Go", "32773", file);
    engine.WriteString("16/1", "Info", "Fehltag", file);
    plan.RecomputeWeekdays();
    EXPECT_STREQ(Entry(plan, 1, 1).Info, "Neujahr");
    EXPECT_EQ(Entry(plan, 1, 1).weekday, 3);
    EXPECT_EQ(Entry(plan, 16, 1).Come, TimeCode(EmptyDay));
    EXPECT_STREQ(Entry(plan, 16, 1).Info, "");
    EXPECT_STREQ(Entry(plan, 24, 1).Info, "Heiligabend");
}
