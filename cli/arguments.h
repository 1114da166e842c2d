#pragma once
// Reading the arguments of stundwerk-cli: dates, months, times and numbers
// in the forms the help text documents. Each returns false on a malformed
// value; the caller reports the usage error.
#include <map>
#include <string>
#include <vector>

struct CliDate {
    unsigned day = 0, month = 0, year = 0;
};

// DD.MM.YYYY (one-digit day and month allowed); the date must exist.
bool ParseCliDate(const std::string& text, CliDate& date);
// A whole number in [min, max].
bool ParseCliNumber(const std::string& text, unsigned min, unsigned max, unsigned& value);
// HH:MM, 00:00 to 23:59.
bool ParseClockTime(const std::string& text, unsigned& hour, unsigned& minute);

// A command's arguments after the global options are taken out: the
// positional ones in order, and its own options by name ("--remark").
struct CommandArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // a flag maps to ""

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Option(const std::string& name) const
    {
        const auto found = options.find(name);
        return found == options.end() ? std::string() : found->second;
    }
};

#include "cli/text_output.h"
