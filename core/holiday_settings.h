#pragma once
// The holiday rules in stundwrk.ini: key Land of section Options (the state
// whose holidays count) and section Feiertage (the user's own free days as
// Tag1, Tag2, ...). A file without them gives the built-in table.
#include "core/settings.h"

class ProfileStore;

void LoadHolidayRules(ProfileStore& store, Settings& settings);
// Writes what differs from asRead (every key when asRead is null); a key the
// file lacks is not written while it holds its default.
void SaveHolidayRules(ProfileStore& store, const Settings& settings, const Settings* asRead);
