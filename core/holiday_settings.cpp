#include "core/holiday_settings.h"

#include <cstdio>
#include <cstring>

#include "ini/profile_store.h"

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kStateKey = "Land";
constexpr const char* kOwnDays = "Feiertage";

void OwnDayKey(int index, char (&key)[16])
{
    std::snprintf(key, sizeof key, "Tag%d", index + 1);
}

bool SameOwnDays(const HolidayRules& a, const HolidayRules& b)
{
    for (int i = 0; i < OWN_DAY_COUNT; ++i) {
        if (std::strcmp(a.ownDays[i], b.ownDays[i]) != 0)
            return false;
    }
    return true;
}

} // namespace

// A state code the program does not know is the built-in table; own days
// are read up to the first missing or empty key. An own day never needs
// quotes in the file: it starts with a digit or a keyword.
void LoadHolidayRules(ProfileStore& store, Settings& settings)
{
    HolidayRules& rules = settings.FreeDays;
    const char* file = settings.SettingsPath;
    char code[8] = {};
    store.ReadString(kOptions, kStateKey, "", code, sizeof code, file);
    const int state = StateIndex(code);
    std::snprintf(rules.state, sizeof rules.state, "%s", state < 0 ? "" : States[state].code);
    bool ended = false;
    for (int i = 0; i < OWN_DAY_COUNT; ++i) {
        char key[16];
        OwnDayKey(i, key);
        if (!ended)
            store.ReadString(kOwnDays, key, "", rules.ownDays[i], OWN_DAY_SIZE, file);
        if (ended || rules.ownDays[i][0] == '\0') {
            ended = true;
            rules.ownDays[i][0] = '\0';
        }
    }
}

void SaveHolidayRules(ProfileStore& store, const Settings& settings, const Settings* asRead)
{
    const HolidayRules& rules = settings.FreeDays;
    const char* file = settings.SettingsPath;
    if (asRead == nullptr ? rules.state[0] != '\0' : std::strcmp(rules.state, asRead->FreeDays.state) != 0)
        store.WriteString(kOptions, kStateKey, rules.state, file);
    if (asRead == nullptr ? rules.ownDays[0][0] == '\0' : SameOwnDays(rules, asRead->FreeDays))
        return;
    store.DeleteSection(kOwnDays, file);
    for (int i = 0; i < OWN_DAY_COUNT && rules.ownDays[i][0] != '\0'; ++i) {
        char key[16];
        OwnDayKey(i, key);
        store.WriteString(kOwnDays, key, rules.ownDays[i], file);
    }
}
