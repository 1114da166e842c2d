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

std::string Utf8ToCp1252(const std::string& text)
{
    // Windows-1252 0x80..0x9F by code point; the rest of 0xA0..0xFF is Latin-1.
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t cp = 0;
        std::size_t length = 1;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            length = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool valid = i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = cp << 6 | (next & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        i += length;
        char byte = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            byte = static_cast<char>(cp);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (high[k] != 0 && high[k] == cp)
                    byte = static_cast<char>(0x80 + k);
            }
        }
        out += byte;
    }
    return out;
}
