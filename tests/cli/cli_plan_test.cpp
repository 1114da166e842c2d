#include "cli_fixture.h"

namespace {

// Runs on a fixed day far after March 2002: no live computation of it.
constexpr const char* Later = "01.01.2030";

class CliPlanTest : public CliTest {
protected:
    // March 2002 with two entries on Tuesday the 5th and one on Wednesday the 6th.
    void FillMarch()
    {
        WriteIni("CheckMissings=0\n");
        for (const auto& [today, now, command] :
             std::vector<std::tuple<const char*, const char*, const char*>>{{"05.03.2002", "08:00", "kommen"},
                                                                            {"05.03.2002", "12:00", "gehen"},
                                                                            {"05.03.2002", "12:30", "kommen"},
                                                                            {"05.03.2002", "17:00", "gehen"},
                                                                            {"06.03.2002", "07:45", "kommen"},
                                                                            {"06.03.2002", "16:15", "gehen"}})
            Ok(today, now, {command});
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
    const CliResult missing = Run(Later, "12:00", {"delete", "05.03.2002", "3"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(Key(march, "5/2", "Come"), "750");

    Ok(Later, "12:00", {"delete", "05.03.2002", "1"});
    EXPECT_EQ(Key(march, "5/1", "Come"), "750");
    EXPECT_EQ(Keys(march, "5/2").size(), 0u);
    Ok(Later, "12:00", {"delete", "05.03.2002", "1"});
    EXPECT_EQ(Key(march, "5/1", "Come"), "32771");
    // The account chain follows: only Wednesday's 8:30 (+0:24) is left.
    EXPECT_EQ(Key(march, "6/1", "Account"), "24");
}

TEST_F(CliPlanTest, FillMissingUpToTheDay)
{
    FillMarch();
    Ok(Later, "12:00", {"fill-missing", "08.03.2002"});
    for (const char* day : {"1/1", "4/1", "7/1"})
        EXPECT_EQ(Key(march, day, "Come"), "32773") << day;
    for (const char* day : {"2/1", "3/1", "8/1"})
        EXPECT_EQ(Key(march, day, "Come"), "32771") << day;
    EXPECT_EQ(Key(march, "7/1", "Info"), "Fehltag");
}

TEST_F(CliPlanTest, EvaluateReport)
{
    FillMarch();
    const std::string report = Ok(Later, "12:00", {"evaluate", "3", "2002"});
    EXPECT_EQ(report,
              "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht 07:36 Stunden.\n\n"
              "Soll-Arbeitstage:\t20 Tage\nIst-Arbeitstage:\t2 Tage\n\n"
              "\xC3\x9C"
              "berstunden:\t0:48 Stunden\nFehlstunden:\t0:00 Stunden\nStundensaldo:\t0:48 Stunden\n\n"
              "Gesamtarbeitszeit:\t16:00 Stunden\nTages-Schnitt:\t8:00 Stunden\n\nGesamtzeit in MT:\t2.11 Tage\n");
}

struct ExportCase {
    std::vector<const char*> options;
    int code;
    std::string out, err;
};

class CliExport : public CliPlanTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(CliExport, Text)
{
    FillMarch();
    std::vector<const char*> argv = {"stundwerk-cli", "--ini", ini.c_str(), "--today", Later,
                                     "--now",         "12:00", "export",    "3",       "2002"};
    argv.insert(argv.end(), GetParam().options.begin(), GetParam().options.end());
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(static_cast<int>(argv.size()), argv.data(), out, err), GetParam().code);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_EQ(err.str(), GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Options, CliExport,
    ::testing::Values(
        ExportCase{{}, 0, "05.03.2002\t0:24\n06.03.2002\t0:24\n", ""},
        ExportCase{
            {"--fields", "31"}, 0, "05.03.2002\t08:00\t17:00\t4:30\t0:24\n06.03.2002\t07:45\t16:15\t8:30\t0:24\n", ""},
        ExportCase{{"--day", "6", "--fields", "6"}, 0, "07:45\t16:15\n", ""},
        ExportCase{
            {"--day", "7"}, 1, "", "Es konnten keine auswertbaren Daten in die Zwischenablage exportiert werden.\n"},
        ExportCase{{"--fields", "0"},
                   1,
                   "",
                   "Es konnten keine auswertbaren Daten in die Zwischenablage exportiert werden.\n"}));

TEST_F(CliPlanTest, ExportOfADayWithoutRow)
{
    Ok(Later, "12:00", {"open", "2", "2002"});
    const CliResult r = Run(Later, "12:00", {"export", "2", "2002", "--day", "30"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Es ist kein Eintrag zum Export markiert.\n");
}

TEST_F(CliPlanTest, ExportFieldsOptionIsNotSaved)
{
    FillMarch();
    WriteIni("ExportFields=4\n");
    EXPECT_EQ(Ok(Later, "12:00", {"export", "3", "2002", "--fields", "1"}), "05.03.2002\n06.03.2002\n");
    EXPECT_EQ(Key(ini, "Options", "ExportFields"), "4");
}

TEST_F(CliPlanTest, CarryOverTakesThePreviousClosingAccount)
{
    FillMarch();
    // April is created silently with March's closing account.
    Ok(Later, "12:00", {"open", "4", "2002"});
    const std::string april = PlanFile("042002.SW");
    EXPECT_EQ(Key(april, "MAIN", "Account"), "48");

    Ok(Later, "12:00", {"delete", "06.03.2002", "1"});
    const CliResult again = Run(Later, "12:00", {"carry-over", "4", "2002"});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.err, "Der Zeitkontostand von M\xC3\xA4rz 2002 wurde \xC3\xBC"
                         "bernommen.\n");
    EXPECT_EQ(Key(april, "MAIN", "Account"), "24");
}

TEST_F(CliPlanTest, CarryOverWithoutPreviousPlanEndsWithZero)
{
    WriteIni("CheckMissings=0\n");
    Ok(Later, "12:00", {"open", "6", "2002"});
    const CliResult r = Run(Later, "12:00", {"carry-over", "6", "2002"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "Es konnte kein Zeitkontostand \xC3\xBC"
                     "bernommen werden.\n\n"
                     "Geben Sie den Kontostand bei Bedarf manuell ein.\n");
    EXPECT_EQ(Key(PlanFile("062002.SW"), "MAIN", "Account"), "0");
}

TEST_F(CliPlanTest, WeekdaysTurnMissingDaysBackIntoEmptyDays)
{
    FillMarch();
    Ok(Later, "12:00", {"fill-missing", "05.03.2002"});
    ASSERT_EQ(Key(march, "4/1", "Come"), "32773");
    Ok(Later, "12:00", {"weekdays", "3", "2002"});
    EXPECT_EQ(Key(march, "4/1", "Come"), "32771");
    EXPECT_EQ(Key(march, "29/1", "Info"), "Karfreitag");
}

TEST_F(CliPlanTest, RecomputeRepairsAHandEditedValue)
{
    FillMarch();
    std::string bytes = ReadBytes(march);
    const std::string from = "Account=48";
    ASSERT_NE(bytes.find(from), std::string::npos);
    bytes.replace(bytes.find(from), from.size(), "Account=999");
    WriteBytes(march, bytes);
    Ok(Later, "12:00", {"recompute", "3", "2002"});
    EXPECT_EQ(Key(march, "6/1", "Account"), "48");
}

} // namespace
