#include "tests/soak/random_input.h"

#include <cstdio>
#include <iterator>

namespace {

// Texts no field means, and some that look like what the files hold.
const char* const NONSENSE[] = {
    "",
    "-",
    "--",
    "31.13.",
    "99:99",
    "24:00",
    "24:01",
    "23:59",
    "12:60",
    "abc",
    "\xE4\xF6\xFC\xDF\x80",
    "?",
    "G",
    "U",
    "K",
    "F",
    "Z",
    "*",
    ".",
    "-5",
    "0",
    "1.1.",
    "29.02.2005",
    "31.11.2005",
    "00.00.0000",
    "2147483647",
    "4294967295",
    "-2147483648",
    "99999999999",
    " 8:00 ",
    "8",
    ":",
    "::",
    "[MAIN]",
    "Account=5",
    "\"quoted\"",
    "'x'",
    ";",
    "a\r\nb",
    "%s%n",
    "\t",
    "12:30:45",
    "1,5",
    "-0:30",
    "08:00-16:00",
    "Gleittag",
    "\xB0\xA7\xB4",
};

// The characters of overlong texts: digits and separators of dates and
// times, letters, Windows-1252 umlauts and the INI file's own syntax.
constexpr char OVERLONG[] = "0123456789:.,-+ abcZGUK\xE4\xF6\xFC\xC4\xD6\xDC\xDF\"'=[];\\";

const char* const REMARKS[] = {"Arzt",
                               "\xDC"
                               "berstunden",
                               "Dienstreise M\xFCnchen", "Schulung", "Homeoffice"};

std::string Printed(const char* format, unsigned a, unsigned b, unsigned c = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

} // namespace

std::string RandomInput::Field(FieldKind kind, const std::string& current, unsigned month, unsigned year)
{
    const unsigned choice = Below(100);
    if (choice < 30)
        return current;
    if (choice < 65)
        return Plausible(kind, month, year);
    return Nonsense();
}

std::string RandomInput::Plausible(FieldKind kind, unsigned month, unsigned year)
{
    switch (kind) {
    case FieldKind::Date:
        // Mostly in the open period; some days do not exist in it.
        return Printed("%02u.%02u.%u", 1 + Below(31), Chance(85) ? month : 1 + Below(12), year);
    case FieldKind::Time:
        return Printed("%02u:%02u", Below(24), Below(60));
    case FieldKind::Hours:
        return Printed("%u:%02u", Below(13), Below(60));
    case FieldKind::Count:
        return std::to_string(Below(41));
    case FieldKind::Year:
        return std::to_string(Chance(80) ? year : 2004 + Below(4));
    case FieldKind::Remark:
        return REMARKS[Below(static_cast<unsigned>(std::size(REMARKS)))];
    }
    return "";
}

std::string RandomInput::Nonsense()
{
    if (Chance(15)) {
        std::string text(300 + Below(1701), ' ');
        for (char& c : text)
            c = OVERLONG[Below(sizeof OVERLONG - 1)];
        return text;
    }
    return NONSENSE[Below(static_cast<unsigned>(std::size(NONSENSE)))];
}
