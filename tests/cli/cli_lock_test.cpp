// Commands of several processes on one folder: each command's reads and
// writes stay together, and a command that cannot get the lock changes nothing.
#include <string>
#include <vector>

#include "ini/file_lock.h"
#include "tests/cli/cli_fixture.h"

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace {

TEST_F(CliTest, CommandWaitsForTheLockAndFailsWithoutIt)
{
    FileLock other;
    ASSERT_TRUE(other.Open(folder.File("stundwerk.lock")));
    ASSERT_TRUE(other.Lock(0));
    FileLock second;
    ASSERT_TRUE(second.Open(folder.File("stundwerk.lock")));
    EXPECT_FALSE(second.Lock(0)) << "a second handle waits, in the same process too";

    const CliResult refused = Call("--wait 0 entry 02.04.2002 08:00 16:00");
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("von einem anderen Programm bearbeitet"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(PlanFile("042002.SW")));

    other.Close();
    EXPECT_EQ(Call("--wait 0 entry 02.04.2002 08:00 16:00").code, 0);
    EXPECT_EQ(Key(PlanFile("042002.SW"), "2/1", "Come"), "480");
}

#ifndef _WIN32
// Started together, waited for together: no command may lose another's
// entry or counter (1 April 2002 is Easter Monday, a holiday entry).
TEST_F(CliTest, ConcurrentCommandsLoseNothing)
{
    std::vector<std::vector<std::string>> runs;
    for (int day = 2; day <= 28; ++day) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d.04.2002", day);
        runs.push_back({"entry", date, "08:00", "16:00"});
    }
    // A work day in each of ten periods.
    for (const char* date : {"15.01.2003", "14.02.2003", "14.03.2003", "15.04.2003", "15.05.2003", "16.06.2003",
                             "15.07.2003", "12.08.2003", "15.09.2003", "15.10.2003"})
        runs.push_back({"vacation", date});
    std::vector<pid_t> children;
    for (const auto& words : runs) {
        std::vector<std::string> args = {STUNDWERK_CLI, "--ini", ini, "--today", "01.01.2030", "--now", "12:00"};
        args.insert(args.end(), words.begin(), words.end());
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        pid_t child = 0;
        ASSERT_EQ(posix_spawn(&child, STUNDWERK_CLI, nullptr, nullptr, argv.data(), environ), 0);
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int day = 2; day <= 28; ++day)
        EXPECT_EQ(Key(PlanFile("042002.SW"), std::to_string(day) + "/1", "Come"), "480") << day;
    EXPECT_EQ(Key(ini, "Options", "Holidays"), "20");
}
#endif

} // namespace
