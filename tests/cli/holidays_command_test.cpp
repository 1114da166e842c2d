#include <string>

#include "cli/text_output.h"
#include "cli_fixture.h"

// The whole range of years, written with four digits, in date order, names in UTF-8.
TEST(HolidaysCommand, FirstAndLastYears)
{
    for (const char* year : {"1", "0042", "2008", "9999"}) {
        const CliResult r = RunArgs({"holidays", year});
        ASSERT_EQ(r.code, 0) << year;
        const std::string digits = std::string(4 - std::string(year).size(), '0') + year;
        EXPECT_EQ(r.out.rfind("01.01." + digits + "\tH\tNeujahr\n", 0), 0u) << r.out;
        const std::vector<std::string> lines = Split(r.out, '\n');
        EXPECT_EQ(lines.back(), "31.12." + digits + "\tS\tSilvester");
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_LE(lines[i - 1].substr(3, 2) + lines[i - 1].substr(0, 2),
                      lines[i].substr(3, 2) + lines[i].substr(0, 2));
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(r.out)), r.out) << "not all UTF-8";
    }
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
