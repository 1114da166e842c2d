#include <string>

#include "cli_fixture.h"

// The built-in table of one year whole: every date and every name as the user reads it.
TEST(HolidaysCommand, Year2008)
{
    const CliResult r = RunArgs({"holidays", "2008"});
    EXPECT_EQ(r.out, "01.01.2008\tH\tNeujahr\n06.01.2008\tH\tHeilige Drei K\xC3\xB6nige\n"
                     "04.02.2008\tS\tRosenmontag\n06.02.2008\tS\tAschermittwoch\n"
                     "20.03.2008\tS\tGr\xC3\xBCndonnerstag\n21.03.2008\tH\tKarfreitag\n"
                     "23.03.2008\tH\tOstersonntag\n24.03.2008\tH\tOstermontag\n"
                     "30.03.2008\tS\tBeginn der Sommerzeit\n01.05.2008\tH\tMaifeiertag\n"
                     "04.05.2008\tS\tMuttertag\n11.05.2008\tH\tPfingstsonntag\n"
                     "12.05.2008\tH\tPfingstmontag\n22.05.2008\tH\tFronleichnam\n"
                     "15.08.2008\tH\tMaria Himmelfahrt\n03.10.2008\tH\tTag der Einheit\n"
                     "26.10.2008\tS\tBeginn der Winterzeit\n01.11.2008\tH\tAllerheiligen\n"
                     "16.11.2008\tS\tVolkstrauertag\n19.11.2008\tS\tBu\xC3\x9F- und Bettag\n"
                     "23.11.2008\tS\tTotensonntag\n30.11.2008\tS\t1. Advent\n"
                     "06.12.2008\tS\tNikolaus\n07.12.2008\tS\t2. Advent\n"
                     "14.12.2008\tS\t3. Advent\n21.12.2008\tS\t4. Advent\n"
                     "24.12.2008\tS\tHeiligabend\n25.12.2008\tH\t1. Weihnachtstag\n"
                     "26.12.2008\tH\t2. Weihnachtstag\n31.12.2008\tS\tSilvester\n");
}

// The state of the settings or of --land, then the own days of the settings.
TEST_F(CliTest, HolidaysOfTheStateAndOwnDays)
{
    WriteIni("Land=NI\n[Feiertage]\nTag1=24.12 :Heiligabend\n");
    const struct {
        const char* call;
        bool epiphany, reformation;
    } cases[] = {{"holidays 2018", false, true}, {"holidays 2018 --land by", true, false}};
    for (const auto& c : cases) {
        const CliResult r = Call(c.call);
        ASSERT_EQ(r.code, 0) << c.call << r.err;
        EXPECT_EQ(r.out.find("06.01.2018\tH\t") != std::string::npos, c.epiphany) << c.call;
        EXPECT_EQ(r.out.find("31.10.2018\tH\tReformationstag") != std::string::npos, c.reformation) << c.call;
        EXPECT_NE(r.out.find("24.12.2018\tH\tHeiligabend"), std::string::npos) << c.call;
    }
}
