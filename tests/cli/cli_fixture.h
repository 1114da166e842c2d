#pragma once
// stundwerk-cli runs against a throwaway folder holding stundwrk.ini, whose
// WorkingDir points at the folder's plans/ directory.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/support/temp_folder.h"

struct CliResult {
    int code;
    std::string out, err;
};

// Runs stundwerk-cli with the given arguments.
inline CliResult RunArgs(std::vector<const char*> args)
{
    args.insert(args.begin(), "stundwerk-cli");
    std::ostringstream out, err;
    const int code = RunCli(static_cast<int>(args.size()), args.data(), out, err);
    return {code, out.str(), err.str()};
}

// The parts of a text between separators: Split("Day=1 Come=480") for the
// keys of a section, Split(output, '\n') for the lines of an output.
inline std::vector<std::string> Split(const std::string& text, char separator = ' ')
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

class CliTest : public ::testing::Test {
protected:
    CliTest() { WriteIni(""); }

    // stundwrk.ini with WorkingDir and the given further lines of [Options].
    void WriteIni(const std::string& options) { WriteBytes(ini, "[Options]\nWorkingDir=" + plans + "\n" + options); }

    // One call as words: "DD.MM.YYYY HH:MM [option] command ...", or the
    // command alone on a day long after every plan of the tests (no live
    // computation); --ini comes first.
    CliResult Call(const std::string& words)
    {
        std::vector<std::string> parts = Split(words);
        if (parts[0].size() != 10 || parts[0][2] != '.')
            parts.insert(parts.begin(), {"01.01.2030", "12:00"});
        std::vector<const char*> argv = {"--ini", ini.c_str(), "--today", parts[0].c_str(), "--now", parts[1].c_str()};
        for (std::size_t i = 2; i < parts.size(); ++i)
            argv.push_back(parts[i].c_str());
        return RunArgs(argv);
    }

    std::string PlanFile(const char* name) const { return plans + name; }

    // A month of April 2002 kept through the CLI, with a further global option.
    void RunScriptedMonth(const std::string& option);
    // Empties the folder, for another run on a fresh one.
    void ResetFolder(const std::string& options = "")
    {
        std::filesystem::remove_all(plans);
        WriteIni(options);
    }

    // Calls separated by ';': all but the last must succeed; the last one's result.
    CliResult RunScript(const std::string& script)
    {
        const std::vector<std::string> calls = Split(script, ';');
        for (std::size_t i = 0; i + 1 < calls.size(); ++i)
            EXPECT_EQ(Call(calls[i]).code, 0) << calls[i];
        return Call(calls.back());
    }
    // "section:key=value ..." in a plan file or "ini", a missing key as "<none>".
    void ExpectKeys(const std::string& name, const std::string& keys) const
    {
        const std::string file = name == "ini" ? ini : PlanFile(name.c_str());
        for (const std::string& check : Split(keys)) {
            const std::size_t colon = check.find(':'), equals = check.find('=');
            EXPECT_EQ(Key(file, check.substr(0, colon), check.substr(colon + 1, equals - colon - 1)),
                      check.substr(equals + 1))
                << check;
        }
    }
    // One key's value, "<none>" when missing.
    std::string Key(const std::string& file, const std::string& section, const std::string& key) const
    {
        for (const std::string& line : SectionLines(file, section))
            if (line.rfind(key + "=", 0) == 0)
                return line.substr(key.size() + 1);
        return "<none>";
    }

    // The keys of each section, written as words; "" for a missing section.
    void ExpectSections(const std::string& file, const std::vector<std::pair<const char*, const char*>>& sections) const
    {
        for (const auto& [section, keys] : sections)
            EXPECT_EQ(SectionLines(file, section), Split(keys)) << section;
    }

    TempFolder folder;
    std::string ini = folder.File("stundwrk.ini");
    std::string plans = folder.File("plans") + "/";
};
