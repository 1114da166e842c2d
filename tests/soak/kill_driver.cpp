// Kills the real program at random moments while its commands write, then
// checks that every month plan and the settings file are the old or a
// complete new version and that the next start opens them. The last start
// ends normally and must leave no temporary file behind.
// Usage: kill_driver Stundwerk.exe kills [seed].
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/plan_keys.h"
#include "ini/profile_document.h"
#include "resources/resource_ids.h"
#include "tests/support/temp_folder.h"

namespace {

// Polling steps: a start takes about half a second under Wine, and each
// step of lag is paid once per round.
constexpr DWORD kPollMs = 5;

struct Running {
    PROCESS_INFORMATION process{};
    HWND frame = nullptr;
};

// Wall time spent in each part of the rounds, for the summary line.
class Phases {
public:
    Phases() { QueryPerformanceFrequency(&frequency_); }
    // Adds the time since the last call to the named phase.
    void Lap(const char* phase)
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        if (last_.QuadPart != 0)
            seconds_[phase] += static_cast<double>(now.QuadPart - last_.QuadPart) / frequency_.QuadPart;
        last_ = now;
    }
    void Print(int rounds) const
    {
        std::printf("per round:");
        for (const auto& [phase, seconds] : seconds_)
            std::printf(" %s %.0f ms", phase.c_str(), seconds * 1000 / rounds);
        std::printf("\n");
    }

private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER last_{};
    std::map<std::string, double> seconds_;
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
    for (DWORD waited = 0; waited < 30000; waited += kPollMs) {
        running.frame = FindWindowA("Stundwerk", nullptr);
        DWORD owner = 0;
        if (running.frame && GetWindowThreadProcessId(running.frame, &owner) && owner != running.process.dwProcessId)
            return false; // another copy runs in this Wine prefix: its single-instance check ended ours
        HWND client = running.frame ? FindWindowExA(running.frame, nullptr, "MDICLIENT", nullptr) : nullptr;
        if (client && GetWindow(client, GW_CHILD))
            return true;
        Sleep(kPollMs);
    }
    return false;
}

// Ends the program, by force unless it ended by itself first.
void Kill(Running& running)
{
    TerminateProcess(running.process.hProcess, 1);
    WaitForSingleObject(running.process.hProcess, 30000);
    CloseHandle(running.process.hThread);
    CloseHandle(running.process.hProcess);
    // The window class name stays findable until the dead window is gone.
    for (DWORD waited = 0; waited < 4000 && FindWindowA("Stundwerk", nullptr); waited += kPollMs)
        Sleep(kPollMs);
}

// The end of a session, as Windows announces it: the program saves its
// settings and quits.
bool EndNormally(Running& running)
{
    PostMessageA(running.frame, WM_QUERYENDSESSION, 0, 0);
    const bool ended = WaitForSingleObject(running.process.hProcess, 10000) == WAIT_OBJECT_0;
    Kill(running);
    return ended;
}

bool IsPlan(const std::filesystem::path& file)
{
    return file.extension() == ".sw";
}

// Every month plan and the settings file, by name.
std::map<std::string, std::string> WatchedFiles(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        if (IsPlan(item.path()) || name == "stundwrk.ini")
            files[name] = ReadBytes(item.path().string());
    }
    return files;
}

int TemporaryFiles(const std::filesystem::path& folder)
{
    int count = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        count += item.path().extension() == ".tmp";
    return count;
}

// What a complete file holds: every section of a plan entry with the keys
// the program writes for it, MAIN with its keys, Options with its own.
std::string Incomplete(const std::string& bytes, bool plan)
{
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

// What is wrong with a file after a kill: it must be the old bytes, or a new
// version that is complete and still holds every key of the old one (these
// commands never delete one; a file cut at a line break would lose the last).
std::string NotOldOrNew(const std::string& before, const std::string& after, bool plan)
{
    if (after == before)
        return "";
    if (std::string problem = Incomplete(after, plan); !problem.empty())
        return problem;
    const ProfileDocument old = ProfileDocument::Parse(before);
    const ProfileDocument now = ProfileDocument::Parse(after);
    for (std::string_view section : old.SectionNames())
        for (std::string_view key : old.KeyNames(section))
            if (!now.FindValue(section, key))
                return "lost " + std::string(section) + "/" + std::string(key);
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
    int failures = 0, shutdowns = 0, leftByKills = 0;
    Phases phases;
    phases.Lap("start");
    for (int round = 0; round < kills; ++round) {
        const std::map<std::string, std::string> before = WatchedFiles(folder.path());
        Running running;
        const bool started = Launch(exe, folder.path().string(), running);
        phases.Lap("start");
        if (!started) {
            std::printf("round %d: the program did not open its month plan\n", round);
            ++failures;
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
        phases.Lap("wait");
        Kill(running);
        phases.Lap("kill");
        for (const auto& [name, bytes] : WatchedFiles(folder.path())) {
            const auto old = before.find(name);
            const std::string problem =
                NotOldOrNew(old == before.end() ? std::string() : old->second, bytes, IsPlan(name));
            if (!problem.empty()) {
                std::printf("round %d: %s %s\n", round, name.c_str(), problem.c_str());
                ++failures;
            }
        }
        // Left by a kill between writing a temporary file and its rename;
        // the next start clears it.
        leftByKills += TemporaryFiles(folder.path());
        phases.Lap("check");
    }
    // The start after the last kill, ended as a session ends.
    Running last;
    if (!Launch(exe, folder.path().string(), last)) {
        std::printf("after the last kill: the program did not open its month plan\n");
        ++failures;
        Kill(last);
    } else if (!EndNormally(last)) {
        std::printf("after the last kill: the program did not end with the session\n");
        ++failures;
    }
    const int strays = TemporaryFiles(folder.path());
    if (strays != 0) {
        std::printf("%d temporary files left after the last start\n", strays);
        ++failures;
    }
    phases.Print(kills);
    std::printf("%d kills (%d with a session end posted), %d failures, %d temporary files seen after kills, %d left "
                "at the end\n",
                kills, shutdowns, failures, leftByKills, strays);
    return failures == 0 ? 0 : 1;
}
