#include "cli_fixture.h"

namespace {

// Runs on a fixed day far after March 2002: no live computation of it.
constexpr const char* Later = "01.01.2030";

class CliPlanTest : public CliTest {
protected:
    // March 2002 with two entries on Tuesday the 5th and one on Wednesday the 6th.
    void FillMarch()
    {
        Ok(Later, "12:00", {"entry", "05.03.2002", "08:00", "12:00"});
        Ok(Later, "12:00", {"entry", "05.03.2002", "12:30", "17:00"});
        Ok(Later, "12:00", {"entry", "06.03.2002", "07:45", "16:15"});
    }
    std::string march = PlanFile("032002.SW");
};

TEST_F(CliPlanTest, MoveWithinTheDayAndRefuseAcrossIt)
{
    FillMarch();
    Ok(Later, "12:00", {"move", "05.03.2002", "1", "down"});
    EXPECT_EQ(Key(march, "5/1", "Come"), "750");
    EXPECT_EQ(Key(march, "5/1", "Saldo"), "-186");
    EXPECT_EQ(Key(march, "5/2", "Come"), "480");
    EXPECT_EQ(Key(march, "5/2", "Saldo"), "24");

    const CliResult up = Run(Later, "12:00", {"move", "05.03.2002", "1", "up"});
    EXPECT_EQ(up.code, 1);
    EXPECT_EQ(up.err, "Ein Eintrag kann nur innerhalb eines Tages verschoben werden.\n"
                      "F\xC3\xBCr andere Tage benutzen Sie bitte Kopieren + Einf\xC3\xBCgen.\n");
}

TEST_F(CliPlanTest, DeleteClosesTheGapAndKeepsThePlaceholder)
{
    FillMarch();
    EXPECT_EQ(Run(Later, "12:00", {"delete", "05.03.2002", "3"}).code, 1);
    EXPECT_EQ(Key(march, "5/2", "Come"), "750");

    Ok(Later, "12:00", {"delete", "05.03.2002", "1"});
    EXPECT_EQ(Key(march, "5/1", "Come"), "750");
    EXPECT_EQ(SectionLines(march, "5/2").size(), 0u);
    Ok(Later, "12:00", {"delete", "05.03.2002", "1"});
    EXPECT_EQ(Key(march, "5/1", "Come"), "32771");
    // The account chain follows: only Wednesday's 8:30 (+0:24) is left.
    EXPECT_EQ(Key(march, "6/1", "Account"), "24");
}

// Missing days up to the marked day, and "weekdays" empties them again.
TEST_F(CliPlanTest, FillMissingAndWeekdays)
{
    FillMarch();
    Ok(Later, "12:00", {"fill-missing", "08.03.2002"});
    for (const char* day : {"1/1", "4/1", "7/1"})
        EXPECT_EQ(Key(march, day, "Come"), "32773") << day;
    for (const char* day : {"2/1", "3/1", "8/1"})
        EXPECT_EQ(Key(march, day, "Come"), "32771") << day;
    EXPECT_EQ(Key(march, "7/1", "Info"), "Fehltag");

    Ok(Later, "12:00", {"weekdays", "3", "2002"});
    EXPECT_EQ(Key(march, "4/1", "Come"), "32771");
    EXPECT_EQ(Key(march, "29/1", "Info"), "Karfreitag");
}

TEST_F(CliPlanTest, EvaluateReport)
{
    FillMarch();
    EXPECT_EQ(Ok(Later, "12:00", {"evaluate", "3", "2002"}),
              "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht 07:36 Stunden.\n\n"
              "Soll-Arbeitstage:\t20 Tage\nIst-Arbeitstage:\t2 Tage\n\n"
              "\xC3\x9C"
              "berstunden:\t0:48 Stunden\nFehlstunden:\t0:00 Stunden\nStundensaldo:\t0:48 Stunden\n\n"
              "Gesamtarbeitszeit:\t16:00 Stunden\nTages-Schnitt:\t8:00 Stunden\n\nGesamtzeit in MT:\t2.11 Tage\n");
}

TEST_F(CliPlanTest, Export)
{
    FillMarch();
    const char* nothing = "Es konnten keine auswertbaren Daten in die Zwischenablage exportiert werden.\n";
    const struct {
        const char* args;
        int code;
        const char *out, *err;
    } cases[] = {
        {"3 2002", 0, "05.03.2002\t0:24\n06.03.2002\t0:24\n", ""},
        {"3 2002 --fields 31", 0, "05.03.2002\t08:00\t17:00\t4:30\t0:24\n06.03.2002\t07:45\t16:15\t8:30\t0:24\n", ""},
        {"3 2002 --day 6 --fields 6", 0, "07:45\t16:15\n", ""},
        {"3 2002 --day 7", 1, "", nothing},
        {"3 2002 --fields 0", 1, "", nothing},
        {"2 2002 --day 30", 1, "", "Es ist kein Eintrag zum Export markiert.\n"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> args = {"export"};
        const std::vector<std::string> words = Split(c.args);
        for (const std::string& word : words)
            args.push_back(word.c_str());
        const CliResult r = Run(Later, "12:00", args);
        EXPECT_EQ(r.code, c.code) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_EQ(r.err, c.err) << c.args;
    }
    // --fields is not saved.
    WriteIni("ExportFields=4\n");
    EXPECT_EQ(Ok(Later, "12:00", {"export", "3", "2002", "--fields", "1"}), "05.03.2002\n06.03.2002\n");
    EXPECT_EQ(Key(ini, "Options", "ExportFields"), "4");
}

TEST_F(CliPlanTest, CarryOver)
{
    FillMarch();
    Ok(Later, "12:00", {"open", "4", "2002"});
    Ok(Later, "12:00", {"delete", "06.03.2002", "1"});
    const CliResult again = Run(Later, "12:00", {"carry-over", "4", "2002"});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.err, "Der Zeitkontostand von M\xC3\xA4rz 2002 wurde \xC3\xBC"
                         "bernommen.\n");
    EXPECT_EQ(Key(PlanFile("042002.SW"), "MAIN", "Account"), "24");

    // Without a plan of the month before the account is 0.
    const CliResult none = Run(Later, "12:00", {"carry-over", "6", "2002"});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.err, "Es konnte kein Zeitkontostand \xC3\xBC"
                        "bernommen werden.\n\nGeben Sie den Kontostand bei Bedarf manuell ein.\n");
    EXPECT_EQ(Key(PlanFile("062002.SW"), "MAIN", "Account"), "0");
}

TEST_F(CliPlanTest, RecomputeRepairsAHandEditedValue)
{
    FillMarch();
    std::string bytes = ReadBytes(march);
    const std::size_t at = bytes.find("Account=48");
    ASSERT_NE(at, std::string::npos);
    WriteBytes(march, bytes.replace(at, 10, "Account=999"));
    Ok(Later, "12:00", {"recompute", "3", "2002"});
    EXPECT_EQ(Key(march, "6/1", "Account"), "48");
}

TEST_F(CliPlanTest, RecomputeEntersMissingDaysUpToToday)
{
    WriteIni("CheckMissings=0\n");
    Ok("06.03.2002", "09:00", {"recompute", "3", "2002"});
    EXPECT_EQ(Key(march, "5/1", "Come"), "32773");
    EXPECT_EQ(Key(march, "6/1", "Come"), "32771");
}

} // namespace
