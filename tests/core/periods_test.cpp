// Creating and opening periods, the carry-over and the weekday rewrite.
#include "tests/core/plan_fixture.h"

#include <tuple>

// The period from 15 December 2002 holds a row for each day, with the day's
// kind, remark, date and whether it has a balance.
TEST_F(PlanTest, NewPeriodEntries)
{
    MonthPlan& february = Open(2, 2003);
    for (unsigned day = 1; day <= 31; ++day)
        EXPECT_EQ(february.EntryCount(day), day <= 28 ? 1u : 0u) << day;
    settings.StartDay = 15;
    MonthPlan& december = Open(12, 2002);
    EXPECT_EQ(december.path().substr(december.path().size() - 12), "122002_15.SW");
    EXPECT_EQ(View().rows.size(), 31u);
    const struct {
        unsigned day, month, year;
        int weekday;
        EntryKind kind;
        const char* info;
        int noSaldo;
    } cases[] = {
        {15, 12, 2002, 0, EmptyDay, "3. Advent", 1},
        {25, 12, 2002, 3, PublicHoliday, "1. Weihnachtstag", 1},
        {31, 12, 2002, 2, EmptyDay, "Silvester", 0},
        {1, 1, 2003, 3, PublicHoliday, "Neujahr", 1},
        {4, 1, 2003, 6, EmptyDay, "", 1},
        {14, 1, 2003, 2, EmptyDay, "", 0},
    };
    for (const auto& c : cases) {
        const EntryRecord e = Entry(c.day);
        EXPECT_EQ(std::make_tuple(e.month, e.year, e.weekday), std::make_tuple(c.month, c.year, c.weekday)) << c.day;
        EXPECT_EQ(e.Come, TimeCode(c.kind)) << c.day;
        EXPECT_STREQ(e.Info, c.info) << c.day;
        EXPECT_EQ(e.NoSaldo, c.noSaldo) << c.day;
    }
    EXPECT_EQ(Entry(25).Saldo, 0);
}

// January takes over from December of the year before.
TEST_F(PlanTest, CarryOverCases)
{
    const char* const startsAtZero =
        "Es konnte kein Zeitkontostand übernommen werden: Der Monatsplan für Dezember 2002 fehlt oder hat keinen "
        "abgeschlossenen Kontostand.\n\nDer Kontostand beginnt mit 0:00. Geben Sie ihn bei Bedarf manuell ein.";
    const struct {
        const char* name;
        const char* opening;     // previous plan's MAIN/Account, nullptr: no previous plan
        const char* lastAccount; // its last entry account
        bool isExtern, create, ask;
        const char* account;
        std::size_t questions;
        const char* told;
    } cases[] = {
        {"previous closing account", "0", "750", false, true, true, "750", 0,
         "Der Zeitkontostand von Dezember 2002 wurde übernommen."},
        {"opening account when no entry has one", "120", nullptr, false, false, false, "120", 0, nullptr},
        {"open entry: not readable, told", "0", "2147483647", false, false, false, "0", 0, startsAtZero},
        {"no previous plan, told", nullptr, nullptr, false, false, false, "0", 0, startsAtZero},
        {"external employee: only the creation question", "0", "750", true, false, true, "0", 1, nullptr},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s/", dir.path().string().c_str());
        settings.Extern = c.isExtern;
        prompts.messages.clear();
        if (c.opening)
            WriteClosedPlan(12, 2002, c.opening, c.lastAccount);
        EXPECT_EQ(frame.OpenMonthPlan(1, 2003, c.create, c.ask), 1);
        EXPECT_EQ(MainAccount(MonthPlanFileName(settings, 1, 2003)), c.account) << c.name;
        EXPECT_EQ(Texts(Kind::Ask).size(), c.questions) << c.name;
        EXPECT_EQ(Texts(), c.told ? std::vector<std::string>{c.told} : std::vector<std::string>{}) << c.name;
    }
}

TEST_F(PlanTest, CarryOverAsksForAnotherMonthUntilOneIsReadable)
{
    WriteClosedPlan(11, 2001, "0", "300");
    prompts.months = {{0, 0}, {11, 2001}};
    prompts.answers = {true, true}; // create the plan; take another month
    EXPECT_EQ(frame.OpenMonthPlan(3, 2002, false, true), 1);
    ASSERT_EQ(Texts(Kind::Ask).size(), 3u);
    EXPECT_EQ(Texts(Kind::Ask)[0],
              "Der Monatsplan für März 2002 existiert noch nicht.\n\nSoll ein neuer Monatsplan angelegt werden?");
    std::vector<std::string> titles;
    for (const auto& m : prompts.messages)
        if (m.kind == Kind::Ask)
            titles.push_back(m.title);
    EXPECT_EQ(titles[2], "Hinweis"); // after the cancelled month dialog
    EXPECT_EQ(MainAccount(MonthPlanFileName(settings, 3, 2002)), "300");
}

