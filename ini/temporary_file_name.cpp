#include "ini/temporary_file_name.h"

#include <cctype>

namespace {

constexpr std::string_view kSuffix = ".tmp";
// Process ids are 32-bit numbers on every platform the program runs on.
constexpr unsigned long kLargestProcessId = 0xFFFFFFFFul;

bool SameName(std::string_view a, std::string_view b)
{
#ifdef _WIN32
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
#else
    return a == b;
#endif
}

} // namespace

std::string TemporaryPathFor(const std::string& fullPath, unsigned long processId)
{
    return fullPath + "." + std::to_string(processId) + std::string(kSuffix);
}

unsigned long TemporaryFileWriter(std::string_view name, std::string_view target)
{
    if (target.empty() || name.size() < target.size() + 1 + 1 + kSuffix.size() ||
        !SameName(name.substr(0, target.size()), target) || name[target.size()] != '.' ||
        !SameName(name.substr(name.size() - kSuffix.size()), kSuffix))
        return 0;
    const std::string_view digits = name.substr(target.size() + 1, name.size() - target.size() - 1 - kSuffix.size());
    if (digits.empty() || digits.size() > 10 || digits[0] == '0')
        return 0;
    unsigned long long id = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        id = id * 10 + static_cast<unsigned>(c - '0');
    }
    return id <= kLargestProcessId ? static_cast<unsigned long>(id) : 0;
}
