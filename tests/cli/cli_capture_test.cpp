#include "cli_fixture.h"

namespace {

TEST_F(CliTest, ArrivalLiveValuesAndDeparture)
{
    const std::string march = PlanFile("032002.SW");
    // The run that creates the plan checks for missing days before the days
    // exist; the next run enters Friday the 1st as a missing day.
    Ok("04.03.2002", "08:00", {"kommen"});
    EXPECT_EQ(Key(march, "1/1", "Come"), "32771");

    const CliResult again = Run("04.03.2002", "08:05", {"kommen"});
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(
        again.err,
        "Es existiert noch ein Eintrag ohne \"Gehen\"-Zeit\n\n\"Kommen\"-Zeit kann nicht erfa\xC3\x9Ft werden.\n");

    const std::vector<std::string> rows = Split(Ok("04.03.2002", "12:00", {"show", "3", "2002"}), '\n');
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows[0], "Fr\t01.03.2002\t--.--\t--.--\t--.--\t-7:36\t-7:36\tFehltag");
    EXPECT_EQ(rows[1], "Sa\t02.03.2002\t.\t.\t.\t.\t.\t ");
    EXPECT_EQ(rows[3], "Mo\t04.03.2002\t08:00\t12:00T\t4:00T\t-3:36T\t-11:12T\t ");
    // The live values are never stored.
    EXPECT_EQ(Key(march, "4/1", "Go"), "32767");
    EXPECT_EQ(Key(march, "4/1", "Account"), "2147483647");

    Ok("04.03.2002", "16:30", {"gehen"});
    ExpectSections(march, {{"4/1", "Day=1 Come=480 Go=990 Info= WorkTime=510 Saldo=24 Account=-432 NoSaldo=0"}});

    const CliResult noArrival = Run("04.03.2002", "16:45", {"gehen"});
    EXPECT_EQ(noArrival.code, 1);
    EXPECT_NE(noArrival.err.find("Es wurde keine \"Kommen\"-Zeit gefunden"), std::string::npos);
}

// TimeLag widens both ends; under StartDay an arrival goes into the period
// holding today.
TEST_F(CliTest, TimeLagAndStartDay)
{
    WriteIni("TimeLag=2\nStartDay=15\n");
    Ok("03.04.2002", "07:58", {"kommen"});
    Ok("03.04.2002", "16:00", {"gehen"});
    const std::string period = PlanFile("032002_15.SW");
    EXPECT_EQ(Key(period, "MAIN", "Month"), "3");
    EXPECT_EQ(Key(period, "3/1", "Come"), "476");
    EXPECT_EQ(Key(period, "3/1", "Go"), "962");
}

} // namespace
