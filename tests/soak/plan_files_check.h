#pragma once
// What must hold after every command of the running program, checked from
// the files alone: each file of the working folders reads through the core
// (the settings file to the program's options, each month plan to sections,
// entries and values the program writes), each plan's recomputation changes
// no byte, and each open plan's list shows the rows the core builds from its
// file. Everything runs on copies in memory: the checks never write a folder.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/time_values.h"

// The texts of the open plans' lists, row by row, by PathKey of the plan's file.
using ShownLists = std::map<std::string, std::vector<std::vector<std::string>>>;

// A path as a key: the program's paths and the folder listing's may differ in
// separators and case and still name one file.
std::string PathKey(const std::string& path);

// The first fault found, or "". folders: the settings file's folder first.
// stale: plans computed with an older time profile, which keep its values
// until they are opened again; their recomputation is not compared.
std::string CheckPlanFiles(const std::vector<std::string>& folders, const Settings& settings, const LocalTime& now,
                           const ShownLists& shown, const std::set<std::string>& stale);