TEST_F(PlanTest, OpenDecisionTable)
{
    engine.WriteString("Custom", "OpenMode", "1", settings.SettingsPath); // the first window maximised
    Open(3, 2002);
    const struct {
        bool create, ask, answer;
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
        EXPECT_EQ(Texts(Kind::Ask).size(), c.questions);
    }
    EXPECT_TRUE(shell.windows[0].maximised);
    EXPECT_FALSE(shell.windows[1].maximised);
    prompts.answers = {false};
    EXPECT_EQ(frame.OpenMonthPlan(7, 2002, false, true), 1); // declined: nothing created
    EXPECT_EQ(ReadBytes(MonthPlanFileName(settings, 7, 2002)), "<missing>");
}

// A file that holds anything but no MAIN/Month is refused with its name and
// left as it is, never created anew; the live computation, which tries every
// minute, tells it once. A UTF-8 byte order mark hides a header on the first
// line, as it does from the system's functions on Windows.
TEST_F(PlanTest, UnreadablePlanIsRefusedNotCreatedAnew)
{
    settings.Extern = 1; // no carry-over questions
    const std::string file = MonthPlanFileName(settings, 3, 2002);
    const std::string entry = "[4/1]\r\nDay=1\r\nCome=480\r\nGo=960\r\n";
    const struct {
        const char* name;
        std::string bytes;
        int opened;
    } cases[] = {
        {"byte order mark", "\xEF\xBB\xBF[MAIN]\r\nAccount=0\r\nMonth=3\r\nYear=2002\r\n" + entry, 0},
        {"no Month", "[MAIN]\r\nAccount=0\r\nYear=2002\r\n" + entry, 0},
        {"empty file: nothing to keep", "", 1},
    };
    for (const auto& c : cases) {
        WriteBytes(file, c.bytes);
        prompts.messages.clear();
        const std::size_t windows = shell.windows.size();
        EXPECT_EQ(frame.OpenMonthPlan(3, 2002, true, true), c.opened) << c.name;
        EXPECT_EQ(frame.OpenMonthPlan(3, 2002, false, false), c.opened) << c.name;
        EXPECT_EQ(shell.windows.size() - windows, c.opened ? 2u : 0u) << c.name;
        if (c.opened)
            continue;
        ExpectOnly("Die Datei \"" + file +
                   "\" ist kein lesbarer Monatsplan: Im Abschnitt [MAIN] fehlt der Eintrag \"Month\", oder die Datei "
                   "beginnt mit einer UTF-8-Kennung (BOM).\n\nDer Monatsplan wird nicht geöffnet, die Datei bleibt "
                   "unverändert.");
        EXPECT_EQ(ReadBytes(file), c.bytes) << c.name;
    }
}

TEST_F(PlanTest, CreationFailureIsReported)
{
    settings.Extern = 1; // no carry-over note before the failure
    std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s", folder.File("a/b/c/").c_str());
    EXPECT_EQ(frame.OpenMonthPlan(3, 2002, false, false), 0);
    ExpectOnly("Die Datei für den Monatsplan kann nicht angelegt werden.", "Frage");
    EXPECT_TRUE(shell.windows.empty());
    EXPECT_FALSE(frame.creating());
    // A window that cannot be made ends the creation too.
    std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s/", folder.path().string().c_str());
    shell.failWindows = true;
    EXPECT_THROW(frame.OpenMonthPlan(3, 2002, false, false), std::runtime_error);
    EXPECT_FALSE(frame.creating());
}

TEST_F(PlanTest, RetakeCarryOverAsksAndRecomputes)
{
    MonthPlan& plan = Open(3, 2002);
    Add(4, 480, 990);
    WriteClosedPlan(2, 2002, "0", "600");
    prompts.answers = {false};
    plan.RetakeCarryOver();
    EXPECT_EQ(Entry(4).Account, 24);
    plan.RetakeCarryOver();
    EXPECT_EQ(Entry(4).Account, 624);
    settings.Extern = 1;
    prompts.messages.clear();
    prompts.answers = {false};
    plan.RetakeCarryOver();
    ASSERT_EQ(Texts(Kind::Ask).size(), 1u);
    EXPECT_NE(Texts(Kind::Ask)[0].find("externer Mitarbeiter"), std::string::npos);
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
    EXPECT_STREQ(Entry(1).Info, "Neujahr");
    EXPECT_EQ(Entry(1).weekday, 3);
    EXPECT_EQ(Entry(16).Come, TimeCode(EmptyDay));
    EXPECT_STREQ(Entry(16).Info, "");
    EXPECT_STREQ(Entry(24).Info, "Heiligabend");
}
