#include <filesystem>

#include "cli/commands.h"
#include "cli_fixture.h"

// Malformed calls exit 2 with a message before any file is touched.
TEST_F(CliTest, UsageErrorsExitTwoAndWriteNothing)
{
    // The calls, separated by semicolons, then the years "holidays" refuses.
    std::vector<std::vector<std::string>> calls = {{}};
    for (const std::string& call :
         Split("Holidays 2008;-x;--verbose show 3 2002;show 3;show 13 2002;show 3 02x;"
               "show 3 2002 --day 4;--today 31.02.2002 show 3 2002;--now 24:00 kommen;--now;"
               "delete 32.03.2002 1;delete 04.03.2002 0;move 04.03.2002 1 sideways;"
               "export 3 2002 --fields 32;export 3 2002 --day 0;export 3 2002 --day;holidays 2008 2009;"
               "holidays 2008 --land XX;holidays 2008 --land;holidays 2008 --land BYE;init --force --workdays Mo,Xy",
               ';'))
        calls.push_back(Split(call));
    // 4294969304 is 2008 + 2^32.
    for (const char* year : {"0", "10000", "-5", "+5", "2008x", " 2008", "", "4294969304"})
        calls.push_back({"holidays", year});
    // A later --ini counts: an empty settings path and one beyond the path buffer.
    for (const std::string& path : {std::string(), std::string(300, 'a')})
        calls.push_back({"--ini", path, "open", "3", "2002"});
#ifndef _WIN32
    calls.push_back({"--system-profile", "open", "4", "2002"}); // the system's functions are Windows' only
#endif
    for (const auto& args : calls) {
        SCOPED_TRACE(::testing::PrintToString(args));
        std::vector<const char*> argv = {"--ini", ini.c_str()};
        for (const std::string& a : args)
            argv.push_back(a.c_str());
        const CliResult r = RunArgs(argv);
        EXPECT_EQ(r.code, EXIT_USAGE);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.empty() ? '\0' : r.err.back(), '\n'); // a message of its own
    }
    EXPECT_FALSE(std::filesystem::exists(plans));
}
