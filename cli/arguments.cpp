#include "cli/arguments.h"

#include "calendar/calendar.h"

namespace {

bool ReadDigits(const std::string& text, std::size_t& pos, std::size_t minDigits, std::size_t maxDigits,
                unsigned& value)
{
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < maxDigits)
        value = value * 10 + static_cast<unsigned>(text[pos++] - '0');
    return pos - start >= minDigits;
}

bool Expect(const std::string& text, std::size_t& pos, char c)
{
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

} // namespace

bool ParseCliDate(const std::string& text, CliDate& date)
{
    std::size_t pos = 0;
    CliDate d;
    if (!ReadDigits(text, pos, 1, 2, d.day) || !Expect(text, pos, '.') || !ReadDigits(text, pos, 1, 2, d.month) ||
        !Expect(text, pos, '.') || !ReadDigits(text, pos, 4, 4, d.year) || pos != text.size())
        return false;
    if (!Calendar().IsValidDate(d.day, d.month, d.year) || d.year < 1)
        return false;
    date = d;
    return true;
}

bool ParseCliNumber(const std::string& text, unsigned min, unsigned max, unsigned& value)
{
    std::size_t pos = 0;
    unsigned v = 0;
    if (!ReadDigits(text, pos, 1, 9, v) || pos != text.size() || v < min || v > max)
        return false;
    value = v;
    return true;
}

bool ParseClockTime(const std::string& text, unsigned& hour, unsigned& minute)
{
    std::size_t pos = 0;
    unsigned h = 0, m = 0;
    if (!ReadDigits(text, pos, 1, 2, h) || !Expect(text, pos, ':') || !ReadDigits(text, pos, 2, 2, m) ||
        pos != text.size() || h > 23 || m > 59)
        return false;
    hour = h;
    minute = m;
    return true;
}
