#pragma once
// The process's command line and console as RunCli expects them: arguments
// in UTF-8, output shown as UTF-8.
#include <string>
#include <vector>

// Also switches standard output and error to binary: the export's lines end
// in LF alone, as spreadsheets and scripts expect, on every system.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// A UTF-8 file name in the form the file functions take (the ANSI code page
// on Windows); false when the system cannot represent it.
bool NativePath(const std::string& utf8, std::string& path);
