// The program as a person starts it: one copy runs, a second one brings the
// first forward and ends; the first ends with 0 when the session ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace {

// Stundwerk.exe of this build, beside the tests' folder.
std::string BuiltProgram()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program = path;
    program.erase(program.find_last_of('\\'));
    program.erase(program.find_last_of('\\'));
    program.erase(program.find_last_of('\\'));
    return program + "\\app\\Stundwerk.exe";
}

class Process {
public:
    explicit Process(const std::string& program)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + program + "\"";
        started_ = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &info_) != FALSE;
    }
    ~Process()
    {
        if (!started_)
            return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return started_; }
    // The exit code, or STILL_ACTIVE when it runs after the wait.
    DWORD ExitCode(DWORD waitMilliseconds) const
    {
        WaitForSingleObject(info_.hProcess, waitMilliseconds);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

HWND WaitForMainWindow()
{
    for (int round = 0; round < 300; ++round) {
        if (HWND window = FindWindowA("Stundwerk", nullptr))
            return window;
        Sleep(100);
    }
    return nullptr;
}

} // namespace

TEST(ProgramTest, ASecondCopyBringsTheFirstForwardAndEnds)
{
    TempFolder folder;
    const std::string program = folder.File("Stundwerk.exe");
    ASSERT_TRUE(CopyFileA(BuiltProgram().c_str(), program.c_str(), FALSE)) << BuiltProgram();
    WriteBytes(folder.File("stundwrk.ini"), "[Options]\r\nWorkingDir=" + folder.path().string() + "\r\n");

    Process first(program);
    ASSERT_TRUE(first.Started());
    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    Process second(program);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.ExitCode(30000), 0u);
    EXPECT_EQ(first.ExitCode(0), STILL_ACTIVE);
    EXPECT_FALSE(IsWindowVisible(window)) << "the first copy lives in the tray";

    // Logging off ends it without a question, keeping its geometry.
    PostMessageA(window, WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(first.ExitCode(30000), 0u);
    EXPECT_EQ(SectionLines(folder.File("stundwrk.ini"), "Window").size(), 4u);
}
