#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "cli/cli.h"

namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun Cli(std::vector<const char*> args)
{
    args.insert(args.begin(), "stundwerk-cli");
    std::ostringstream out, err;
    const int code = RunCli(static_cast<int>(args.size()), args.data(), out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool IsValidUtf8(const std::string& s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int follow = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : -1;
        if (follow < 0 || i + follow + 1 > s.size())
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += 1 + follow;
    }
    return true;
}

} // namespace

TEST(HolidaysCommand, Year2008)
{
    const char* const expected = "01.01.2008\tH\tNeujahr\n"
                                 "06.01.2008\tH\tHeilige Drei K\xC3\xB6nige\n"
                                 "04.02.2008\tS\tRosenmontag\n"
                                 "06.02.2008\tS\tAschermittwoch\n"
                                 "20.03.2008\tS\tGr\xC3\xBCndonnerstag\n"
                                 "21.03.2008\tH\tKarfreitag\n"
                                 "23.03.2008\tH\tOstersonntag\n"
                                 "24.03.2008\tH\tOstermontag\n"
                                 "30.03.2008\tS\tBeginn der Sommerzeit\n"
                                 "01.05.2008\tH\tMaifeiertag\n"
                                 "04.05.2008\tS\tMuttertag\n"
                                 "11.05.2008\tH\tPfingstsonntag\n"
                                 "12.05.2008\tH\tPfingstmontag\n"
                                 "22.05.2008\tH\tFronleichnam\n"
                                 "15.08.2008\tH\tMaria Himmelfahrt\n"
                                 "03.10.2008\tH\tTag der Einheit\n"
                                 "26.10.2008\tS\tBeginn der Winterzeit\n"
                                 "01.11.2008\tH\tAllerheiligen\n"
                                 "16.11.2008\tS\tVolkstrauertag\n"
                                 "19.11.2008\tS\tBu\xC3\x9F- und Bettag\n"
                                 "23.11.2008\tS\tTotensonntag\n"
                                 "30.11.2008\tS\t1. Advent\n"
                                 "06.12.2008\tS\tNikolaus\n"
                                 "07.12.2008\tS\t2. Advent\n"
                                 "14.12.2008\tS\t3. Advent\n"
                                 "21.12.2008\tS\t4. Advent\n"
                                 "24.12.2008\tS\tHeiligabend\n"
                                 "25.12.2008\tH\t1. Weihnachtstag\n"
                                 "26.12.2008\tH\t2. Weihnachtstag\n"
                                 "31.12.2008\tS\tSilvester\n";
    const CliRun r = Cli({"holidays", "2008"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
}

// For a spread of years: calendar order, well-formed lines, UTF-8 names, and
// H exactly where the holiday lookup finds a name.
TEST(HolidaysCommand, LinesAreOrderedWellFormedUtf8)
{
    const Calendar cal;
    for (const char* yearText : {"1", "0042", "1583", "2006", "2100", "2400", "9999"}) {
        const CliRun r = Cli({"holidays", yearText});
        ASSERT_EQ(r.code, 0) << yearText;
        EXPECT_EQ(r.err, "");
        const unsigned year = static_cast<unsigned>(std::stoul(yearText));
        const std::vector<std::string> lines = Lines(r.out);
        EXPECT_GE(lines.size(), 27u) << yearText;
        long previous = 0;
        int holidays = 0;
        for (const std::string& line : lines) {
            SCOPED_TRACE(line);
            ASSERT_GE(line.size(), 14u);
            ASSERT_EQ(line[2], '.');
            ASSERT_EQ(line[5], '.');
            ASSERT_EQ(line[10], '\t');
            ASSERT_EQ(line[12], '\t');
            const unsigned d = std::stoul(line.substr(0, 2)), m = std::stoul(line.substr(3, 2));
            ASSERT_EQ(std::stoul(line.substr(6, 4)), year);
            ASSERT_EQ(cal.IsValidDate(d, m, year), 1);
            const long key = static_cast<long>(m * 100 + d);
            ASSERT_GT(key, previous);
            previous = key;
            char name[256];
            const bool isHoliday = cal.FindHoliday(d, m, year, name) == 1;
            ASSERT_EQ(line[11], isHoliday ? 'H' : 'S');
            holidays += isHoliday;
            ASSERT_TRUE(IsValidUtf8(line));
        }
        EXPECT_GE(holidays, 14) << yearText;
    }
}

TEST(Cli, UsageErrors)
{
    const std::vector<std::vector<const char*>> cases = {
        {},
        {"holidays"},
        {"holidays", "0"},
        {"holidays", "10000"},
        {"holidays", "-5"},
        {"holidays", "+5"},
        {"holidays", "20.5"},
        {"holidays", "2008x"},
        {"holidays", " 2008"},
        {"holidays", ""},
        {"holidays", "abc"},
        {"holidays", "99999999999999999999"},
        {"holidays", "4294969304"}, // 2008 + 2^32
        {"holidays", "2008", "2009"},
        {"feiertage", "2008"},
        {"--bogus"},
        {"-x"},
        {"Holidays", "2008"},
    };
    for (const auto& args : cases) {
        const CliRun r = Cli(args);
        std::string shown;
        for (const char* a : args)
            shown += std::string("[") + a + "]";
        EXPECT_EQ(r.code, EXIT_USAGE) << shown;
        EXPECT_EQ(r.out, "") << shown;
        EXPECT_NE(r.err, "") << shown;
        EXPECT_EQ(r.err.back(), '\n') << shown;
    }
}

TEST(Cli, Help)
{
    const CliRun r = Cli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    int holidaysLines = 0;
    for (const std::string& line : Lines(r.out))
        holidaysLines += line.find("holidays") != std::string::npos;
    EXPECT_EQ(holidaysLines, 1);
    EXPECT_TRUE(IsValidUtf8(r.out));
}
