// Kills the real program at random moments while its commands write, then
// checks that every month plan and the settings file are complete and that
// the next start opens them. Usage: kill_driver Stundwerk.exe kills [seed].
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/plan_keys.h"
#include "ini/profile_document.h"
#include "resources/resource_ids.h"
#include "tests/support/temp_folder.h"

namespace {

struct Running {
    PROCESS_INFORMATION process{};
    HWND frame = nullptr;
};

// Starts the program and waits until its frame shows an open month plan.
bool Launch(const std::string& exe, const std::string& folder, Running& running)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &running.process))
        return false;
    for (int wait = 0; wait < 600; ++wait) {
        running.frame = FindWindowA("Stundwerk", nullptr);
        DWORD owner = 0;
        if (running.frame && GetWindowThreadProcessId(running.frame, &owner) && owner != running.process.dwProcessId)
            return false; // another copy runs in this Wine prefix: its single-instance check ended ours
        HWND client = running.frame ? FindWindowExA(running.frame, nullptr, "MDICLIENT", nullptr) : nullptr;
        if (client && GetWindow(client, GW_CHILD))
            return true;
        Sleep(50);
    }
    return false;
}

void Kill(Running& running)
{
    TerminateProcess(running.process.hProcess, 1);
    WaitForSingleObject(running.process.hProcess, 30000);
    CloseHandle(running.process.hThread);
    CloseHandle(running.process.hProcess);
    // The window class name stays findable until the dead window is gone.
    for (int wait = 0; wait < 200 && FindWindowA("Stundwerk", nullptr); ++wait)
        Sleep(20);
}

// What a complete file holds: every section of a plan entry with the keys
// the program writes for it, MAIN with its keys, Options with its own.
std::string Incomplete(const std::string& path, bool plan)
{
    const std::string bytes = ReadBytes(path);
    if (bytes.empty())
        return "empty";
    if (bytes.back() != '\n')
        return "ends inside a line";
    const ProfileDocument document = ProfileDocument::Parse(bytes);
    const auto has = [&](const char* section, const char* key) { return document.FindValue(section, key).has_value(); };
    if (!plan)
        return has("Options", "WorkingDir") && has("Options", "OpenMonth") ? "" : "Options incomplete";
    if (!has(SECTION_MAIN, KEY_ACCOUNT) || !has(SECTION_MAIN, KEY_MONTH) || !has(SECTION_MAIN, KEY_YEAR))
        return "MAIN incomplete";
    for (std::string_view section : document.SectionNames()) {
        if (section == SECTION_MAIN)
            continue;
        const std::string name(section);
        for (const char* key : {KEY_DAY, KEY_COME, KEY_GO, KEY_WORKTIME, KEY_SALDO, KEY_NOSALDO})
            if (!has(name.c_str(), key))
                return "section " + name + " without " + key;
    }
    return "";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: kill_driver Stundwerk.exe kills [seed]\n");
        return 2;
    }
    const int kills = std::atoi(argv[2]);
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : GetTickCount();
    std::printf("seed %u, %d kills\n", seed, kills);
    std::mt19937 random(seed);

    TempFolder folder;
    const std::string exe = folder.File("Stundwerk.exe");
    // CTest hands over a Unix path; Wine shows the Unix root as drive Z:.
    const std::string program = argv[1][0] == '/' ? std::string("Z:") + argv[1] : argv[1];
    std::filesystem::copy_file(program, exe);
    WriteBytes(folder.File("stundwrk.ini"),
               "[Options]\r\nWorkingDir=" + folder.path().string() + "\r\nOpenMonth=1\r\nCheckMissings=1\r\n");
    SYSTEMTIME today;
    GetLocalTime(&today);
    char plan[32];
    std::snprintf(plan, sizeof plan, "%02u%04u.sw", today.wMonth, today.wYear);
    WriteBytes(folder.File(plan), "[MAIN]\r\nAccount=0\r\nMonth=" + std::to_string(today.wMonth) +
                                      "\r\nYear=" + std::to_string(today.wYear) + "\r\n");

    const UINT commands[] = {CMD_RECORD_ARRIVAL, CMD_RECORD_DEPARTURE, CMD_RECOMPUTE, CMD_RECOMPUTE_WEEKDAYS};
    int failures = 0, shutdowns = 0;
    for (int round = 0; round <= kills; ++round) {
        Running running;
        if (!Launch(exe, folder.path().string(), running)) {
            std::printf("round %d: the program did not open its month plan\n", round);
            ++failures;
            Kill(running);
            break;
        }
        if (round == kills) {
            Kill(running);
            break;
        }
        // A burst of writing commands, sometimes ended by a session end,
        // which writes the settings file; the kill lands somewhere inside.
        const int burst = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < burst; ++i)
            PostMessageA(running.frame, WM_COMMAND, commands[random() % 4], 0);
        if (random() % 4 == 0) {
            PostMessageA(running.frame, WM_QUERYENDSESSION, 0, 0);
            ++shutdowns;
        }
        Sleep(random() % 250);
        Kill(running);
        for (const auto& item : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = item.path().filename().string();
            const bool isPlan = item.path().extension() == ".sw";
            if (!isPlan && name != "stundwrk.ini")
                continue;
            const std::string problem = Incomplete(item.path().string(), isPlan);
            if (!problem.empty()) {
                std::printf("round %d: %s %s\n", round, name.c_str(), problem.c_str());
                ++failures;
            }
        }
    }
    int strays = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder.path()))
        strays += item.path().extension() == ".tmp";
    std::printf("%d kills (%d with a session end posted), %d failures, %d temporary files left behind\n", kills,
                shutdowns, failures, strays);
    return failures == 0 ? 0 : 1;
}
