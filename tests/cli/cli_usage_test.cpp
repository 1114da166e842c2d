#include <filesystem>

#include "cli/commands.h"
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
