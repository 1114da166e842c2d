#include <iostream>

#include "cli/cli.h"
#include "cli/console.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args = Utf8Arguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& arg : args)
        pointers.push_back(arg.c_str());
    return RunCli(static_cast<int>(pointers.size()), pointers.data(), std::cout, std::cerr);
}
