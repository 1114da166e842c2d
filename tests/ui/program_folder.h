#pragma once
// A throwaway folder for one run of Stundwerk: a copy of the program (its
// settings file lives beside it), the settings file and the month plans.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

struct CliResult {
    DWORD exitCode = 0;
    std::string output;
};

class ProgramFolder {
public:
    // Copies the built Stundwerk.exe into a new folder; Ready() tells whether it worked.
    ProgramFolder();

    bool Ready() const { return ready_; }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::string SettingsFile() const { return File("stundwrk.ini"); }

    // Writes stundwrk.ini: section Options with this folder as the working
    // directory and the given "Key=Value" lines, section Window with the frame's place.
    void WriteSettings(const std::vector<std::string>& options, const RECT& frame = {40, 30, 840, 590}) const;
    // Runs the built stundwerk-cli.exe on this folder's settings file and month plans.
    CliResult Cli(const std::string& arguments) const;

private:
    TempFolder temp_;
    std::string path_;
    bool ready_ = false;
};

// The built program's path as this process names files (under Wine a Unix
// path becomes a drive path).
std::string BuiltProgramPath(const char* path);
