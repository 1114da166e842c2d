// The statutory public holidays of the sixteen states. Only days that hold in
// the whole state are listed; days of single municipalities (Fronleichnam in
// parts of Saxony and Thuringia, Mariä Himmelfahrt in the Catholic
// municipalities of Bavaria, the Augsburger Friedensfest) are not.
#include <cctype>
#include <cstring>

#include "calendar/holiday_rules.h"

const State States[STATE_COUNT] = {
    {"BW", "Baden-Württemberg"},
    {"BY", "Bayern"},
    {"BE", "Berlin"},
    {"BB", "Brandenburg"},
    {"HB", "Bremen"},
    {"HH", "Hamburg"},
    {"HE", "Hessen"},
    {"MV", "Mecklenburg-Vorpommern"},
    {"NI", "Niedersachsen"},
    {"NW", "Nordrhein-Westfalen"},
    {"RP", "Rheinland-Pfalz"},
    {"SL", "Saarland"},
    {"SN", "Sachsen"},
    {"ST", "Sachsen-Anhalt"},
    {"SH", "Schleswig-Holstein"},
    {"TH", "Thüringen"},
};

const StateHoliday StateHolidayTable[STATE_HOLIDAY_COUNT] = {
    {"*", "01.01           :Neujahr", 0, 0},
    {"BW BY ST", "06.01           :Heilige Drei Könige", 0, 0},
    {"BE", "08.03           :Internationaler Frauentag", 2019, 0},
    {"MV", "08.03           :Internationaler Frauentag", 2023, 0},
    {"*", "ostersonntag-2  :Karfreitag", 0, 0},
    {"BB HE", "ostersonntag    :Ostersonntag", 0, 0},
    {"*", "ostersonntag+1  :Ostermontag", 0, 0},
    {"*", "01.05           :Maifeiertag", 0, 0},
    {"BE", "08.05           :Tag der Befreiung", 2020, 2020},
    {"BE", "08.05           :Tag der Befreiung", 2025, 2025},
    {"*", "ostersonntag+39 :Christi Himmelfahrt", 0, 0},
    {"BB HE", "ostersonntag+49 :Pfingstsonntag", 0, 0},
    {"*", "ostersonntag+50 :Pfingstmontag", 0, 0},
    {"BW BY HE NW RP SL", "ostersonntag+60 :Fronleichnam", 0, 0},
    {"SL", "15.08           :Maria Himmelfahrt", 0, 0},
    {"TH", "20.09           :Weltkindertag", 2019, 0},
    {"*", "03.10           :Tag der Einheit", 1990, 0},
    {"BB MV SN ST TH", "31.10           :Reformationstag", 0, 0},
    {"HB HH NI SH", "31.10           :Reformationstag", 2018, 0},
    {"*", "31.10           :Reformationstag", 2017, 2017},
    {"BW BY NW RP SL", "01.11           :Allerheiligen", 0, 0},
    {"SN", "23.11 -mi       :Buß- und Bettag", 0, 0},
    {"*", "23.11 -mi       :Buß- und Bettag", 0, 1994},
    {"*", "25.12           :1. Weihnachtstag", 0, 0},
    {"*", "26.12           :2. Weihnachtstag", 0, 0},
};

int StateIndex(const char* code)
{
    if (code == nullptr || std::strlen(code) != 2)
        return -1;
    for (int i = 0; i < STATE_COUNT; ++i) {
        if (std::toupper(static_cast<unsigned char>(code[0])) == States[i].code[0] &&
            std::toupper(static_cast<unsigned char>(code[1])) == States[i].code[1])
            return i;
    }
    return -1;
}

bool StateHolidayHolds(const StateHoliday& row, const char* state, std::int32_t year)
{
    if ((row.firstYear != 0 && year < row.firstYear) || (row.lastYear != 0 && year > row.lastYear))
        return false;
    if (std::strcmp(row.states, "*") == 0)
        return true;
    for (const char* p = row.states; (p = std::strstr(p, state)) != nullptr; p += 2) {
        if ((p == row.states || p[-1] == ' ') && (p[2] == '\0' || p[2] == ' '))
            return true;
    }
    return false;
}
