// Kills the real program at random moments while its commands write, then
// checks that every month plan and the settings file are the old or a
// complete new version and that the next start opens them. The last start
// ends normally and must leave no temporary file behind.
// Usage: kill_driver kills [seed].
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "core/plan_keys.h"
#include "ini/profile_document.h"
#include "resources/resource_ids.h"
#include "tests/ui/driver.h"

namespace {

// What is wrong with a file after a kill: it must be the old bytes, or a new
// version that ends with its last line, gives each plan entry the keys the
// program writes for it and still holds every key of the old one (these
// commands never delete one; a file cut at a line break would lose the last).
std::string NotOldOrNew(const std::string& before, const std::string& after, bool plan)
{
    if (after == before)
        return "";
    if (after.empty() || after.back() != '\n')
        return "ends inside a line";
    const ProfileDocument old = ProfileDocument::Parse(before), now = ProfileDocument::Parse(after);
    for (const std::string_view section : now.SectionNames()) {
        for (const char* key : {KEY_DAY, KEY_COME, KEY_GO, KEY_WORKTIME, KEY_SALDO, KEY_NOSALDO}) {
            if (plan && section != SECTION_MAIN && !now.FindValue(section, key))
                return "section " + std::string(section) + " without " + key;
        }
    }
    for (const std::string_view section : old.SectionNames()) {
        for (const std::string_view key : old.KeyNames(section)) {
            if (!now.FindValue(section, key))
                return "lost " + std::string(section) + "/" + std::string(key);
        }
    }
    return "";
}

int Failed(const std::string& what)
{
    std::printf("%s\n", what.c_str());
    return 1;
}

// Whether the started program's frame shows an open month plan.
bool Launch(const StundwerkProcess& program)
{
    return program.Started() && WaitUntil([&] { return program.ActivePlanWindow(); }, 30000, 5);
}

} // namespace

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 60;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : GetTickCount();
    std::printf("seed %u, %d kills\n", seed, kills);
    std::mt19937 random(seed);
    ProgramFolder folder;
    if (!folder.Ready())
        return 1;
    folder.WriteSettings({"OpenMonth=1", "CheckMissings=1"});
    const CurrentPeriod period = PeriodOfToday(1);
    WriteBytes(folder.File(period.FileName()), "[MAIN]\r\nAccount=0\r\nMonth=" + std::to_string(period.month) +
                                                   "\r\nYear=" + std::to_string(period.year) + "\r\n");
    const WORD commands[] = {CMD_RECORD_ARRIVAL, CMD_RECORD_DEPARTURE, CMD_RECOMPUTE, CMD_RECOMPUTE_WEEKDAYS};
    for (int round = 0; round < kills; ++round) {
        const std::map<std::string, std::string> before = PlanFiles(folder.Path(), true);
        StundwerkProcess program(folder.Path());
        if (!Launch(program))
            return Failed("round " + std::to_string(round) + ": the program did not open its month plan");
        // A burst of writing commands, sometimes ended by a session end,
        // which writes the settings file; the kill lands somewhere inside.
        for (unsigned i = random() % 6; i < 6; ++i)
            program.Command(commands[random() % 4]);
        if (random() % 4 == 0)
            PostMessageA(program.Frame(), WM_QUERYENDSESSION, 0, 0);
        Sleep(random() % 250);
        program.Kill();
        for (const auto& [name, bytes] : PlanFiles(folder.Path(), true)) {
            const auto old = before.find(name);
            const std::string problem =
                NotOldOrNew(old == before.end() ? "" : old->second, bytes, name != "stundwrk.ini");
            if (!problem.empty())
                return Failed("round " + std::to_string(round) + ": " + name + " " + problem);
        }
    }
    // The start after the last kill, ended as a session ends: it saves its
    // settings, quits and clears the temporary files a kill left.
    StundwerkProcess last(folder.Path());
    DWORD exitCode = 0;
    if (!Launch(last) || !PostMessageA(last.Frame(), WM_QUERYENDSESSION, 0, 0) || !last.WaitForExit(10000, exitCode))
        return Failed("after the last kill: the program did not open its plan and end with the session");
    for (const auto& item : std::filesystem::directory_iterator(folder.Path())) {
        if (item.path().extension() == ".tmp")
            return Failed("left at the end: " + item.path().filename().string());
    }
    std::printf("%d kills, every file old or new\n", kills);
    return 0;
}
