#include "cli/console.h"

// The terminal's arguments are taken to be UTF-8 already.
std::vector<std::string> Utf8Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

bool NativePath(const std::string& utf8, std::string& path)
{
    path = utf8;
    return true;
}
