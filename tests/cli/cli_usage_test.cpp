#include <filesystem>

#include "cli/commands.h"
#include "cli/text_output.h"
#include "cli_fixture.h"

namespace {

struct UsageCase {
    std::vector<const char*> args;
};

class CliUsage : public CliTest, public ::testing::WithParamInterface<UsageCase> {};

// Malformed calls exit 2 before any file is touched.
TEST_P(CliUsage, ExitsTwoAndWritesNothing)
{
    std::vector<const char*> argv = {"stundwerk-cli", "--ini", ini.c_str()};
    argv.insert(argv.end(), GetParam().args.begin(), GetParam().args.end());
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(static_cast<int>(argv.size()), argv.data(), out, err), EXIT_USAGE);
    EXPECT_FALSE(err.str().empty());
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(std::filesystem::exists(plans));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CliUsage,
    ::testing::Values(UsageCase{{}}, UsageCase{{"frobnicate"}}, UsageCase{{"--verbose", "show", "3", "2002"}},
                      UsageCase{{"show", "3"}}, UsageCase{{"show", "13", "2002"}}, UsageCase{{"show", "3", "02x"}},
                      UsageCase{{"show", "3", "2002", "4"}}, UsageCase{{"show", "3", "2002", "--day", "4"}},
                      UsageCase{{"--today", "31.02.2002", "show", "3", "2002"}},
                      UsageCase{{"--now", "24:00", "kommen"}}, UsageCase{{"--now"}},
                      UsageCase{{"delete", "32.03.2002", "1"}}, UsageCase{{"delete", "04.03.2002", "0"}},
                      UsageCase{{"move", "04.03.2002", "1", "sideways"}},
                      UsageCase{{"export", "3", "2002", "--fields", "32"}},
                      UsageCase{{"export", "3", "2002", "--day", "0"}}, UsageCase{{"export", "3", "2002", "--day"}}));

TEST_F(CliTest, HelpDocumentsEveryCommand)
{
    std::ostringstream out, err;
    const char* argv[] = {"stundwerk-cli", "--help"};
    ASSERT_EQ(RunCli(2, argv, out, err), 0);
    std::size_t count = 0;
    const CliCommand* commands = Commands(count);
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_NE(out.str().find(std::string("\n  ") + commands[i].name), std::string::npos) << commands[i].name;
    EXPECT_NE(out.str().find("f\xC3\xBCr"), std::string::npos) << "UTF-8 output";
}

} // namespace

TEST_F(CliTest, SettingsFileArgumentIsChecked)
{
    const struct {
        std::string path;
    } cases[] = {{""}, {std::string(300, 'a')}};
    for (const auto& c : cases) {
        std::vector<const char*> argv = {"stundwerk-cli", "--ini", c.path.c_str(), "open", "3", "2002"};
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(static_cast<int>(argv.size()), argv.data(), out, err), EXIT_USAGE) << c.path.size();
        EXPECT_NE(err.str().find("--ini"), std::string::npos);
    }
}

TEST_F(CliTest, PlanThatCannotBeCreatedGivesTheSystemsMessage)
{
    WriteBytes(ini, "[Options]\nWorkingDir=" + folder.File("no/such/folder/") + "\n");
    const CliResult r = Run("12.03.2002", "08:00", {"open", "3", "2002"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Die Datei f\xC3\xBCr den Monatsplan kann nicht angelegt werden."), std::string::npos)
        << r.err;
}

TEST_F(CliTest, ShortHelpOptionAfterTheCommandIsAText)
{
    Ok("04.03.2002", "17:00", {"entry", "04.03.2002", "08:00", "16:30"});
    Ok("04.03.2002", "17:01", {"remark", "04.03.2002", "1", "-h"});
    EXPECT_EQ(Key(PlanFile("032002.SW"), "4/1", "Info"), "-h");
}

TEST(CliText, Utf8ToWindows1252)
{
    const struct {
        const char* utf8;
        const char* cp1252;
    } cases[] = {
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         "Gr\xFC\xDF"
         "e"},
        {"\xE2\x82\xAC \xE2\x80\x9E"
         "x\xE2\x80\x9C",
         "\x80 \x84x\x93"},
        {"\xF0\x9F\x98\x80", "?"}, // outside the code page
        {"\xC0\x80z", "??z"},      // over-long NUL
        {"\xED\xA0\x80", "???"},   // a surrogate
        {"\xC3", "?"},             // cut short
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}
