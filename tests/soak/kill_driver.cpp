// Kills the real program at random moments while its commands write, then
// checks that every month plan and the settings file are the old or a
// complete new version and that the next start opens them. The last start
// ends normally and must leave no temporary file behind.
// Usage: kill_driver kills [seed].
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
#include "tests/ui/driver.h"

namespace {

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

// Starts the program and waits until its frame shows an open month plan.
bool Launch(StundwerkProcess& program)
{
    return program.Started() && WaitUntil([&] { return program.ActivePlanWindow() != nullptr; }, 30000, 5);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: kill_driver kills [seed]\n");
        return 2;
    }
    const int kills = std::atoi(argv[1]);
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
    const UINT commands[] = {CMD_RECORD_ARRIVAL, CMD_RECORD_DEPARTURE, CMD_RECOMPUTE, CMD_RECOMPUTE_WEEKDAYS};
    int failures = 0, shutdowns = 0, leftByKills = 0;
    for (int round = 0; round < kills && failures == 0; ++round) {
        const std::map<std::string, std::string> before = PlanFiles(folder.Path(), true);
        StundwerkProcess program(folder.Path());
        if (!Launch(program)) {
            std::printf("round %d: the program did not open its month plan\n", round);
            ++failures;
            break;
        }
        // A burst of writing commands, sometimes ended by a session end,
        // which writes the settings file; the kill lands somewhere inside.
        const int burst = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < burst; ++i)
            program.Command(static_cast<WORD>(commands[random() % 4]));
        if (random() % 4 == 0) {
            PostMessageA(program.Frame(), WM_QUERYENDSESSION, 0, 0);
            ++shutdowns;
        }
        Sleep(random() % 250);
        program.Kill();
        for (const auto& [name, bytes] : PlanFiles(folder.Path(), true)) {
            const auto old = before.find(name);
            const std::string problem =
                NotOldOrNew(old == before.end() ? std::string() : old->second, bytes, name != "stundwrk.ini");
            if (!problem.empty()) {
                std::printf("round %d: %s %s\n", round, name.c_str(), problem.c_str());
                ++failures;
            }
        }
        // Left by a kill between writing a temporary file and its rename; the next start clears it.
        leftByKills += TemporaryFiles(folder.Path());
    }
    // The start after the last kill, ended as a session ends: it saves its settings and quits.
    StundwerkProcess last(folder.Path());
    DWORD exitCode = 0;
    if (!Launch(last)) {
        std::printf("after the last kill: the program did not open its month plan\n");
        ++failures;
    } else if (PostMessageA(last.Frame(), WM_QUERYENDSESSION, 0, 0), !last.WaitForExit(10000, exitCode)) {
        std::printf("after the last kill: the program did not end with the session\n");
        ++failures;
    }
    last.Kill();
    const int strays = TemporaryFiles(folder.Path());
    failures += strays != 0;
    std::printf("%d kills (%d with a session end posted), %d failures, %d temporary files seen after kills, %d left "
                "at the end\n",
                kills, shutdowns, failures, leftByKills, strays);
    return failures == 0 ? 0 : 1;
}
