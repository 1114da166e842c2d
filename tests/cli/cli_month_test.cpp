// Whole months kept through the CLI, checked key by key in the files.
#include "cli_fixture.h"

// April 2002, kept day by day: capture with both breaks, a flexi day, a
// vacation over a weekend, a sick day, a correction, a deletion, and the
// closing account carried into May.
void CliTest::RunScriptedMonth(const std::string& option)
{
    // Break 2: 15 minutes above 9 hours.
    WriteIni("RestPerDay2=15\nRestTime2=540\n");
    const char* const script[] = {
        "02.04.2002 08:00 kommen",
        "02.04.2002 18:00 gehen",
        "03.04.2002 08:00 kommen",
        "03.04.2002 12:00 gehen",
        "03.04.2002 12:30 kommen",
        "03.04.2002 15:00 gehen",
        "04.04.2002 07:00 flexi 04.04.2002",
        "04.04.2002 07:01 vacation 05.04.2002 09.04.2002 --remark Osterurlaub",
        "10.04.2002 07:30 kommen",
        "10.04.2002 16:00 gehen",
        "11.04.2002 07:00 correct 11.04.2002 10:00 --remark Abgleich",
        "11.04.2002 07:01 entry 11.04.2002 08:00 16:00",
        "12.04.2002 07:00 sick 12.04.2002",
        "12.04.2002 07:01 delete 03.04.2002 2",
        "12.04.2002 07:02 open 5 2002",
    };
    for (const std::string step : script) {
        const CliResult r = Call(option.empty() ? step : step.substr(0, 17) + option + " " + step.substr(17));
        ASSERT_EQ(r.code, 0) << step << ": " << r.err;
    }
}

TEST_F(CliTest, ScriptedMonth)
{
    RunScriptedMonth("");
    const std::string april = PlanFile("042002.SW");
    ExpectSections(
        april,
        {
            {"MAIN", "Account=0 Month=4 Year=2002"},
            // Created as a holiday: the day-off kinds write NoSaldo before Saldo.
            {"1/1", "Day=1 Come=32774 Go=32774 Info=Ostermontag WorkTime=-2147483642 NoSaldo=1 Saldo=0 Account=0"},
            // 600 minutes: both breaks (30 + 15), 555 - 456.
            {"2/1", "Day=2 Come=480 Go=1080 Info= WorkTime=600 Saldo=99 Account=99 NoSaldo=0"},
            // The afternoon entry is gone; the morning alone has no break.
            {"3/1", "Day=3 Come=480 Go=720 Info= WorkTime=240 Saldo=-216 Account=-117 NoSaldo=0"},
            {"4/1", "Day=4 Come=32769 Go=32769 Info= WorkTime=-2147483647 Saldo=-456 Account=-573 NoSaldo=0"},
            {"5/1", "Day=5 Come=32772 Go=32772 Info=Osterurlaub WorkTime=-2147483644 Saldo=0 Account=-573 NoSaldo=1"},
            // The weekend inside the vacation stays empty.
            {"6/1",
             "Day=6 Come=32771 Go=32771 Info= WorkTime=-2147483645 Saldo=-2147483645 Account=-2147483645 NoSaldo=1"},
            {"9/1", "Day=2 Come=32772 Go=32772 Info=Osterurlaub WorkTime=-2147483644 Saldo=0 Account=-573 NoSaldo=1"},
            {"10/1", "Day=3 Come=450 Go=960 Info= WorkTime=510 Saldo=24 Account=-549 NoSaldo=0"},
            {"11/1",
             "Day=4 Come=32770 Go=32770 Info=Abgleich WorkTime=-2147483646 Saldo=-2147483646 Account=600 NoSaldo=0"},
            // After the correction the day's sum starts again: 480 - 30 - 456.
            {"11/2", "Day=4 Come=480 Go=960 Info= WorkTime=480 NoSaldo=0 Saldo=-6 Account=594"},
            {"12/1", "Day=5 Come=32775 Go=32775 Info=Krankheitstag WorkTime=-2147483641 Saldo=0 Account=594 NoSaldo=1"},
            {"3/2", ""},
        });
    ExpectKeys("042002.SW", "8/1:Come=32772");
    ExpectKeys("ini", "Options:GDays=1 Options:Holidays=27 Options:Sickdays=1");
    // May opens with April's closing account.
    ExpectKeys("052002.SW", "MAIN:Account=594");
}

TEST_F(CliTest, DayKindCodesAndRemarks)
{
    WriteIni("Holidays=1\n");
    const std::string march = PlanFile("032002.SW");
    // "G" and "u" book a flexi and a vacation day as the flexi and vacation
    // commands do, counters included. An option-like text after the command
    // is the remark; remarks arrive in UTF-8, and what Windows-1252 lacks or
    // is no UTF-8 (a 4-byte sign, an over-long NUL, a cut sequence) is stored
    // as '?'.
    for (const char* call :
         {"entry 05.03.2002 G", "entry 06.03.2002 u", "entry 04.03.2002 08:00", "remark 04.03.2002 1 -h",
          "hours 09.03.2002 2:30 --remark Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC", "remark 05.03.2002 1 a\tb\x7F\x01",
          "remark 06.03.2002 1 \xE2\x80\x9Ez\xE2\x80\x9C\xF0\x9F\x98\x80\xC0\x80z\xC3"})
        ASSERT_EQ(Call(call).code, 0) << call;
    // Control characters are stored as blanks: a tab would split the columns of "show".
    EXPECT_EQ(Key(march, "5/1", "Info"), "a b");
    ExpectKeys("032002.SW", "5/1:Go=32769 4/1:Go=32767 4/1:Info=-h 6/1:Info=\x84z\x93???z?");
    ExpectKeys("ini", "Options:GDays=1 Options:Holidays=0");
    // A Saturday has no regular working time; the open entry of the 4th
    // leaves every later account unknown.
    ExpectSections(
        march,
        {{"9/1", "Day=6 Come=32768 Go=32768 Info=Gr\xFC\xDF\x80 WorkTime=150 Saldo=150 Account=2147483647 NoSaldo=1"}});
}

#ifdef _WIN32
// The same month through the system's private-profile functions gives the
// same files, byte for byte.
TEST_F(CliTest, ScriptedMonthSameFilesWithTheSystemFunctions)
{
    RunScriptedMonth("");
    const std::string engineApril = ReadBytes(PlanFile("042002.SW"));
    const std::string engineMay = ReadBytes(PlanFile("052002.SW"));
    const std::vector<std::string> engineOptions = SectionLines(ini, "Options");

    CliTest::ResetFolder();
    RunScriptedMonth("--system-profile");
    EXPECT_EQ(ReadBytes(PlanFile("042002.SW")), engineApril);
    EXPECT_EQ(ReadBytes(PlanFile("052002.SW")), engineMay);
    // The settings file was written by hand with LF line ends; Wine rewrites
    // a whole file where Windows and the engine keep untouched lines, so only
    // its keys are compared.
    EXPECT_EQ(SectionLines(ini, "Options"), engineOptions);
}
#endif
