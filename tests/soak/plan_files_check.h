#pragma once
// What must hold after every command of the running program, checked from
// the files alone: each file of the working folder reads through the core
// (a settings file that loads to the program's settings, month plans whose
// sections, entries and values are ones the program can mean), each month
// plan's recomputation changes no byte, and each open plan's list shows the
// rows the core builds from its file. The files are read once from disk and
// everything runs on copies in memory, so the checks never write the folder;
// files whose bytes and settings are unchanged since they last passed are not
// read through again.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/time_values.h"

// An open plan as the program shows it.
struct ShownPlan {
    std::string path;
    std::vector<std::vector<std::string>> rows; // the list's texts, column by column
    bool active = false;
    // Shown in the other ComFormat: a plan shows a new format at its next refresh.
    bool otherFormat = false;
};

class PlanFilesCheck {
public:
    // The first fault found, or "" when everything holds.
    // folders: the working folders the plans may be in, the settings file's first.
    std::string Run(const std::vector<std::string>& folders, const Settings& settings, const LocalTime& now,
                    const std::vector<ShownPlan>& shown);
    // After the time profile changed: the plans that are not open keep the
    // values computed with the old one until they are opened again (opening
    // recomputes), so their recomputation is not compared till then.
    void KeepClosedPlansStale(const std::vector<std::string>& folders, const std::vector<ShownPlan>& shown);

private:
    struct Passed {
        std::string bytes;
        std::string settings;
        std::vector<std::vector<std::string>> rows;
        std::vector<std::vector<std::string>> otherFormatRows; // the hours in the other ComFormat
        bool recomputed = false;
    };
    std::string CheckPlan(const std::string& name, const std::string& bytes, const Settings& settings,
                          const LocalTime& now, bool recompute, Passed& passed);

    std::map<std::string, Passed> passed_; // by path
    std::string passedSettingsFile_;
    std::set<std::string> stale_; // paths
};
