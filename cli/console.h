#pragma once
// The process's command line and console as RunCli expects them: arguments
// in UTF-8, output shown as UTF-8.
#include <string>
#include <vector>

std::vector<std::string> Utf8Arguments(int argc, char** argv);
