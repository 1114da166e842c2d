#include "cli_fixture.h"

namespace {

const std::string March = "032002.SW";

TEST_F(CliTest, ArrivalLiveValuesAndDeparture)
{
    // The run that creates the plan checks for missing days before the days
    // exist; the next run enters Friday the 1st as a missing day.
    Ok("04.03.2002", "08:00", {"kommen"});
    EXPECT_EQ(Key(PlanFile("032002.SW"), "1/1", "Come"), "32771");

    const CliResult again = Run("04.03.2002", "08:05", {"kommen"});
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(
        again.err,
        "Es existiert noch ein Eintrag ohne \"Gehen\"-Zeit\n\n\"Kommen\"-Zeit kann nicht erfa\xC3\x9Ft werden.\n");

    const std::vector<std::string> rows = SplitLines(Ok("04.03.2002", "12:00", {"show", "3", "2002"}));
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows[0], "Fr\t01.03.2002\t--.--\t--.--\t--.--\t-7:36\t-7:36\tFehltag");
    EXPECT_EQ(rows[1], "Sa\t02.03.2002\t.\t.\t.\t.\t.\t ");
    EXPECT_EQ(rows[3], "Mo\t04.03.2002\t08:00\t12:00T\t4:00T\t-3:36T\t-11:12T\t ");
    // The live values are never stored.
    EXPECT_EQ(Key(PlanFile("032002.SW"), "4/1", "Go"), "32767");
    EXPECT_EQ(Key(PlanFile("032002.SW"), "4/1", "Account"), "2147483647");

    Ok("04.03.2002", "16:30", {"gehen"});
    EXPECT_EQ(Keys(PlanFile("032002.SW"), "4/1"),
              (std::vector<std::string>{"Day=1", "Come=480", "Go=990", "Info=", "WorkTime=510", "Saldo=24",
                                        "Account=-432", "NoSaldo=0"}));

    const CliResult noArrival = Run("04.03.2002", "16:45", {"gehen"});
    EXPECT_EQ(noArrival.code, 1);
    EXPECT_NE(noArrival.err.find("Es wurde keine \"Kommen\"-Zeit gefunden"), std::string::npos);
}

TEST_F(CliTest, TimeLagWidensBothEnds)
{
    WriteIni("TimeLag=2\nCheckMissings=0\n");
    Ok("05.03.2002", "07:58", {"kommen"});
    Ok("05.03.2002", "16:00", {"gehen"});
    EXPECT_EQ(Key(PlanFile("032002.SW"), "5/1", "Come"), "476");
    EXPECT_EQ(Key(PlanFile("032002.SW"), "5/1", "Go"), "962");
}

TEST_F(CliTest, ArrivalGoesIntoTodaysPeriodUnderStartDay)
{
    WriteIni("StartDay=15\n");
    Ok("03.04.2002", "08:00", {"kommen"});
    EXPECT_EQ(Key(PlanFile("032002_15.SW"), "3/1", "Come"), "480");
    EXPECT_EQ(Key(PlanFile("032002_15.SW"), "MAIN", "Month"), "3");
}

} // namespace
