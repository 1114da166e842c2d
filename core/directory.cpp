#include "core/directory.h"

#include <string>

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#endif

void CreateDirectoryOneLevel(const char* path)
{
    std::string dir = path;
    // mkdir refuses a trailing separator on some systems.
    while (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/'))
        dir.pop_back();
    if (dir.empty())
        return;
#ifdef _WIN32
    _mkdir(dir.c_str());
#else
    mkdir(dir.c_str(), 0777);
#endif
}
