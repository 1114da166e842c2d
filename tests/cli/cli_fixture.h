#pragma once
// stundwerk-cli runs against a throwaway folder holding stundwrk.ini, whose
// WorkingDir points at the folder's plans/ directory.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/core/temp_folder.h"

struct CliResult {
    int code;
    std::string out, err;
};

class CliTest : public ::testing::Test {
protected:
    CliTest() { WriteIni(""); }

    // stundwrk.ini with WorkingDir and the given further lines of [Options].
    void WriteIni(const std::string& options) { WriteBytes(ini, "[Options]\nWorkingDir=" + plans + "\n" + options); }

    // Runs the CLI with --ini first and the clock of the run.
    CliResult Run(const char* today, const char* now, std::initializer_list<const char*> args)
    {
        std::vector<const char*> argv = {"stundwerk-cli", "--ini", ini.c_str(), "--today", today, "--now", now};
        argv.insert(argv.end(), args.begin(), args.end());
        std::ostringstream out, err;
        const int code = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
        return {code, out.str(), err.str()};
    }

    // Asserts success and returns stdout.
    std::string Ok(const char* today, const char* now, std::initializer_list<const char*> args)
    {
        const CliResult r = Run(today, now, args);
        EXPECT_EQ(r.code, 0) << r.err;
        return r.out;
    }

    std::string PlanFile(const char* name) const { return plans + name; }

    // A month of April 2002 kept through the CLI, with further global options.
    void RunScriptedMonth(const std::vector<const char*>& options);
    // Empties the folder, for a second run of the same script.
    void ResetFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder.path() / "plans", ignored);
        std::filesystem::remove(ini, ignored);
        WriteIni("");
    }

    std::vector<std::string> Keys(const std::string& file, const std::string& section) const
    {
        return SectionLines(file, section);
    }

    // One key's value, "<none>" when missing.
    std::string Key(const std::string& file, const std::string& section, const std::string& key) const
    {
        for (const std::string& line : Keys(file, section)) {
            if (line.compare(0, key.size() + 1, key + "=") == 0)
                return line.substr(key.size() + 1);
        }
        return "<none>";
    }

    TempFolder folder;
    std::string ini = folder.File("stundwrk.ini");
    std::string plans = folder.File("plans") + "/";
};

// A separate line of the text for each line feed.
inline std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
