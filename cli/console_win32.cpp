#include <windows.h>
#include <shellapi.h>

#include "cli/console.h"

// argv holds the ANSI code page's form, which loses characters; the wide
// command line has them all. The console shows the UTF-8 output as such.
std::vector<std::string> Utf8Arguments(int argc, char** argv)
{
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(size > 0 ? static_cast<std::size_t>(size) : 1u, '\0');
        if (size > 0)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, &text[0], size, nullptr, nullptr);
        text.resize(text.size() - 1);
        args.push_back(text);
    }
    LocalFree(wide);
    return args;
}
